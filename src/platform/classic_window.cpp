#include "platform/classic_window.h"

#include "platform/desktop_words.h"

#include "platform/accessibility.h"
#include "platform/panel.h"
#include "platform/period_look.h"

#include <QAction>
#include <QApplication>
#include <QKeyEvent>
#include <QLinearGradient>
#include <QMenu>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>

#include <algorithm>
#include <utility>

namespace {

constexpr int kCornerReach = 16;  // how far along an edge a corner grabs
constexpr int kHtBorder = 18;     // a border that does not size
constexpr QRgb kActiveLeft = 0xFF000080;
constexpr QRgb kActiveRight = 0xFF1084D0;
constexpr QRgb kInactiveLeft = 0xFF808080;
constexpr QRgb kInactiveRight = 0xFFC0C0C0;

void drawEdge(QPainter &p, QRect r, QColor topLeft, QColor bottomRight)
{
    drawPixelLine(p, r.left(), r.top(), r.right() - 1, r.top(), topLeft);
    drawPixelLine(p, r.left(), r.top(), r.left(), r.bottom() - 1, topLeft);
    drawPixelLine(p, r.left(), r.bottom(), r.right(), r.bottom(), bottomRight);
    drawPixelLine(p, r.right(), r.top(), r.right(), r.bottom(), bottomRight);
}

// The raised 3D edge of the classic windows and buttons: light grey and
// white on the top left, dark grey and black on the bottom right.
void drawRaised(QPainter &p, QRect r, bool sunken = false)
{
    using namespace PeriodColor;
    if (sunken) {
        drawEdge(p, r, QColor(DarkShadow), QColor(ButtonHighlight));
        drawEdge(p, r.adjusted(1, 1, -1, -1), QColor(ButtonShadow), QColor(ButtonLight));
    } else {
        drawEdge(p, r, QColor(ButtonLight), QColor(DarkShadow));
        drawEdge(p, r.adjusted(1, 1, -1, -1), QColor(ButtonHighlight), QColor(ButtonShadow));
    }
}

// The glyphs of the caption buttons, 1 pixel wide lines in an 8 x 7 box.
void drawGlyph(QPainter &p, int hit, bool maximized, QPoint o)
{
    p.setPen(Qt::black);
    switch (hit) {
    case Ht::HTCLOSE:
        for (int i = 0; i < 7; ++i) {
            p.drawLine(o.x() + i, o.y() + i, o.x() + i + 1, o.y() + i);
            p.drawLine(o.x() + 6 - i, o.y() + i, o.x() + 7 - i, o.y() + i);
        }
        break;
    case Ht::HTMINBUTTON:
        p.fillRect(QRect(o.x() + 1, o.y() + 5, 6, 2), Qt::black);
        break;
    case Ht::HTMAXBUTTON:
        if (maximized) {
            p.drawRect(QRect(o.x() + 2, o.y() - 1, 6, 5));
            p.drawLine(o.x() + 2, o.y(), o.x() + 8, o.y());
            p.fillRect(QRect(o.x(), o.y() + 2, 7, 6), QColor(PeriodColor::ButtonFace));
            p.drawRect(QRect(o.x(), o.y() + 2, 6, 5));
            p.drawLine(o.x(), o.y() + 3, o.x() + 6, o.y() + 3);
        } else {
            p.drawRect(QRect(o.x(), o.y() - 1, 8, 7));
            p.drawLine(o.x(), o.y(), o.x() + 8, o.y());
        }
        break;
    case Ht::HTHELP: {
        QFont f = periodFont(QStringLiteral("Tahoma"), 11, true);
        p.setFont(f);
        p.drawText(QRect(o.x() - 2, o.y() - 3, 12, 12), Qt::AlignCenter, QStringLiteral("?"));
        break;
    }
    default:
        break;
    }
}

}  // namespace

qintptr pointParam(QPoint p)
{
    return qintptr((quint32(quint16(qint16(p.y()))) << 16) | quint16(qint16(p.x())));
}

QPoint paramPoint(qintptr lParam)
{
    return QPoint(qint16(quint16(lParam & 0xFFFF)), qint16(quint16((lParam >> 16) & 0xFFFF)));
}

TWindowHook::TWindowHook(QObject *parent) : QObject(parent)
{
    setObjectName(QStringLiteral("whHook"));
}

TClassicWindow::TClassicWindow(Kind kind, QWidget *parent) : QWidget(parent), m_kind(kind)
{
    whHook = new TWindowHook(this);
    setMouseTracking(true);
    setAutoFillBackground(true);
    setMinimumSize(112, 27);
    m_client = new QWidget(this);
    m_client->setObjectName(QStringLiteral("client"));
    m_client->setGeometry(clientRect());
    m_workArea = [this] { return parentWidget() ? parentWidget()->rect() : QRect(); };
    qApp->installEventFilter(this);
    m_focusWatch = connect(qApp, &QApplication::focusChanged, this, [this] { update(captionRect()); });
    describeFrame();
}

namespace {
CaptionButtonNames &buttonNames()
{
    static CaptionButtonNames names{QStringLiteral("Minimize"), QStringLiteral("Maximize"),
                                    QStringLiteral("Restore"), QStringLiteral("Close"),
                                    QStringLiteral("Help")};
    return names;
}
}  // namespace

void TClassicWindow::setCaptionButtonNames(const CaptionButtonNames &names)
{
    buttonNames() = names;
}

