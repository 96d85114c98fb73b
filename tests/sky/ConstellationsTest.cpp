#include <vector>

#include "sky/Constellations.h"
#include "sky/SkyMath.h"
#include "sky/StarCatalogue.h"
#include "support/TestSupport.h"

using namespace sky;

namespace {
std::vector<std::pair<int, int>> Walk(const ConstellationFigure& f) {
    std::vector<std::pair<int, int>> out;
    WalkFigure(f, [&](int a, int b) { out.emplace_back(a, b); });
    return out;
}
}  // namespace

TEST(Constellations, FiguresAndTheirWalk) {
    Constellations c;
    c.ParseFigures(
        "# comment\n"
        "Ori Orion,5.6,3.0,5,7,-,9,12\n"
        "Cru Crux,12.4,-60,1, 2 ,x,3\n"
        "Lyr Lyra,18.8,36\n");
    ASSERT_EQ(c.figures().size(), 3u);
    const auto& ori = c.figures()[0];
    EXPECT_EQ(ori.label, QStringLiteral("Ori"));
    EXPECT_EQ(ori.title, QStringLiteral("Orion"));
    EXPECT_FLOAT_EQ(ori.labelRa, 5.6f);
    EXPECT_FLOAT_EQ(ori.labelDec, 3.0f);
    EXPECT_EQ(Walk(ori), (std::vector<std::pair<int, int>>{{5, 7}, {9, 12}}));
    EXPECT_EQ(c.figures()[1].stars, (std::vector<std::int16_t>{1, 2}));  // "x" ends the list
    EXPECT_TRUE(c.figures()[2].stars.empty());
    EXPECT_TRUE(Walk(c.figures()[2]).empty());
    // Breaks first, last or doubled never become the end of a segment.
    Constellations broken;
    broken.ParseFigures("Cyg Cygnus,20,40,-,4,6,-,-,8,10,-\nLeo Leo,10,15,-\n");
    EXPECT_EQ(Walk(broken.figures()[0]), (std::vector<std::pair<int, int>>{{4, 6}, {8, 10}}));
    EXPECT_TRUE(Walk(broken.figures()[1]).empty());

    // At most 50 entries a line, 88 figures.
    QByteArray longLine = "Big Big,1,1";
    for (int i = 1; i <= 60; ++i) longLine += "," + QByteArray::number(i);
    QByteArray many;
    for (int i = 0; i < 100; ++i) many += longLine + "\n";
    Constellations big;
    big.ParseFigures(many);
    EXPECT_EQ(big.figures().size(), 88u);
    EXPECT_EQ(big.figures()[0].stars.size(), 50u);
}

TEST(Constellations, BoundariesBreakAndEnd) {
    Constellations c;
    c.ParseBoundaries("$\n 1.5 20\n 2.5 -30\n$\n 23.9 90\n$$\n 5 5\n");
    ASSERT_EQ(c.boundaries().size(), 5u);
    EXPECT_EQ(c.boundaries()[0].zone, BoundaryPoint::kBreak);
    EXPECT_EQ(c.boundaries()[1].zone, SkyZoneOf(1, 20));
    EXPECT_EQ(c.boundaries()[4].zone, 432);
    EXPECT_NEAR(c.boundaries()[4].direction[1], 1.0f, 1e-6f);
}

TEST(Constellations, PointsAndLabelsOffTheSkyAreLeftOut) {
    Constellations c;
    c.ParseBoundaries(" 1e10 0\n 5 1e10\n -1 0\n 25 0\n nan 0\n 1.5 20\n 24 -90\n");
    ASSERT_EQ(c.boundaries().size(), 2u);
    EXPECT_EQ(c.boundaries()[0].zone, SkyZoneOf(1, 20));
    EXPECT_EQ(c.boundaries()[1].zone, SkyZoneOf(0, -90));
    c.ParseFigures("Ori Orion,1e30,-400,1,2\nCMa Canis Major,6.8,-16,3,4\n");
    ASSERT_EQ(c.figures().size(), 2u);
    EXPECT_EQ(c.figures()[0].labelRa, 0);
    EXPECT_EQ(c.figures()[0].labelDec, 0);
    EXPECT_EQ(c.figures()[0].stars.size(), 2u);  // the figure itself stays
    EXPECT_FLOAT_EQ(c.figures()[1].labelRa, 6.8f);
}

TEST(Constellations, StarsBeyondTheLoadedOnesDropTheirSegments) {
    Constellations c;
    c.ParseFigures("Tst Test,0,0,1,2,9999,3,4\n");
    StarCatalogue catalogue;  // four stars
    std::vector<std::pair<int, int>> drawn;
    WalkFigure(c.figures()[0], [&](int a, int b) {
        if (a <= 4 && b <= 4) drawn.emplace_back(a, b);  // as a renderer checks StarByNumber
    });
    EXPECT_EQ(drawn, (std::vector<std::pair<int, int>>{{1, 2}, {3, 4}}));
}
