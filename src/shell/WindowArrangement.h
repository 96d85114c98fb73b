#pragma once

#include <QRect>
#include <QSize>
#include <vector>

// Where the Window menu's arrangements put the child windows inside the main window's
// client area. A window of fixed size keeps its size; every window stays inside the area.
namespace WindowArrangement {

enum class Tiling {
    Rows,     // one above the other, each as wide as the area
    Columns,  // side by side, each as tall as the area
};

struct Child {
    QSize size;           // its present outer size
    bool fixed = false;   // it cannot be resized
    QSize minimum{0, 0};  // the smallest outer size it can take
};

// Fixed windows stand in a strip along the right-hand edge at their own size; the others
// share the rest of the area in rows or columns. One rectangle per child, in order.
std::vector<QRect> Tile(QSize area, const std::vector<Child>& children, Tiling tiling);

// Each window one step (a title bar's height) below and right of the one before it, starting
// again at the top left when the next would not fit; the resizable ones all take the same
// usable size, about two thirds of the area.
std::vector<QRect> Cascade(QSize area, const std::vector<Child>& children, int step);

}  // namespace WindowArrangement
