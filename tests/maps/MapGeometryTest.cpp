#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "maps/MapGeometry.h"
#include "maps/MapPresets.h"

namespace {

MapGeometry Sized(int w, int h) {
    MapGeometry g;
    g.Resize(w, h);
    return g;
}

}  // namespace

TEST(MapGeometryTest, FreshMapAndResizeKeepWidthAndVerticalCentre) {
    MapGeometry g = Sized(1024, 768);
    EXPECT_DOUBLE_EQ(g.extent().left, -400000000.0);
    EXPECT_DOUBLE_EQ(g.extent().right, 400000000.0);
    EXPECT_DOUBLE_EQ(g.Width(), 800000000.0);
    EXPECT_DOUBLE_EQ(g.extent().top, 300000000.0);
    EXPECT_DOUBLE_EQ(g.extent().bottom, -300000000.0);
    EXPECT_DOUBLE_EQ(g.KmPerPixel(), 800000000.0 / 1024);
    // The Sun is in the middle of the picture.
    EXPECT_EQ(g.WorldToPixel(0, 0), QPoint(512, 384));

    // A taller picture shows more of the plane above and below, the same width across.
    g.SetExtent({-100, 300, 500, 100});  // vertical centre 300
    g.Resize(400, 200);
    EXPECT_DOUBLE_EQ(g.extent().left, -100);
    EXPECT_DOUBLE_EQ(g.extent().right, 300);
    EXPECT_DOUBLE_EQ(g.extent().top, 400);
    EXPECT_DOUBLE_EQ(g.extent().bottom, 200);
    EXPECT_DOUBLE_EQ(g.ViewExtent(), 400);

    // Before the picture has a size nothing is worked out, and nothing divides by zero.
    MapGeometry unsized;
    EXPECT_DOUBLE_EQ(unsized.KmPerPixel(), 0);
    unsized.Resize(0, 0);
    EXPECT_DOUBLE_EQ(unsized.extent().left, MapGeometry::kInitialLeft);
    unsized.Resize(200, 100);
    EXPECT_DOUBLE_EQ(unsized.Width(), 800000000.0);
}

TEST(MapGeometryTest, ConversionsTruncateRoundTripAndForgetTheOldScale) {
    MapGeometry g = Sized(1000, 500);
    g.SetExtent({0, 1000, 250, -250});  // 1 km a pixel
    EXPECT_EQ(g.WorldToPixel(10.9, 0.0), QPoint(10, 250));
    // Truncation, not rounding down: just outside the left edge is still column 0.
    EXPECT_EQ(g.WorldToPixel(-0.5, 249.5), QPoint(0, 0));
    EXPECT_EQ(g.WorldToPixel(-1.5, 0).x(), -1);
    const QPointF w = g.PixelToWorld(250, 100);
    EXPECT_DOUBLE_EQ(w.x(), 250);
    EXPECT_DOUBLE_EQ(w.y(), 150);
    EXPECT_EQ(g.WorldToPixel(w.x(), w.y()), QPoint(250, 100));

    // The remembered conversion must not outlive a change of view.
    const QPoint before = g.WorldToPixel(500, 0);
    g.Pan(PanDirection::Right);
    EXPECT_NE(g.WorldToPixel(500, 0), before);
    EXPECT_EQ(g.WorldToPixel(500, 0), QPoint(300, 250));
    g.Resize(500, 500);
    EXPECT_EQ(g.WorldToPixel(500, 0), QPoint(150, 250));

    // Points very far away saturate instead of overflowing.
    const QPoint far = g.WorldToPixel(1e30, -1e30);
    EXPECT_GE(far.x(), 100000000);
    EXPECT_GE(far.y(), 100000000);
    EXPECT_LE(g.WorldToPixel(-1e30, 1e30).x(), -100000000);
    EXPECT_EQ(g.WorldToPixel(std::numeric_limits<double>::quiet_NaN(), 0).x(), 0);
}

