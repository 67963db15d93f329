#pragma once

#include "platform/event.h"

#include <QPixmap>

#include <functional>
#include <QWidget>

// A picture on a form that can be drawn on (its canvas) and reports mouse
// moves over it. Sized by its picture unless told otherwise.
class TImage : public QWidget {
    Q_OBJECT
public:
    explicit TImage(QWidget *parent = nullptr);

    // The picture, which is also the drawing surface.
    QPixmap &canvas() { return loaded(); }
    const QPixmap &picture() const { return loaded(); }
    // A private copy: drawing on it never changes the source.
    void setPicture(const QPixmap &picture);
    // The picture of a file (a resource path works too), read when it is
    // first shown, drawn on or asked for, and then made ready by prepare
    // (e.g. withMagentaTransparent): a picture that no page shows costs
    // nothing at start-up. The image is sized at once from the file's header.
    void setPictureFile(const QString &path, std::function<QPixmap(const QPixmap &)> prepare = {});
    void releasePicture();
    // Sized by the picture (on by default); off keeps the image's own size.
    void setAutoSize(bool on) { m_autoSize = on; }

    // Mouse moves over the image: modifiers, x, y in image coordinates.
    Event<Qt::KeyboardModifiers, int, int> OnMouseMove;

protected:
    void paintEvent(QPaintEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;

private:
    QPixmap &loaded() const;

    mutable QPixmap m_picture;
    // A picture file not read yet, and what makes it ready.
    mutable QString m_pendingFile;
    mutable std::function<QPixmap(const QPixmap &)> m_prepare;
    bool m_autoSize = true;
    // At a fractional scale, the picture as crispPixmap makes it, kept while
    // the picture and the scale stay the same.
    QPixmap m_crisp;
    qint64 m_crispKey = 0;
};

// A picture with a magenta (255, 0, 255) background made transparent.
QPixmap withMagentaTransparent(const QPixmap &picture);
