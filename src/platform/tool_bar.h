#pragma once

#include "platform/event.h"

#include <QWidget>

class QPainter;

class QToolButton;

// A flat toolbar of the classic look: 23 x 22 picture buttons and
// separators laid out left to right, with etched edges at the top and
// bottom.
class TToolBar : public QWidget {
    Q_OBJECT
public:
    explicit TToolBar(QWidget *parent = nullptr);

    // Adds a flat 16 x 16 picture button. When the disabled look is the
    // enabled picture, a disabled button looks exactly like an enabled one.
    QToolButton *addButton(const QString &name, const QIcon &icon);
    void addSeparator(int width);
    // The width the buttons and separators take.
    int contentWidth() const { return m_x; }

    // Etched edges at the top and bottom (on by default).
    void setEdges(bool on);
    // Custom drawing on the toolbar's own surface, below its buttons:
    // (painter, rectangle, default drawing), the last preset to true.
    Event<QPainter &, const QRect &, bool &> OnCustomDraw;

    static constexpr int ButtonWidth = 23;
    static constexpr int ButtonHeight = 22;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    int m_x = 0;
    bool m_edges = true;
};
