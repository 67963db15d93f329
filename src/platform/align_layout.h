#pragma once

#include <QList>
#include <QRect>
#include <QSize>

// Docking of child controls inside a parent, the classic way: top-docked
// controls take the full width at the top in their order, then bottom-docked
// ones, then left, then right; a client-docked control fills what is left.
enum class Align { None, Top, Bottom, Left, Right, Client };

struct AlignItem {
    Align align = Align::None;
    QRect geometry;        // current geometry; its size is kept along the free axis
    bool visible = true;   // hidden controls take no room
};

// New geometries, index for index with the items. Items that are hidden or
// not docked keep their geometry. A docked control keeps its own height (top,
// bottom) or width (left, right) even when the area is too small for it, so a
// window shown small for a moment does not lose its controls' sizes.
QList<QRect> alignLayout(const QRect &area, const QList<AlignItem> &items);
