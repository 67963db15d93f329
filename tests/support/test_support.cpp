#include "support/test_support.h"

#include "platform/classic_window.h"

#include <QApplication>
#include <QEvent>
#include <QTimer>
#include <QMenu>
#include <QMouseEvent>
#include <QPushButton>
#include <QTest>
#include <QWidget>

#include <gtest/gtest.h>

ModalAnswerer::ModalAnswerer(std::function<void(QWidget *)> answer) : m_answer(std::move(answer))
{
    qApp->installEventFilter(this);
}

ModalAnswerer::~ModalAnswerer()
{
    qApp->removeEventFilter(this);
}

bool ModalAnswerer::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::Show) {
        // A modal window, or a course dialog drawn inside the course window.
        auto *w = qobject_cast<QWidget *>(watched);
        if (w && w->isModal() && (w->isWindow() || qobject_cast<TClassicDialog *>(w))) {
            m_titles.append(w->windowTitle());
            QTimer::singleShot(0, w, [this, w] { m_answer(w); });
        }
    }
    return false;
}

PopupDriver::PopupDriver(QList<std::function<void(QMenu *)>> steps) : m_steps(std::move(steps))
{
    qApp->installEventFilter(this);
}

PopupDriver::~PopupDriver()
{
    qApp->removeEventFilter(this);
}

bool PopupDriver::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::Show) {
        if (auto *menu = qobject_cast<QMenu *>(watched)) {
            const qsizetype n = m_shown.size();
            m_shown.append(menu);
            std::function<void(QMenu *)> step =
                n < m_steps.size() ? m_steps[n] : [](QMenu *m) { m->close(); };
            QTimer::singleShot(0, menu, [menu, step] { step(menu); });
        }
    }
    return false;
}

void PopupDriver::clickItem(QMenu *menu, const QAction *item)
{
    if (item && menu->actions().contains(item)) {
        QTest::mouseClick(menu, Qt::LeftButton, {}, menu->actionGeometry(const_cast<QAction *>(item)).center());
        return;
    }
    ADD_FAILURE() << "the item is not in the menu " << menu->objectName().toStdString();
    menu->close();
}

void PopupDriver::clickItem(QMenu *menu, int index)
{
    const QList<QAction *> items = menu->actions();
    clickItem(menu, index >= 0 && index < items.size() ? items[index] : nullptr);
}

TempConfigHome::TempConfigHome() : m_previous(qgetenv("XDG_CONFIG_HOME"))
{
    qputenv("XDG_CONFIG_HOME", m_dir.path().toLocal8Bit());
}

TempConfigHome::~TempConfigHome()
{
    qputenv("XDG_CONFIG_HOME", m_previous);
}

QString TempConfigHome::progressFile() const
{
    return m_dir.path() + QStringLiteral("/QL2Dusr.qlu");
}

QPushButton *button(QWidget *w, const char *name)
{
    return w->findChild<QPushButton *>(QString::fromLatin1(name));
}

void moveOver(QWidget *widget, int x, int y)
{
    QMouseEvent move(QEvent::MouseMove, QPointF(x, y), widget->mapToGlobal(QPointF(x, y)),
                     Qt::NoButton, Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(widget, &move);
}

void clickCloseBox(TClassicDialog *dialog)
{
    TClassicWindow *frame = dialog->frame();
    QTest::mouseClick(frame, Qt::LeftButton, {}, frame->buttonRect(Ht::HTCLOSE).center());
}
