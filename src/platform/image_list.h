#pragma once

#include <QIcon>
#include <QList>
#include <QObject>
#include <QPixmap>
#include <QSize>
#include <QStringList>

// A fixed list of small pictures of one size, with transparency, from which
// menus, toolbars and trees draw by index.
class TImageList : public QObject {
    Q_OBJECT
public:
    TImageList(const QString &name, QSize size, QObject *parent = nullptr);

    // Appends pictures (resource paths); a picture of another size is scaled.
    void addFiles(const QStringList &paths);
    // Appends the cells of a horizontal strip of pictures of the list's size.
    void addStrip(const QString &path);
    void add(const QPixmap &pixmap);

    QSize size() const { return m_size; }
    int count() const { return m_images.size(); }
    // An empty pixmap or icon for an index outside the list.
    QPixmap pixmap(int index) const;
    QIcon icon(int index) const;
    // An icon that shows its normal picture in that mode too (a button whose
    // disabled look is its normal one, a tree entry whose icon is not tinted
    // when selected).
    QIcon icon(int index, QIcon::Mode sameIn) const;
    // The period's disabled look of a picture: its shape embossed, in
    // dark grey with a white shadow one pixel down and right.
    static QPixmap embossed(const QPixmap &pixmap);

private:
    QSize m_size;
    QList<QPixmap> m_images;
};