TEST(MapGeometryTest, WorldLinesOutsideCrossingAndVertical) {
    MapGeometry g = Sized(1000, 1000);
    g.SetExtent({0, 1000, 1000, 0});
    // Wholly on one side of the picture: nothing, whichever side.
    EXPECT_FALSE(g.WorldLine(-10, 100, -5, 900));
    EXPECT_FALSE(g.WorldLine(1001, 100, 2000, 900));
    EXPECT_FALSE(g.WorldLine(100, 1001, 900, 5000));
    EXPECT_FALSE(g.WorldLine(100, -1, 900, -300));
    // Outside but on different sides (a corner cut): converted and drawn.
    auto corner = g.WorldLine(-100, 500, 500, 1100);
    ASSERT_TRUE(corner);
    EXPECT_EQ(*corner, QLine(-100, 500, 500, -100));
    // Crossing the whole picture with ends near enough to draw.
    auto across = g.WorldLine(-5000, 500, 6000, 400);
    ASSERT_TRUE(across);
    EXPECT_EQ(*across, QLine(-5000, 500, 6000, 600));
    // Crossing it with an end beyond the drawable range: left out.
    EXPECT_FALSE(g.WorldLine(-20000, 500, 500, 500));
    EXPECT_TRUE(g.WorldLine(-19999, 500, 500, 500));
    EXPECT_FALSE(g.WorldLine(500, 500, 600, -19500));
    // Vertical lines are cut to the picture, however long.
    auto vertical = g.WorldLine(250, -1e12, 250, 1e12);
    ASSERT_TRUE(vertical);
    EXPECT_EQ(*vertical, QLine(250, 1000, 250, 0));
    auto partial = g.WorldLine(700, 300, 700, 50000);
    ASSERT_TRUE(partial);
    EXPECT_EQ(*partial, QLine(700, 700, 700, 0));
    EXPECT_FALSE(g.WorldLine(700, 1200, 700, 50000));
    EXPECT_FALSE(g.WorldLine(-1, 0, -1, 1000));
}

TEST(MapGeometryTest, PresetHalfSizeIsHalfTheShorterSide) {
    const double half = MapPresets::Info(MapPreset::Earth).halfSize;
    MapGeometry wide = Sized(1024, 768);
    wide.SetMapView(1.0e8, -2.0e7, half);
    EXPECT_NEAR(wide.extent().top - wide.extent().bottom, 800000.0, 1e-6);
    EXPECT_NEAR(wide.Width(), 800000.0 * 1024 / 768, 1e-6);
    EXPECT_NEAR(wide.View().x, 1.0e8, 1e-6);
    EXPECT_NEAR(wide.View().y, -2.0e7, 1e-6);

    MapGeometry tall = Sized(600, 900);
    tall.SetMapView(0, 0, half);
    EXPECT_NEAR(tall.Width(), 800000.0, 1e-6);
    EXPECT_NEAR(tall.extent().top - tall.extent().bottom, 1200000.0, 1e-6);

    MapGeometry square = Sized(500, 500);
    square.SetMapView(0, 0, MapPresets::Info(MapPreset::WholeSolarSystem).halfSize);
    EXPECT_NEAR(square.Width(), 12000000000.0, 1e-3);
}

