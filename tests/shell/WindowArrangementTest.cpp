#include <gtest/gtest.h>

#include "shell/WindowArrangement.h"

using namespace WindowArrangement;

namespace {

// The union of the rectangles' areas when none overlap, else -1.
long long CoveredArea(const std::vector<QRect>& rects) {
    long long sum = 0;
    for (std::size_t i = 0; i < rects.size(); ++i) {
        for (std::size_t j = i + 1; j < rects.size(); ++j)
            if (rects[i].intersects(rects[j])) return -1;
        sum += 1LL * rects[i].width() * rects[i].height();
    }
    return sum;
}

}  // namespace

TEST(WindowArrangement, TilingFillsTheAreaInRowsOrColumnsAndKeepsFixedWindows) {
    const QSize area(1000, 700);
    const QRect inside(QPoint(0, 0), area);
    const QSize controls(372, 414);
    const std::vector<Child> children = {
        {{500, 500}}, {controls, true}, {{300, 200}}, {{640, 480}}};

    const auto rows = Tile(area, children, Tiling::Rows);
    const auto columns = Tile(area, children, Tiling::Columns);
    ASSERT_EQ(rows.size(), 4u);
    for (const auto* tiled : {&rows, &columns}) {
        for (const QRect& r : *tiled) EXPECT_TRUE(inside.contains(r)) << r.x() << "," << r.y();
        EXPECT_EQ((*tiled)[1].size(), controls);  // the fixed window keeps its size
        EXPECT_EQ((*tiled)[1].right(), area.width() - 1);
        // The others fill the rest exactly, without overlapping each other or the fixed one.
        EXPECT_EQ(CoveredArea({(*tiled)[0], (*tiled)[2], (*tiled)[3]}),
                  1LL * (area.width() - controls.width()) * area.height());
        EXPECT_NE(CoveredArea(*tiled), -1);
    }
    // Rows are one above the other and as wide as the free part; columns side by side.
    EXPECT_EQ(rows[0].width(), area.width() - controls.width());
    EXPECT_LT(rows[0].bottom(), rows[2].top());
    EXPECT_EQ(columns[0].height(), area.height());
    EXPECT_LT(columns[0].right(), columns[2].left());
    EXPECT_NE(rows[0], columns[0]);

    // Without fixed windows the whole area is shared.
    const auto plain = Tile(area, {{{10, 10}}, {{10, 10}}}, Tiling::Columns);
    EXPECT_EQ(plain[0], QRect(0, 0, 500, 700));
    EXPECT_EQ(plain[1], QRect(500, 0, 500, 700));
    // An area too narrow to share beside the fixed window: it stands over the others, all inside.
    const QSize small(450, 300);
    for (const QRect& r : Tile(small, children, Tiling::Rows))
        EXPECT_TRUE(QRect(QPoint(0, 0), small).contains(r) || r.size() == controls);
    // A window's minimum size is kept even where its share is smaller.
    const auto crowded = Tile(QSize(600, 100), {{{1, 1}, false, {50, 60}}, {{1, 1}}}, Tiling::Rows);
    EXPECT_GE(crowded[0].height(), 60);
    EXPECT_TRUE(QRect(0, 0, 600, 100).contains(crowded[0]));
}

TEST(WindowArrangement, CascadeKeepsAUsableSizeInsideTheArea) {
    const QSize area(1000, 700);
    const QRect inside(QPoint(0, 0), area);
    std::vector<Child> children(9, Child{{115, 50}});
    children[2] = {{372, 414}, true};
    const auto placed = Cascade(area, children, 24);
    ASSERT_EQ(placed.size(), children.size());
    for (std::size_t i = 0; i < placed.size(); ++i) {
        EXPECT_TRUE(inside.contains(placed[i])) << i;
        if (i == 2) {
            EXPECT_EQ(placed[i].size(), QSize(372, 414));
        } else {
            EXPECT_GE(placed[i].width(), area.width() / 2);
            EXPECT_GE(placed[i].height(), area.height() / 2);
        }
    }
    EXPECT_EQ(placed[0].topLeft(), QPoint(0, 0));
    EXPECT_EQ(placed[1].topLeft(), QPoint(24, 24));  // each title bar stays visible
    // A tiny area still gets whole windows, as large as it is.
    for (const QRect& r : Cascade(QSize(200, 100), {{{10, 10}}, {{10, 10}}}, 24))
        EXPECT_EQ(r, QRect(0, 0, 200, 100));
}
