// The course zoom: how large the course is drawn. A teacher sets it in the
// progress file ([OPTIONS] Zoom), a run on the command line (--zoom), and the
// learner with Ctrl+Plus and Ctrl+Minus on any page, which is remembered.

#include "shell/frm_main.h"

#include "platform/classic_window.h"
#include "platform/error_report.h"
#include "platform/image_widget.h"
#include "platform/ini_file.h"
#include "platform/safe_format.h"
#include "platform/screen_zoom.h"

#include <QApplication>
#include <QKeyEvent>
#include <QPointer>
#include <QScreen>
#include <QTextDocument>

#include <vector>

namespace {

// Ctrl with Plus (also Ctrl+= where Plus is its shifted key, and the keypad's
// Plus) or Minus: +1, -1; any other key 0.
int zoomDirection(const QKeyEvent *key)
{
    if (!(key->modifiers() & Qt::ControlModifier) || (key->modifiers() & Qt::AltModifier))
        return 0;
    switch (key->key()) {
    case Qt::Key_Plus:
    case Qt::Key_Equal:
        return 1;
    case Qt::Key_Minus:
    case Qt::Key_Underscore:
        return -1;
    default:
        return 0;
    }
}

// Ctrl+Plus and Ctrl+Minus wherever the keyboard is: in the simulated
// desktop, the panel, a dialog of the course. Neither is a key of the period
// desktop, so nothing the lessons teach is taken away.
class ZoomKeys : public QObject {
public:
    explicit ZoomKeys(TfrmMain *main) : QObject(main), m_main(main) { qApp->installEventFilter(this); }
    ~ZoomKeys() override
    {
        if (QCoreApplication *app = QCoreApplication::instance())
            app->removeEventFilter(this);
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        const QEvent::Type type = event->type();
        if ((type != QEvent::KeyPress && type != QEvent::ShortcutOverride) || !watched->isWidgetType())
            return false;
        const int direction = zoomDirection(static_cast<QKeyEvent *>(event));
        if (direction == 0)
            return false;
        // Taken before a text or a shortcut sees it; changed on the press.
        if (type == QEvent::ShortcutOverride) {
            event->accept();
            return true;
        }
        m_main->changeZoom(direction);
        return true;
    }

private:
    TfrmMain *m_main;
};

}  // namespace

void TfrmMain::createZoomKeys()
{
    new ZoomKeys(this);
}

ZoomSetting TfrmMain::zoomSetting() const
{
    if (m_zoomForRun)
        return *m_zoomForRun;
    // A value that is no zoom counts as not set: the course's own size.
    if (const std::optional<QByteArray> raw = FUserFile->value("OPTIONS", "Zoom"))
        return parseZoom(*raw).value_or(ZoomSetting{});
    return {};
}

QString TfrmMain::startZoom(QScreen *screen)
{
    const ZoomSetting wanted = zoomSetting();
    const QSize atZoom1 = screenAtZoom1(screen);
    const double zoom = wanted.fit ? fitZoom(atZoom1) : usableZoom(wanted.value, atZoom1);
    setCourseZoom(zoom);
    if (wanted.fit || zoom >= wanted.value)
        return QString();
    // Refused: the screen would leave the course less than its layout needs.
    return formatOrVerbatim(
        langText("LABELS", "ZoomTooLarge", "!!!"),
        {zoomText(wanted.value),
         QStringLiteral("%1 x %2").arg(int(atZoom1.width() / wanted.value)).arg(int(atZoom1.height() / wanted.value)),
         zoomText(zoom)});
}

void TfrmMain::changeZoom(int direction)
{
    const double now = courseZoom();
    const double next = steppedZoom(now, direction, screenAtZoom1(screen()));
    if (next == now) {
        // As large as the screen holds, or the course's own size.
        QApplication::beep();
        return;
    }
    applyZoom(next);
    // Remembered for the next run (unless the file could not be read, which
    // is never written over).
    if (FUserFileUnread)
        return;
    try {
        FUserFile->writeString("OPTIONS", "Zoom", zoomText(next).toLatin1());
    } catch (const IniWriteError &e) {
        reportError(QString::fromStdString(e.what()));
    }
}

void TfrmMain::applyZoom(double zoom)
{
    // The simulated windows that show (the word processor, a dialog of the
    // course), each with the area it stands in.
    struct Placed {
        QPointer<TClassicWindow> window;
        QRect area;
    };
    std::vector<Placed> placed;
    const QList<TClassicWindow *> windows = findChildren<TClassicWindow *>();
    for (TClassicWindow *w : windows) {
        if (w->isVisible() && !w->isWindow() && w->parentWidget())
            placed.push_back({w, w->workArea()});
    }

    setCourseZoom(zoom);
    // The instructions are laid out again with the fonts of the new scale;
    // the panel keeps its place in the page.
    for (const InfoDocument &kept : std::as_const(m_infoDocuments)) {
        if (kept.document)
            kept.document->markContentsDirty(0, kept.document->characterCount());
    }
    // The window keeps the whole screen, which is now smaller in the course's
    // pixels: the panels are laid out anew (also where the size stayed).
    layoutCourse();
    // An open Start menu is drawn anew for the scale.
    if (TImage *menu = liveStartMenu(); menu && menu->isVisible())
        redrawStartMenu(menu);
    // Parents first: a dialog's place may depend on the window under it.
    for (const Placed &p : placed) {
        if (p.window)
            p.window->keepPlace(p.area);
    }
}