TEST(MapGeometryTest, ZoomLimitsAndCentres) {
    MapGeometry g = Sized(1000, 500);
    // At 5,000 km across, zooming in is refused and nothing changes.
    g.SetExtent({0, 5000, 1250, -1250});
    const MapExtent before = g.extent();
    EXPECT_EQ(g.ZoomIn({500, 250}), ZoomResult::TooFarIn);
    EXPECT_EQ(g.extent(), before);
    EXPECT_EQ(g.ZoomAt({500, 250}, true), ZoomResult::TooFarIn);
    EXPECT_EQ(g.extent(), before);
    // From 5,001 km it halves the width about the clicked point, which becomes the centre.
    g.SetExtent({0, 5001, 1250, -1250});
    EXPECT_EQ(g.ZoomIn({250, 125}), ZoomResult::Zoomed);
    EXPECT_DOUBLE_EQ(g.Width(), 2500.5);
    EXPECT_NEAR(g.View().x, 1250.25, 1e-9);
    EXPECT_NEAR(g.View().y, 625.125, 1e-9);
    EXPECT_NEAR(g.extent().top - g.extent().bottom, 1250.25, 1e-9);

    // At 24,000,000,000 km zooming out is refused; just under, it doubles the width.
    g.SetExtent({-1.2e10, 1.2e10, 6e9, -6e9});
    const MapExtent wide = g.extent();
    EXPECT_EQ(g.ZoomOut({500, 250}), ZoomResult::TooFarOut);
    EXPECT_EQ(g.extent(), wide);
    EXPECT_EQ(g.ZoomAt({500, 250}, false), ZoomResult::TooFarOut);
    g.SetExtent({-1.1e10, 1.1e10, 5.5e9, -5.5e9});
    EXPECT_EQ(g.ZoomOut({750, 250}), ZoomResult::Zoomed);
    EXPECT_DOUBLE_EQ(g.Width(), 4.4e10);
    EXPECT_NEAR(g.View().x, 5.5e9, 1);
    EXPECT_NEAR(g.View().y, 0, 1);
}

TEST(MapGeometryTest, ZoomAtKeepsThePointUnderThePointer) {
    MapGeometry g = Sized(800, 600);
    const QPointF pixel(123, 456);
    const QPointF before = g.PixelToWorld(pixel.x(), pixel.y());
    const double width = g.Width();
    ASSERT_EQ(g.ZoomAt(pixel, true), ZoomResult::Zoomed);
    EXPECT_DOUBLE_EQ(g.Width(), width / 2);
    QPointF after = g.PixelToWorld(pixel.x(), pixel.y());
    EXPECT_NEAR(after.x(), before.x(), 1e-3);
    EXPECT_NEAR(after.y(), before.y(), 1e-3);
    ASSERT_EQ(g.ZoomAt(pixel, false), ZoomResult::Zoomed);
    ASSERT_EQ(g.ZoomAt(pixel, false), ZoomResult::Zoomed);
    EXPECT_DOUBLE_EQ(g.Width(), width * 2);
    after = g.PixelToWorld(pixel.x(), pixel.y());
    EXPECT_NEAR(after.x(), before.x(), 1e-3);
    EXPECT_NEAR(after.y(), before.y(), 1e-3);
}

TEST(MapGeometryTest, ViewStateRoundTripAndUnusableStates) {
    MapGeometry g = Sized(900, 600);
    g.SetMapView(7.5e8, -3.25e8, 2.5e7);
    const MapView saved = g.View();
    EXPECT_NEAR(saved.x, 7.5e8, 1e-3);
    EXPECT_NEAR(saved.y, -3.25e8, 1e-3);
    EXPECT_NEAR(saved.width, 7.5e7, 1e-3);
    const MapExtent extent = g.extent();

    g.Pan(PanDirection::Up);
    g.ZoomIn({10, 10});
    ASSERT_TRUE(g.SetView(saved));
    EXPECT_NEAR(g.extent().left, extent.left, 1e-3);
    EXPECT_NEAR(g.extent().right, extent.right, 1e-3);
    EXPECT_NEAR(g.extent().top, extent.top, 1e-3);
    EXPECT_NEAR(g.extent().bottom, extent.bottom, 1e-3);

    // A saved view that cannot be shown leaves the map as it is.
    const double nan = std::numeric_limits<double>::quiet_NaN();
    for (const MapView& bad :
         {MapView{0, 0, 0}, MapView{0, 0, -5}, MapView{nan, 0, 100},
          MapView{0, std::numeric_limits<double>::infinity(), 100}, MapView{0, 0, nan}}) {
        EXPECT_FALSE(g.SetView(bad));
        EXPECT_EQ(g.extent(), extent);
    }
}
