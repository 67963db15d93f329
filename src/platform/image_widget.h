#pragma once

#include "platform/event.h"

#include <QPixmap>
#include <QWidget>

// A picture on a form that can be drawn on (its canvas) and reports mouse
// moves over it. Sized by its picture unless told otherwise.
class TImage : public QWidget {
    Q_OBJECT
public:
    explicit TImage(QWidget *parent = nullptr);

    // The picture, which is also the drawing surface.
    QPixmap &canvas() { return m_picture; }
    const QPixmap &picture() const { return m_picture; }
    // A private copy: drawing on it never changes the source.
    void setPicture(const QPixmap &picture);
    void releasePicture();
    // Sized by the picture (on by default); off keeps the image's own size.
    void setAutoSize(bool on) { m_autoSize = on; }

    // Mouse moves over the image: modifiers, x, y in image coordinates.
    Event<Qt::KeyboardModifiers, int, int> OnMouseMove;

protected:
    void paintEvent(QPaintEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;

private:
    QPixmap m_picture;
    bool m_autoSize = true;
};

// A picture with a magenta (255, 0, 255) background made transparent.
QPixmap withMagentaTransparent(const QPixmap &picture);
