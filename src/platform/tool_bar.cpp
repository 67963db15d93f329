#include "platform/tool_bar.h"

#include "platform/panel.h"
#include "platform/period_look.h"

#include <QPainter>
#include <QToolButton>

TToolBar::TToolBar(QWidget *parent) : QWidget(parent) {}

QToolButton *TToolBar::addButton(const QString &name, const QIcon &icon)
{
    auto *b = new QToolButton(this);
    b->setObjectName(name);
    b->setAutoRaise(true);
    b->setFocusPolicy(Qt::NoFocus);
    b->setIcon(icon);
    b->setIconSize(QSize(16, 16));
    b->setGeometry(m_x, 3, ButtonWidth, ButtonHeight);
    m_x += ButtonWidth;
    return b;
}

void TToolBar::addSeparator(int width)
{
    m_x += width;
}

void TToolBar::setEdges(bool on)
{
    m_edges = on;
    update();
}

void TToolBar::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    bool defaultDraw = true;
    OnCustomDraw(p, rect(), defaultDraw);
    if (!defaultDraw || !m_edges)
        return;
    const int w = width(), h = height();
    // Etched edges: shadow then highlight, at the top and at the bottom.
    const QColor shadow(PeriodColor::ButtonShadow), highlight(PeriodColor::ButtonHighlight);
    drawPixelLine(p, 0, 0, w - 1, 0, shadow);
    drawPixelLine(p, 0, h - 2, w - 1, h - 2, shadow);
    drawPixelLine(p, 0, 1, w - 1, 1, highlight);
    drawPixelLine(p, 0, h - 1, w - 1, h - 1, highlight);
}