CaptionButtonNames TClassicWindow::captionButtonNames()
{
    return buttonNames();
}

void TClassicWindow::describeFrame()
{
    // A screen reader sees the window by its caption, and the caption
    // buttons, which the frame draws, as buttons that press as a click does:
    // the hook sees the hit test and the command first.
    TAccessibleDescription &d = describeAccessible(this);
    // It always lives inside the course's own window: a named pane of it,
    // not a window of its own (a screen reader ignores the focus in a window
    // that never becomes active).
    d.role = m_kind == Kind::Sizeable ? QAccessible::Pane : QAccessible::Client;
    d.name = [this] { return caption(); };
    const auto button = [this, &d](int code, std::function<QString()> name) {
        d.parts.push_back({QAccessible::PushButton, std::move(name), [this, code] { return buttonRect(code); },
                           [this, code] {
                               const QRect r = buttonRect(code);
                               if (r.isEmpty() || hitAt(r.center()) != code)
                                   return;
                               sendMessage(Msg::WM_SYSCOMMAND, buttonCommand(code),
                                           pointParam(mapToGlobal(r.center())));
                           },
                           {}});
    };
    if (m_kind == Kind::Sizeable) {
        button(Ht::HTMINBUTTON, [] { return buttonNames().minimize; });
        button(Ht::HTMAXBUTTON, [this] {
            return m_state == State::Maximized ? buttonNames().restore : buttonNames().maximize;
        });
    } else {
        button(Ht::HTHELP, [] { return buttonNames().help; });
    }
    button(Ht::HTCLOSE, [] { return buttonNames().close; });
}

unsigned TClassicWindow::buttonCommand(int hitCode) const
{
    switch (hitCode) {
    case Ht::HTMINBUTTON:
        return Sc::SC_MINIMIZE;
    case Ht::HTMAXBUTTON:
        return m_state == State::Maximized ? Sc::SC_RESTORE : Sc::SC_MAXIMIZE;
    case Ht::HTCLOSE:
        return Sc::SC_CLOSE;
    case Ht::HTHELP:
        return Sc::SC_CONTEXTHELP;
    }
    return 0;
}

TClassicWindow::~TClassicWindow()
{
    disconnect(m_focusWatch);
    if (QCoreApplication *app = QCoreApplication::instance())
        app->removeEventFilter(this);
}

void TClassicWindow::setCaption(const QString &caption)
{
    setWindowTitle(caption);
    update(captionRect());
    describeAccessible(this).nameChanged();
}

void TClassicWindow::setIcon(const QPixmap &icon16)
{
    m_icon = icon16;
    update(captionRect());
}

void TClassicWindow::setHelpButtonVisible(bool visible)
{
    m_helpButton = visible;
    update(captionRect());
}

void TClassicWindow::setMenuBar(QMenuBar *menuBar)
{
    m_menuBar = menuBar;
    menuBar->installEventFilter(this);
}

void TClassicWindow::setWorkArea(std::function<QRect()> area)
{
    m_workArea = std::move(area);
}

int TClassicWindow::borderWidth() const
{
    return m_kind == Kind::Sizeable ? 4 : 3;
}

QRect TClassicWindow::captionRect() const
{
    const int b = borderWidth();
    return QRect(b, b, width() - 2 * b, CaptionHeight);
}

QRect TClassicWindow::clientRect() const
{
    const int b = borderWidth();
    return QRect(b, b + CaptionHeight + 1, width() - 2 * b, height() - 2 * b - CaptionHeight - 1);
}

QRect TClassicWindow::buttonRect(int hitCode) const
{
    const int b = borderWidth();
    const QRect close(width() - b - 2 - 16, b + 2, 16, 14);
    if (hitCode == Ht::HTCLOSE)
        return close;
    if (m_kind == Kind::Dialog)
        return hitCode == Ht::HTHELP && m_helpButton ? close.translated(-18, 0) : QRect();
    const QRect max = close.translated(-18, 0);
    if (hitCode == Ht::HTMAXBUTTON)
        return max;
    if (hitCode == Ht::HTMINBUTTON)
        return max.translated(-16, 0);
    return {};
}

int TClassicWindow::defaultHitTest(QPoint pos) const
{
    if (!rect().contains(pos))
        return Ht::HTNOWHERE;
    const int b = borderWidth();
    const int w = width(), h = height();
    const bool left = pos.x() < b, right = pos.x() >= w - b;
    const bool top = pos.y() < b, bottom = pos.y() >= h - b;
    if (left || right || top || bottom) {
        if (m_kind != Kind::Sizeable || m_state == State::Maximized)
            return kHtBorder;
        const bool nearLeft = pos.x() < kCornerReach, nearRight = pos.x() >= w - kCornerReach;
        const bool nearTop = pos.y() < kCornerReach, nearBottom = pos.y() >= h - kCornerReach;
        if (top)
            return nearLeft ? Ht::HTTOPLEFT : nearRight ? Ht::HTTOPRIGHT : Ht::HTTOP;
        if (bottom)
            return nearLeft ? Ht::HTBOTTOMLEFT : nearRight ? Ht::HTBOTTOMRIGHT : Ht::HTBOTTOM;
        if (left)
            return nearTop ? Ht::HTTOPLEFT : nearBottom ? Ht::HTBOTTOMLEFT : Ht::HTLEFT;
        return nearTop ? Ht::HTTOPRIGHT : nearBottom ? Ht::HTBOTTOMRIGHT : Ht::HTRIGHT;
    }
    if (captionRect().contains(pos)) {
        for (int code : {Ht::HTCLOSE, Ht::HTMAXBUTTON, Ht::HTMINBUTTON, Ht::HTHELP}) {
            if (buttonRect(code).contains(pos))
                return code;
        }
        // A sizeable window has its window menu behind the icon at the left.
        if (m_kind == Kind::Sizeable && QRect(b + 2, b + 1, 16, 16).contains(pos))
            return Ht::HTSYSMENU;
        return Ht::HTCAPTION;
    }
    if (m_menuBar && m_menuBar->isVisible()
        && QRect(m_menuBar->mapTo(this, QPoint(0, 0)), m_menuBar->size()).contains(pos))
        return Ht::HTMENU;
    if (clientRect().contains(pos))
        return Ht::HTCLIENT;
    return kHtBorder;
}

