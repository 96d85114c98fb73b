#include "shell/WindowArrangement.h"

#include <algorithm>

namespace WindowArrangement {

namespace {

// Narrower than this, the space beside the fixed windows is not worth tiling into: the
// others take the whole area and the fixed ones stand over them.
constexpr int kLeastShare = 160;

// The rectangle moved (not resized) so that it lies inside the area as far as its size allows.
QRect Inside(QRect r, QSize area) {
    r.moveLeft(std::max(0, std::min(r.left(), area.width() - r.width())));
    r.moveTop(std::max(0, std::min(r.top(), area.height() - r.height())));
    return r;
}

}  // namespace

std::vector<QRect> Tile(QSize area, const std::vector<Child>& children, Tiling tiling) {
    std::vector<QRect> out(children.size());
    area = area.expandedTo(QSize(1, 1));
    int strip = 0, resizable = 0;
    for (const Child& c : children) {
        if (c.fixed)
            strip = std::max(strip, std::min(c.size.width(), area.width()));
        else
            ++resizable;
    }
    // The fixed windows, top to bottom along the right-hand edge.
    int y = 0;
    for (std::size_t i = 0; i < children.size(); ++i) {
        if (!children[i].fixed) continue;
        const QSize s = children[i].size;
        out[i] = Inside(QRect(QPoint(area.width() - s.width(), y), s), area);
        y = out[i].bottom() + 1;
        if (y >= area.height()) y = 0;
    }
    if (resizable == 0) return out;
    QRect rest(0, 0, area.width() - strip, area.height());
    if (rest.width() < kLeastShare) rest.setWidth(area.width());
    const int length = tiling == Tiling::Rows ? rest.height() : rest.width();
    int at = 0, k = 0;
    for (std::size_t i = 0; i < children.size(); ++i) {
        if (children[i].fixed) continue;
        ++k;
        // The last one takes what division leaves over, so that the area is filled exactly.
        const int share = k == resizable ? length - at : length / resizable;
        QRect r = tiling == Tiling::Rows ? QRect(rest.left(), at, rest.width(), share)
                                         : QRect(at, 0, share, rest.height());
        r.setSize(r.size().expandedTo(children[i].minimum));
        out[i] = Inside(r, area);
        at += share;
    }
    return out;
}

std::vector<QRect> Cascade(QSize area, const std::vector<Child>& children, int step) {
    std::vector<QRect> out(children.size());
    area = area.expandedTo(QSize(1, 1));
    step = std::max(1, step);
    const QSize usable(std::max(area.width() * 2 / 3, std::min(area.width(), 320)),
                       std::max(area.height() * 2 / 3, std::min(area.height(), 240)));
    QPoint at(0, 0);
    for (std::size_t i = 0; i < children.size(); ++i) {
        const Child& c = children[i];
        const QSize size = c.fixed ? c.size : usable.expandedTo(c.minimum);
        if (at.x() + size.width() > area.width() || at.y() + size.height() > area.height())
            at = QPoint(0, 0);
        out[i] = Inside(QRect(at, size), area);
        at += QPoint(step, step);
    }
    return out;
}

}  // namespace WindowArrangement
