#pragma once

#include "platform/align_layout.h"

#include <QWidget>

// A panel of the classic forms: a filled rectangle with optional raised or
// lowered bevels, whose children can be docked to its edges (Align). Docked
// children are laid out at once whenever the panel's size, or a docked
// child's size or visibility, changes, also while the window is still hidden,
// so geometry can be read right after a change.
class TPanel : public QWidget {
    Q_OBJECT
public:
    enum class Bevel { None, Raised, Lowered };

    explicit TPanel(QWidget *parent = nullptr);

    void setColor(const QColor &color);
    void setBevels(Bevel outer, Bevel inner, int width = 1);

    // Docks child (created with this panel as parent) and lays out at once.
    void setAlign(QWidget *child, Align align);
    static Align alignOf(const QWidget *child);

    // The area inside the bevels, where docked children go.
    QRect clientRect() const;

    // Lays out the docked children now, and the docked children of those.
    void realign();

protected:
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void childEvent(QChildEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    int bevelInset() const;

    Bevel m_outer = Bevel::None;
    Bevel m_inner = Bevel::None;
    int m_bevelWidth = 1;
    bool m_aligning = false;
};

// A bevel line or frame of the classic forms, drawn lowered (shadow, then
// highlight) or raised.
class TBevel : public QWidget {
    Q_OBJECT
public:
    enum class Shape { Box, Frame, TopLine, BottomLine };

    explicit TBevel(Shape shape, QWidget *parent = nullptr, bool raised = false);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    Shape m_shape;
    bool m_raised;
};

class QLabel;
class QPainter;

// A named bevel placed on its parent.
TBevel *addBevel(QWidget *parent, TBevel::Shape shape, const char *name, const QRect &geometry);

// A label that lets the picture behind it show through: text centred at the
// top, no frame.
QLabel *transparentLabel(QWidget *parent, const char *name, const QRect &geometry);


// One line of a classic bevel: top and left edges in one colour, right and
// bottom in the other. r uses inclusive right/bottom coordinates.
void drawBevelRect(QPainter &p, const QRect &r, const QColor &topLeft, const QColor &bottomRight);

// A line one pixel wide along a row (y1 == y2) or a column (x1 == x2), both
// ends included, as drawLine draws it with a 1-pixel pen. It is filled as a
// rectangle: the raster engine fills one in a fraction of the time it takes
// to stroke a line, and the frames and bevels are made of hundreds of them.
void drawPixelLine(QPainter &p, int x1, int y1, int x2, int y2, const QColor &color);

// Lays docked controls out in any plain widget (a form or a page) the same
// way TPanel does for its own children.
void realignChildren(QWidget *parent, const QRect &area);