qintptr TClassicWindow::sendMessage(unsigned msg, quintptr wParam, qintptr lParam, bool *handled)
{
    TMessage m{msg, wParam, lParam, 0};
    bool swallowed = false;
    whHook->OnBeforeMessage(this, m, swallowed);
    if (!swallowed)
        defaultProcessing(m);
    if (handled)
        *handled = swallowed;
    return m.Result;
}

int TClassicWindow::hitAt(QPoint pos)
{
    return int(sendMessage(Msg::WM_NCHITTEST, 0, pointParam(pos)));
}

void TClassicWindow::defaultProcessing(TMessage &m)
{
    switch (m.Msg) {
    case Msg::WM_NCHITTEST:
        m.Result = defaultHitTest(paramPoint(m.LParam));
        break;
    case Msg::WM_SYSCOMMAND:
        systemCommand(unsigned(m.WParam), m.LParam);
        break;
    default:
        break;
    }
}

void TClassicWindow::systemCommand(unsigned command, qintptr lParam)
{
    const bool sizeable = m_kind == Kind::Sizeable;
    switch (command & 0xFFF0) {
    case Sc::SC_MOVE:
        if (m_state == State::Normal && (command & 0xF) == unsigned(Ht::HTCAPTION))
            beginDrag(Ht::HTCAPTION, paramPoint(lParam));
        break;
    case Sc::SC_SIZE:
        if (sizeable && m_state == State::Normal && (command & 0xF) >= 1 && (command & 0xF) <= 8)
            beginDrag(int(command & 0xF) + 9, paramPoint(lParam));
        break;
    case Sc::SC_MINIMIZE:
        if (sizeable) {
            m_state = State::Minimized;
            hide();
        }
        break;
    case Sc::SC_MAXIMIZE:
        if (sizeable && m_state != State::Maximized)
            maximize();
        break;
    case Sc::SC_RESTORE:
        setStateNormal();
        show();
        break;
    case Sc::SC_CLOSE:
        closeWindow();
        break;
    case Sc::SC_MOUSEMENU:
        // A click on the menu bar opens its menu by itself; the icon opens
        // the window menu.
        if ((command & 0xF) == unsigned(Ht::HTSYSMENU))
            showSystemMenu();
        break;
    case Sc::SC_KEYMENU:
        keyMenu(int(lParam));
        break;
    default:
        break;
    }
}

void TClassicWindow::closeWindow()
{
    if (auto *dialog = qobject_cast<QDialog *>(moveTarget()))
        dialog->reject();
    else
        hide();
}

QWidget *TClassicWindow::moveTarget() const
{
    QWidget *p = parentWidget();
    return qobject_cast<TClassicDialog *>(p) ? p : const_cast<TClassicWindow *>(this);
}

void TClassicWindow::setStateNormal()
{
    if (m_state == State::Maximized && m_normalGeometry.isValid())
        setGeometry(m_normalGeometry);
    m_state = State::Normal;
    update();
}

void TClassicWindow::maximize()
{
    m_normalGeometry = geometry();
    QRect r = m_workArea().adjusted(-2, -2, 2, 2);
    r.setSize(r.size().boundedTo(maximumSize()));
    m_state = State::Maximized;
    setGeometry(r);
    update();
}

QRect TClassicWindow::workArea() const
{
    return m_workArea();
}

void TClassicWindow::keepPlace(const QRect &oldArea)
{
    if (isWindow() || !parentWidget() || oldArea.isEmpty())
        return;
    if (m_state == State::Maximized) {
        const QRect normal = m_normalGeometry;
        maximize();
        m_normalGeometry = normal;
        return;
    }
    // The same size (as large as the area allows), its centre where it was
    // in proportion to the area, and all of it inside.
    const QRect area = m_workArea();
    const QSize size = geometry().size().boundedTo(area.size());
    const QPoint centre = geometry().center() - oldArea.topLeft();
    QRect r(QPoint(0, 0), size);
    r.moveCenter(area.topLeft()
                 + QPoint(centre.x() * area.width() / oldArea.width(), centre.y() * area.height() / oldArea.height()));
    r.moveLeft(std::clamp(r.left(), area.left(), area.right() + 1 - size.width()));
    r.moveTop(std::clamp(r.top(), area.top(), area.bottom() + 1 - size.height()));
    setGeometry(r);
}

