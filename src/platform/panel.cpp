#include "platform/panel.h"

#include "platform/period_look.h"

#include <QChildEvent>
#include <QLabel>
#include <QPainter>

#include <algorithm>

namespace {

constexpr const char *kAlignProperty = "quillanAlign";

}  // namespace

void drawBevelRect(QPainter &p, const QRect &r, const QColor &topLeft, const QColor &bottomRight)
{
    // r uses inclusive right/bottom coordinates, as the classic drawing does.
    drawPixelLine(p, r.left(), r.top(), r.right(), r.top(), topLeft);
    drawPixelLine(p, r.left(), r.top(), r.left(), r.bottom(), topLeft);
    drawPixelLine(p, r.right(), r.top(), r.right(), r.bottom(), bottomRight);
    drawPixelLine(p, r.left(), r.bottom(), r.right(), r.bottom(), bottomRight);
}

void drawPixelLine(QPainter &p, int x1, int y1, int x2, int y2, const QColor &color)
{
    p.fillRect(QRect(QPoint(std::min(x1, x2), std::min(y1, y2)), QPoint(std::max(x1, x2), std::max(y1, y2))),
               color);
}

void realignChildren(QWidget *parent, const QRect &area)
{
    QList<QWidget *> docked;
    QList<AlignItem> items;
    for (QObject *o : parent->children()) {
        auto *w = qobject_cast<QWidget *>(o);
        if (!w || w->isWindow())
            continue;
        const Align a = TPanel::alignOf(w);
        if (a == Align::None)
            continue;
        docked.append(w);
        items.append({a, w->geometry(), !w->isHidden()});
    }
    const QList<QRect> rects = alignLayout(area, items);
    for (qsizetype i = 0; i < docked.size(); ++i) {
        if (!items[i].visible)
            continue;
        docked[i]->setGeometry(rects[i]);
        // Hidden windows get their resize events late; lay nested panels out now.
        if (auto *panel = qobject_cast<TPanel *>(docked[i]))
            panel->realign();
    }
}

TPanel::TPanel(QWidget *parent) : QWidget(parent)
{
    setAutoFillBackground(true);
    setColor(QColor(PeriodColor::ButtonFace));
}

void TPanel::setColor(const QColor &color)
{
    QPalette pal = palette();
    pal.setColor(QPalette::Window, color);
    setPalette(pal);
}

void TPanel::setBevels(Bevel outer, Bevel inner, int width)
{
    m_outer = outer;
    m_inner = inner;
    m_bevelWidth = width;
    realign();
    update();
}

void TPanel::setAlign(QWidget *child, Align align)
{
    Q_ASSERT(child->parentWidget() == this);
    child->setProperty(kAlignProperty, static_cast<int>(align));
    child->removeEventFilter(this);
    child->installEventFilter(this);
    realign();
}

Align TPanel::alignOf(const QWidget *child)
{
    return static_cast<Align>(child->property(kAlignProperty).toInt());
}

int TPanel::bevelInset() const
{
    return ((m_outer != Bevel::None) + (m_inner != Bevel::None)) * m_bevelWidth;
}

QRect TPanel::clientRect() const
{
    const int inset = bevelInset();
    return rect().adjusted(inset, inset, -inset, -inset);
}

void TPanel::realign()
{
    if (m_aligning)
        return;
    m_aligning = true;
    realignChildren(this, clientRect());
    m_aligning = false;
}

void TPanel::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    const QColor light(PeriodColor::ButtonHighlight), shadow(PeriodColor::ButtonShadow);
    QRect r = rect().adjusted(0, 0, -1, -1);
    for (Bevel b : {m_outer, m_inner}) {
        if (b == Bevel::None)
            continue;
        for (int i = 0; i < m_bevelWidth; ++i) {
            if (b == Bevel::Raised)
                drawBevelRect(p, r, light, shadow);
            else
                drawBevelRect(p, r, shadow, light);
            r.adjust(1, 1, -1, -1);
        }
    }
}

void TPanel::resizeEvent(QResizeEvent *)
{
    realign();
}

void TPanel::childEvent(QChildEvent *event)
{
    QWidget::childEvent(event);
    if (event->removed())
        realign();
}

bool TPanel::eventFilter(QObject *watched, QEvent *event)
{
    switch (event->type()) {
    case QEvent::ShowToParent:
    case QEvent::HideToParent:
    case QEvent::Resize:
        if (watched->parent() == this && !m_aligning)
            realign();
        break;
    default:
        break;
    }
    return QWidget::eventFilter(watched, event);
}

TBevel::TBevel(Shape shape, QWidget *parent, bool raised)
    : QWidget(parent), m_shape(shape), m_raised(raised)
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void TBevel::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    QColor c1(PeriodColor::ButtonShadow), c2(PeriodColor::ButtonHighlight);
    if (m_raised)
        std::swap(c1, c2);
    const int w = width(), h = height();
    switch (m_shape) {
    case Shape::Box:
        drawBevelRect(p, QRect(0, 0, w, h).adjusted(0, 0, -1, -1), c1, c2);
        break;
    case Shape::Frame:
        // An etched frame: one rectangle in each colour, one pixel apart.
        drawBevelRect(p, QRect(1, 1, w - 1, h - 1).adjusted(0, 0, -1, -1), c2, c2);
        drawBevelRect(p, QRect(0, 0, w - 1, h - 1).adjusted(0, 0, -1, -1), c1, c1);
        break;
    case Shape::TopLine:
        drawPixelLine(p, 0, 0, w - 1, 0, c1);
        drawPixelLine(p, 0, 1, w - 1, 1, c2);
        break;
    case Shape::BottomLine:
        drawPixelLine(p, 0, h - 2, w - 1, h - 2, c1);
        drawPixelLine(p, 0, h - 1, w - 1, h - 1, c2);
        break;
    }
}

QLabel *transparentLabel(QWidget *parent, const char *name, const QRect &geometry)
{
    auto *l = new QLabel(parent);
    l->setObjectName(QString::fromLatin1(name));
    l->setGeometry(geometry);
    l->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    l->setAttribute(Qt::WA_TranslucentBackground);
    return l;
}

TBevel *addBevel(QWidget *parent, TBevel::Shape shape, const char *name, const QRect &geometry)
{
    auto *b = new TBevel(shape, parent);
    b->setObjectName(QString::fromLatin1(name));
    b->setGeometry(geometry);
    return b;
}
