#include "platform/page_scope.h"

#include "platform/components.h"
#include "platform/image_widget.h"

#include <QAction>

#include <QPointer>
#include <QWidget>

#include <utility>

void TPageScope::setEnabled(std::initializer_list<QWidget *> widgets, bool enabled)
{
    keepEnabled(widgets);
    for (QWidget *w : widgets)
        w->setEnabled(enabled);
}

void TPageScope::keepEnabled(std::initializer_list<QWidget *> widgets)
{
    for (QWidget *w : widgets) {
        // A widget's own state: a child of a disabled container is disabled
        // too, but only its own flag is put back.
        const bool own = !w->testAttribute(Qt::WA_ForceDisabled);
        onLeave([w = QPointer<QWidget>(w), own] {
            if (w)
                w->setEnabled(own);
        });
    }
}

void TPageScope::setEnabled(QAction *action, bool enabled)
{
    onLeave([action = QPointer<QAction>(action), was = action->isEnabled()] {
        if (action)
            action->setEnabled(was);
    });
    action->setEnabled(enabled);
}

void TPageScope::setEnabled(TTimer *timer, bool enabled)
{
    onLeave([timer = QPointer<TTimer>(timer), was = timer->enabled()] {
        if (timer)
            timer->setEnabled(was);
    });
    timer->setEnabled(enabled);
}

void TPageScope::setPicture(TImage *image, const QPixmap &picture)
{
    image->setPicture(picture);
    onLeave([image = QPointer<TImage>(image)] {
        if (image)
            image->releasePicture();
    });
}

void TPageScope::leave()
{
    // An undo may register nothing new; take the list first all the same.
    std::vector<std::function<void()>> undos = std::exchange(m_undos, {});
    for (auto it = undos.rbegin(); it != undos.rend(); ++it)
        (*it)();
}