void TClassicWindow::keyMenu(int key)
{
    if (key == ' ') {
        showSystemMenu();
        return;
    }
    if (!m_menuBar)
        return;
    const QList<QAction *> actions = m_menuBar->actions();
    // A menu is opened by its underlined letter, or its first one when none is.
    for (QAction *a : actions) {
        const QChar marked = accessLetter(a->text());
        const QString title = withoutAccessMarks(a->text());
        const QChar letter = !marked.isNull() ? marked : title.isEmpty() ? QChar() : title.at(0);
        if (key == 0 || (!letter.isNull() && letter.toLower().unicode() == key)) {
            m_menuBar->setActiveAction(a);
            return;
        }
    }
}

void TClassicWindow::showSystemMenu()
{
    QMenu menu(this);
    menu.setObjectName(QStringLiteral("systemMenu"));
    const bool sizeable = m_kind == Kind::Sizeable;
    const struct {
        const char *word;  // a desktop word
        unsigned command;
        bool enabled;
    } items[] = {
        {"SysRestore", Sc::SC_RESTORE, sizeable && m_state != State::Normal},
        {"SysMove", Sc::SC_MOVE, m_state == State::Normal},
        {"SysSize", Sc::SC_SIZE, sizeable && m_state == State::Normal},
        {"SysMinimize", Sc::SC_MINIMIZE, sizeable},
        {"SysMaximize", Sc::SC_MAXIMIZE, sizeable && m_state != State::Maximized},
        {nullptr, 0, false},
        {"SysClose", Sc::SC_CLOSE, true},
    };
    for (const auto &item : items) {
        if (!item.word) {
            menu.addSeparator();
            continue;
        }
        QString text = desktopWord(item.word);
        if (item.command == Sc::SC_CLOSE)
            text += QLatin1Char('\t') + desktopWord("KeyAlt") + QStringLiteral("+F4");
        QAction *a = menu.addAction(text);
        a->setEnabled(item.enabled);
        const unsigned command = item.command;
        connect(a, &QAction::triggered, this,
                [this, command] { sendMessage(Msg::WM_SYSCOMMAND, command, 0); });
    }
    const int b = borderWidth();
    menu.exec(mapToGlobal(QPoint(b, b + CaptionHeight)));
}

void TClassicWindow::beginDrag(int hitCode, QPoint globalPos)
{
    m_dragHit = hitCode;
    m_dragStart = globalPos;
    m_dragGeometry = moveTarget()->geometry();
}

bool TClassicWindow::isActiveFrame() const
{
    if (auto *dialog = qobject_cast<TClassicDialog *>(moveTarget()))
        return dialog->isActiveWindow() && (!dialog->isInCourse() || frontDialog() == dialog);
    const QWidget *focus = QApplication::focusWidget();
    return focus && (focus == this || isAncestorOf(focus));
}

void TClassicWindow::paintEvent(QPaintEvent *)
{
    using namespace PeriodColor;
    QPainter p(this);
    const QRect outer = rect();
    p.fillRect(outer, QColor(ButtonFace));
    drawRaised(p, outer);

    const QRect cap = captionRect();
    const bool active = isActiveFrame();
    QLinearGradient g(cap.topLeft(), cap.topRight());
    g.setColorAt(0, QColor(active ? kActiveLeft : kInactiveLeft));
    g.setColorAt(1, QColor(active ? kActiveRight : kInactiveRight));
    p.fillRect(cap, g);

    int textLeft = cap.left() + 3;
    if (m_kind == Kind::Sizeable) {
        p.drawPixmap(QRect(cap.left() + 2, cap.top() + 1, 16, 16), m_icon);
        textLeft = cap.left() + 21;
    }
    int textRight = cap.right() - 3;
    for (int code : {Ht::HTMINBUTTON, Ht::HTHELP, Ht::HTMAXBUTTON, Ht::HTCLOSE}) {
        const QRect r = buttonRect(code);
        if (r.isNull())
            continue;
        textRight = std::min(textRight, r.left() - 3);
        const bool down = m_pressedButton == code && m_buttonDown;
        p.fillRect(r, QColor(ButtonFace));
        drawRaised(p, r, down);
        drawGlyph(p, code, m_state == State::Maximized,
                  QPoint(r.left() + 4, r.top() + 3) + (down ? QPoint(1, 1) : QPoint()));
    }
    p.setFont(periodFont(QStringLiteral("Tahoma"), 11, true));
    p.setPen(active ? QColor(Qt::white) : QColor(ButtonFace));
    const QRect textRect(textLeft, cap.top(), std::max(0, textRight - textLeft), cap.height());
    p.drawText(textRect, Qt::AlignLeft | Qt::AlignVCenter,
               p.fontMetrics().elidedText(windowTitle(), Qt::ElideRight, textRect.width()));
}

void TClassicWindow::resizeEvent(QResizeEvent *)
{
    m_client->setGeometry(clientRect());
}

void TClassicWindow::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    if (m_state == State::Minimized)
        m_state = State::Normal;
    OnShow();
}

void TClassicWindow::mousePressEvent(QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton)
        return;
    raise();
    if (QWidget *f = m_client->focusWidget())
        f->setFocus(Qt::MouseFocusReason);
    const QPoint global = event->globalPosition().toPoint();
    const int hit = hitAt(event->position().toPoint());
    switch (hit) {
    case Ht::HTCAPTION:
        sendMessage(Msg::WM_SYSCOMMAND, Sc::SC_MOVE + Ht::HTCAPTION, pointParam(global));
        break;
    case Ht::HTLEFT:
    case Ht::HTRIGHT:
    case Ht::HTTOP:
    case Ht::HTTOPLEFT:
    case Ht::HTTOPRIGHT:
    case Ht::HTBOTTOM:
    case Ht::HTBOTTOMLEFT:
    case Ht::HTBOTTOMRIGHT:
        sendMessage(Msg::WM_SYSCOMMAND, Sc::SC_SIZE + unsigned(hit - 9), pointParam(global));
        break;
    case Ht::HTMINBUTTON:
    case Ht::HTMAXBUTTON:
    case Ht::HTCLOSE:
    case Ht::HTHELP:
        m_pressedButton = hit;
        m_buttonDown = true;
        update(buttonRect(hit));
        break;
    case Ht::HTSYSMENU:
        sendMessage(Msg::WM_SYSCOMMAND, Sc::SC_MOUSEMENU + Ht::HTSYSMENU, pointParam(global));
        break;
    default:
        break;  // nowhere (or swallowed): this place does not react
    }
}

void TClassicWindow::mouseMoveEvent(QMouseEvent *event)
{
    const QPoint pos = event->position().toPoint();
    if (m_dragHit != Ht::HTNOWHERE && (event->buttons() & Qt::LeftButton)) {
        const QPoint d = event->globalPosition().toPoint() - m_dragStart;
        QRect g = m_dragGeometry;
        if (m_dragHit == Ht::HTCAPTION) {
            QWidget *target = moveTarget();
            if (auto *dialog = qobject_cast<TClassicDialog *>(target))
                dialog->move(dialog->keptInside(g.topLeft() + d));
            else
                target->move(g.topLeft() + d);
            return;
        }
        const QSize minS = minimumSize(), maxS = maximumSize();
        if (m_dragHit == Ht::HTLEFT || m_dragHit == Ht::HTTOPLEFT || m_dragHit == Ht::HTBOTTOMLEFT)
            g.setLeft(std::clamp(g.left() + d.x(), g.right() + 1 - maxS.width(), g.right() + 1 - minS.width()));
        if (m_dragHit == Ht::HTRIGHT || m_dragHit == Ht::HTTOPRIGHT || m_dragHit == Ht::HTBOTTOMRIGHT)
            g.setWidth(std::clamp(g.width() + d.x(), minS.width(), maxS.width()));
        if (m_dragHit == Ht::HTTOP || m_dragHit == Ht::HTTOPLEFT || m_dragHit == Ht::HTTOPRIGHT)
            g.setTop(std::clamp(g.top() + d.y(), g.bottom() + 1 - maxS.height(), g.bottom() + 1 - minS.height()));
        if (m_dragHit == Ht::HTBOTTOM || m_dragHit == Ht::HTBOTTOMLEFT || m_dragHit == Ht::HTBOTTOMRIGHT)
            g.setHeight(std::clamp(g.height() + d.y(), minS.height(), maxS.height()));
        setGeometry(g);
        return;
    }
    if (m_pressedButton != Ht::HTNOWHERE) {
        const bool down = buttonRect(m_pressedButton).contains(pos);
        if (down != m_buttonDown) {
            m_buttonDown = down;
            update(buttonRect(m_pressedButton));
        }
        return;
    }
    if (event->buttons() == Qt::NoButton) {
        switch (hitAt(pos)) {
        case Ht::HTLEFT:
        case Ht::HTRIGHT:
            setCursor(Qt::SizeHorCursor);
            break;
        case Ht::HTTOP:
        case Ht::HTBOTTOM:
            setCursor(Qt::SizeVerCursor);
            break;
        case Ht::HTTOPLEFT:
        case Ht::HTBOTTOMRIGHT:
            setCursor(Qt::SizeFDiagCursor);
            break;
        case Ht::HTTOPRIGHT:
        case Ht::HTBOTTOMLEFT:
            setCursor(Qt::SizeBDiagCursor);
            break;
        default:
            setCursor(Qt::ArrowCursor);
            break;
        }
    }
}

void TClassicWindow::mouseReleaseEvent(QMouseEvent *event)
{
    m_dragHit = Ht::HTNOWHERE;
    if (m_pressedButton == Ht::HTNOWHERE)
        return;
    const int pressed = m_pressedButton;
    const bool over = m_buttonDown;
    m_pressedButton = Ht::HTNOWHERE;
    m_buttonDown = false;
    update(buttonRect(pressed));
    if (!over || hitAt(event->position().toPoint()) != pressed)
        return;
    sendMessage(Msg::WM_SYSCOMMAND, buttonCommand(pressed), pointParam(event->globalPosition().toPoint()));
}

void TClassicWindow::mouseDoubleClickEvent(QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton)
        return;
    const QPoint global = event->globalPosition().toPoint();
    const int hit = hitAt(event->position().toPoint());
    if (hit == Ht::HTCAPTION && m_kind == Kind::Sizeable) {
        m_dragHit = Ht::HTNOWHERE;
        sendMessage(Msg::WM_SYSCOMMAND,
                    m_state == State::Maximized ? Sc::SC_RESTORE : Sc::SC_MAXIMIZE,
                    pointParam(global));
    } else if (hit == Ht::HTSYSMENU) {
        sendMessage(Msg::WM_SYSCOMMAND, Sc::SC_CLOSE, pointParam(global));
    } else {
        mousePressEvent(event);
    }
}

bool TClassicWindow::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_menuBar && event->type() == QEvent::MouseButtonPress) {
        // A click on the menu bar is a non-client click: it may be swallowed.
        const auto *me = static_cast<QMouseEvent *>(event);
        const QPoint pos = m_menuBar->mapTo(this, me->position().toPoint());
        if (hitAt(pos) != Ht::HTMENU)
            return true;
        bool handled = false;
        sendMessage(Msg::WM_SYSCOMMAND, Sc::SC_MOUSEMENU + Ht::HTMENU,
                    pointParam(me->globalPosition().toPoint()), &handled);
        return handled;
    }
    if (event->type() == QEvent::KeyPress || event->type() == QEvent::KeyRelease) {
        auto *w = qobject_cast<QWidget *>(watched);
        if (w && isVisible() && (w == this || isAncestorOf(w) || w == moveTarget()))
            return handleWindowKey(static_cast<QKeyEvent *>(event));
    }
    return QWidget::eventFilter(watched, event);
}

bool TClassicWindow::handleWindowKey(QKeyEvent *event)
{
    const Qt::KeyboardModifiers mods = event->modifiers() & ~Qt::KeypadModifier;
    if (event->type() == QEvent::KeyRelease) {
        if (event->key() == Qt::Key_Alt && m_altAlone && !event->isAutoRepeat()) {
            m_altAlone = false;
            sendMessage(Msg::WM_SYSCOMMAND, Sc::SC_KEYMENU, 0);
        }
        return false;
    }
    if (event->key() == Qt::Key_Alt) {
        m_altAlone = true;
        return false;
    }
    m_altAlone = false;
    if (mods == Qt::AltModifier && event->key() == Qt::Key_F4) {
        sendMessage(Msg::WM_SYSCOMMAND, Sc::SC_CLOSE, 0);
        return true;
    }
    if (mods == Qt::AltModifier && event->key() == Qt::Key_Space) {
        sendMessage(Msg::WM_SYSCOMMAND, Sc::SC_KEYMENU, ' ');
        return true;
    }
    if (mods == Qt::NoModifier && event->key() == Qt::Key_F10) {
        sendMessage(Msg::WM_SYSCOMMAND, Sc::SC_KEYMENU, 0);
        return true;
    }
    // Alt and a letter of any script ("Alt+Ф" on a Russian keyboard): the
    // message carries the small letter.
    if (mods == Qt::AltModifier && event->key() < 0x10000 && QChar(event->key()).isLetter()) {
        sendMessage(Msg::WM_SYSCOMMAND, Sc::SC_KEYMENU, QChar(event->key()).toLower().unicode());
        return true;
    }
    return false;
}

namespace {

QPointer<QWidget> &courseWindowRef()
{
    static QPointer<QWidget> window;
    return window;
}

// The course dialogs that show, in the order they appeared: the last is in
// front.
QList<QPointer<TClassicDialog>> &shownDialogs()
{
    static QList<QPointer<TClassicDialog>> dialogs;
    return dialogs;
}

TClassicDialog *frontCourseDialog()
{
    const QList<QPointer<TClassicDialog>> &dialogs = shownDialogs();
    for (auto it = dialogs.crbegin(); it != dialogs.crend(); ++it) {
        if (*it && (*it)->isVisible() && (*it)->isInCourse())
            return *it;
    }
    return nullptr;
}

bool isInside(const QWidget *dialog, const QObject *o)
{
    const auto *w = qobject_cast<const QWidget *>(o);
    return w && (w == dialog || dialog->isAncestorOf(w));
}

QPointer<QWidget> &keyboardOutsideDialogsRef()
{
    static QPointer<QWidget> widget;
    return widget;
}

// Where the keyboard was last outside the course dialogs: where it goes back
// when the last of them closes. (The program may give it to a control of a
// dialog about to show, before it shows.)
QWidget *keyboardOutsideDialogs()
{
    return keyboardOutsideDialogsRef();
}

// The keyboard, moved out of the dialog in front by the program, goes back
// into it.
void keepTheKeyboardInFront()
{
    static bool watching = false;
    if (std::exchange(watching, true))
        return;
    QObject::connect(qApp, &QApplication::focusChanged, qApp, [](QWidget *old, QWidget *now) {
        bool inDialog = false;
        for (QWidget *w = now; w && !inDialog; w = w->parentWidget())
            inDialog = qobject_cast<TClassicDialog *>(w) != nullptr;
        if (now && !inDialog)
            keyboardOutsideDialogsRef() = now;
        TClassicDialog *front = frontCourseDialog();
        if (!front || !now || now->window() != front->window() || isInside(front, now))
            return;
        if (old && isInside(front, old) && old->isVisible() && old->isEnabled())
            old->setFocus(Qt::OtherFocusReason);
        else
            front->focusInside();
    });
}

// A shortcut belongs to a widget (a button's mnemonic, a QShortcut's parent)
// or to an action shown in widgets; it works when one of them is in the
// dialog in front or in a window of its own (a popup menu).
bool blockedShortcut(const TClassicDialog *front, QObject *receiver)
{
    const auto allowed = [front](const QObject *o) {
        const auto *w = qobject_cast<const QWidget *>(o);
        return w && (w->window() != front->window() || isInside(front, w));
    };
    if (auto *action = qobject_cast<QAction *>(receiver)) {
        const QList<QObject *> objects = action->associatedObjects();
        return std::none_of(objects.begin(), objects.end(), allowed);
    }
    const QObject *owner = receiver;
    while (owner && !owner->isWidgetType())
        owner = owner->parent();
    return !allowed(owner);
}

}  // namespace

void setCourseWindow(QWidget *window)
{
    courseWindowRef() = window;
    keepTheKeyboardInFront();
}

QWidget *courseWindow()
{
    QWidget *w = courseWindowRef();
    return w && w->isVisible() ? w : nullptr;
}

QWidget *frontDialog()
{
    if (QWidget *modal = QApplication::activeModalWidget())
        return modal;
    return frontCourseDialog();
}

bool frontDialogBlocks(QObject *receiver, QEvent *event)
{
    switch (event->type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
    case QEvent::MouseMove:
    case QEvent::Wheel:
    case QEvent::KeyPress:
    case QEvent::KeyRelease:
    case QEvent::ShortcutOverride:
    case QEvent::Shortcut:
    case QEvent::ContextMenu:
    case QEvent::HoverEnter:
    case QEvent::HoverMove:
    case QEvent::TouchBegin:
    case QEvent::TabletPress:
    case QEvent::DragEnter:
    case QEvent::Drop:
        break;
    default:
        return false;
    }
    const TClassicDialog *front = frontCourseDialog();
    if (!front)
        return false;
    if (event->type() == QEvent::Shortcut)
        return blockedShortcut(front, receiver);
    auto *w = qobject_cast<QWidget *>(receiver);
    if (!w)
        return false;
    if (event->type() == QEvent::ShortcutOverride && isInside(front, w)) {
        // A plain key (Enter, Esc, Space, a letter) is the dialog's
        // control's own, never a shortcut of the page behind; the dialog's
        // mnemonics take Alt.
        const auto *key = static_cast<QKeyEvent *>(event);
        if (!(key->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier))) {
            event->accept();
            return true;
        }
        return false;
    }
    return w->window() == front->window() && !isInside(front, w);
}

TClassicDialog::TClassicDialog(QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint), m_owner(parent)
{
    setModal(true);
    m_frame = new TClassicWindow(TClassicWindow::Kind::Dialog, this);
    // Drawn inside the course window, it is no window of its own, so it is
    // told to be the active one while its frame shows active.
    TAccessibleDescription &d = describeAccessible(this);
    d.role = QAccessible::Dialog;
    d.active = [this] { return m_frame->isActiveFrame(); };
    m_frame->setObjectName(QStringLiteral("frame"));
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_frame);
    // Where the keyboard was in the dialog, to give it back there when the
    // dialog comes in front again.
    connect(qApp, &QApplication::focusChanged, this, [this](QWidget *, QWidget *now) {
        // Only while it is in front: a dialog under another keeps its own.
        if (now && isAncestorOf(now) && (!isInCourse() || frontCourseDialog() == this)) {
            m_lastFocus = now;
            if (isInCourse())
                showDefault(now);
        }
    });
}

TClassicDialog::~TClassicDialog()
{
    shownDialogs().removeAll(this);
}

void TClassicDialog::setClientSize(QSize size)
{
    const int b = m_frame->borderWidth();
    setFixedSize(size.width() + 2 * b, size.height() + 2 * b + TClassicWindow::CaptionHeight + 1);
}

void TClassicDialog::centreOver(const QWidget *window)
{
    m_placement = Placement::OverWindow;
    m_centreOn = window;
    place();
}

void TClassicDialog::centreOnScreen()
{
    m_placement = Placement::OnScreen;
    m_centreOn = nullptr;
    place();
}

void TClassicDialog::place()
{
    QRect over;
    if (isInCourse()) {
        // In the course window's coordinates: the window asked for, or the
        // course window itself for the screen.
        QWidget *host = parentWidget();
        over = host->rect();
        if (m_placement == Placement::OverWindow && m_centreOn && m_centreOn != host)
            over = QRect(host->mapFromGlobal(m_centreOn->mapToGlobal(QPoint(0, 0))), m_centreOn->size());
    } else if (m_placement == Placement::OverWindow && m_centreOn) {
        over = m_centreOn->frameGeometry();
    } else if (const QScreen *screen = QGuiApplication::primaryScreen()) {
        over = screen->geometry();
    }
    if (m_placement == Placement::AsMoved || over.isEmpty())
        return;
    move(over.left() + (over.width() - width()) / 2, over.top() + (over.height() - height()) / 2);
}

QPoint TClassicDialog::keptInside(QPoint topLeft) const
{
    if (!isInCourse())
        return topLeft;
    const QRect area = parentWidget()->rect();
    return QPoint(std::clamp(topLeft.x(), area.left(), std::max(area.left(), area.right() + 1 - width())),
                  std::clamp(topLeft.y(), area.top(), std::max(area.top(), area.bottom() + 1 - height())));
}

void TClassicDialog::enterCourse()
{
    QWidget *host = courseWindow();
    if (!host || host == this || isAncestorOf(host)) {
        if (isInCourse()) {
            // The course window is gone: a window of its own again.
            setParent(m_owner, Qt::Dialog | Qt::FramelessWindowHint);
            place();
        }
        return;
    }
    if (isInCourse() && parentWidget() == host)
        return;
    // Where the program moved it is taken in the course window's
    // coordinates (the main window's, whose dialog it is).
    const QPoint at = pos();
    setParent(host, Qt::Widget);
    move(at);
    place();
}

void TClassicDialog::setVisible(bool visible)
{
    if (visible && isVisible()) {
        QDialog::setVisible(true);
        return;
    }
    if (visible) {
        m_focusBefore = keyboardOutsideDialogs();
        // The control the program gave the keyboard to (or the one that had
        // it when the dialog last showed), as a window keeps it; a new
        // parent would forget it.
        if (QWidget *wanted = focusWidget(); wanted && isAncestorOf(wanted))
            m_lastFocus = wanted;
        enterCourse();
        // Where it was put (QDialog would otherwise centre a window by its own rule).
        setAttribute(Qt::WA_Moved);
        shownDialogs().removeAll(this);
        shownDialogs().append(this);
        QDialog::setVisible(true);
        if (isInCourse()) {
            move(keptInside(pos()));
            raise();
            chooseDefault();
            focusInside();
            showDefault(QApplication::focusWidget());
        }
        return;
    }
    const bool wasInCourse = isInCourse() && isVisible();
    shownDialogs().removeAll(this);
    QDialog::setVisible(false);
    if (!wasInCourse)
        return;
    // The keyboard goes back to the dialog now in front, or to where it was.
    if (TClassicDialog *front = frontCourseDialog())
        front->focusInside();
    else if (m_focusBefore && m_focusBefore->isVisible() && m_focusBefore->isEnabled()
             && !isInside(this, m_focusBefore))
        m_focusBefore->setFocus(Qt::OtherFocusReason);
    else if (QWidget *left = QApplication::focusWidget(); left && isInside(this, left))
        left->clearFocus();  // never on a control that no longer shows
    // The default button as the program left it, for the next show (a
    // button that lost the keyboard has dropped it meanwhile).
    showDefault(nullptr);
}

// A dialog that is a window has Qt keep its default button: the one the
// program chose, or the first that may be one; any such button while it has
// the keyboard. Drawn inside the course window, the dialog keeps it itself.
void TClassicDialog::chooseDefault()
{
    const QList<QPushButton *> buttons = findChildren<QPushButton *>();
    m_mainDefault = nullptr;
    for (QPushButton *b : buttons) {
        if (b->isDefault())
            m_mainDefault = b;
    }
    for (QWidget *w = nextInFocusChain(); !m_mainDefault && w && w != this; w = w->nextInFocusChain()) {
        auto *b = qobject_cast<QPushButton *>(w);
        if (b && isAncestorOf(b) && b->autoDefault() && b->focusPolicy() != Qt::NoFocus)
            m_mainDefault = b;
    }
}

void TClassicDialog::showDefault(QWidget *focus)
{
    auto *onButton = qobject_cast<QPushButton *>(focus);
    QPushButton *target = onButton && isAncestorOf(onButton) && onButton->autoDefault()
                              ? onButton
                              : m_mainDefault.data();
    const QList<QPushButton *> buttons = findChildren<QPushButton *>();
    for (QPushButton *b : buttons) {
        if (b->isDefault() != (b == target))
            b->setDefault(b == target);
    }
}

void TClassicDialog::focusInside()
{
    // As a window does when it becomes active: the control that had the
    // keyboard in it, or else the first one in the tab order.
    QWidget *f = m_lastFocus;
    if (f && isAncestorOf(f) && f->isVisible() && f->isEnabled() && f->focusPolicy() != Qt::NoFocus)
        f->setFocus(Qt::ActiveWindowFocusReason);
    else if (!focusNextPrevChild(true))
        setFocus(Qt::ActiveWindowFocusReason);
}

bool TClassicDialog::focusNextPrevChild(bool next)
{
    if (!isInCourse())
        return QDialog::focusNextPrevChild(next);
    // Round the dialog's own controls only, never out into the page.
    QWidget *start = QApplication::focusWidget();
    if (!start || !isInside(this, start))
        start = this;
    QWidget *w = start;
    for (int guard = 0; guard < 10000; ++guard) {
        w = next ? w->nextInFocusChain() : w->previousInFocusChain();
        if (!w || w == start)
            break;
        if (w != this && isAncestorOf(w) && (w->focusPolicy() & Qt::TabFocus) && w->isVisible()
            && w->isEnabled() && !w->focusProxy()) {
            w->setFocus(next ? Qt::TabFocusReason : Qt::BacktabFocusReason);
            return true;
        }
    }
    return false;
}

void TClassicDialog::keyPressEvent(QKeyEvent *event)
{
    const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    if (isInCourse() && enter && event->modifiers() == Qt::NoModifier && m_mainDefault
        && m_mainDefault->isVisible()) {
        // Enter in a control that does not take it presses the default button.
        if (m_mainDefault->isEnabled())
            m_mainDefault->click();
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
    // A key the dialog does not use ends here, never reaching the page
    // behind it.
    if (isInCourse())
        event->accept();
}

void TClassicDialog::setCaption(const QString &caption)
{
    setWindowTitle(caption);
    // A dialog drawn inside the course window is named as a window is.
    setAccessibleName(caption);
    m_frame->setCaption(caption);
}

void TClassicDialog::changeEvent(QEvent *event)
{
    QDialog::changeEvent(event);
    if (event->type() == QEvent::ActivationChange)
        m_frame->update();
}
