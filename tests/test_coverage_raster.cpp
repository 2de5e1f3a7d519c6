// Coverage masks: how much of each pixel a filled outline covers, under either fill rule, with
// edges between pixels shared out and curves followed closely.
#include "view/render/coverage_raster.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

using namespace pirandella;

namespace {

void AddBox(Outline& o, double x0, double y0, double x1, double y1) {
    o.steps.insert(o.steps.end(), {Outline::Step::Move, Outline::Step::Line, Outline::Step::Line,
                                   Outline::Step::Line});
    o.points.insert(o.points.end(), {{x0, y0}, {x1, y0}, {x1, y1}, {x0, y1}});
}

double Total(const CoverageMask& m) {
    double sum = 0;
    for (std::uint8_t a : m.alpha) sum += a / 255.0;
    return sum;
}

} // namespace

TEST(CoverageRaster, EdgesBetweenPixelsShareThemOutAtScaleAndOrigin) {
    Outline box;
    AddBox(box, 0, 0, 2, 2); // scaled by 1.5 to 3 x 3, put at (1.5, 1.5): pixels 1 to 4, halves
    const CoverageMask m = FillCoverage(box, 1.5, 1.5, 1.5, {0, 0, 6, 6});
    EXPECT_EQ(m.at(0, 0), 0);
    EXPECT_EQ(m.at(2, 2), 255);
    EXPECT_EQ(m.at(3, 3), 255);
    EXPECT_NEAR(m.at(1, 2), 128, 1); // half of the pixel
    EXPECT_NEAR(m.at(4, 3), 128, 1);
    EXPECT_NEAR(m.at(1, 1), 64, 1); // a quarter at the corner
    EXPECT_EQ(m.at(5, 5), 0);
    EXPECT_NEAR(Total(m), 9, 0.05);
    // Only the clip's pixels, in its own coordinates.
    const CoverageMask part = FillCoverage(box, 1.5, 1.5, 1.5, {2, 2, 2, 2});
    EXPECT_EQ(part.box, (DeviceRect{2, 2, 2, 2}));
    EXPECT_EQ(part.alpha, std::vector<std::uint8_t>(4, 255));
}

TEST(CoverageRaster, FillRulesDecideAboutOverlapsAndHoles) {
    Outline twice; // a box inside another, both drawn the same way round
    AddBox(twice, 0, 0, 8, 8);
    AddBox(twice, 2, 2, 6, 6);
    twice.fill = Outline::Fill::EvenOdd;
    EXPECT_EQ(FillCoverage(twice, 0, 0, 1, {0, 0, 8, 8}).at(4, 4), 0);
    EXPECT_EQ(FillCoverage(twice, 0, 0, 1, {0, 0, 8, 8}).at(1, 1), 255);
    twice.fill = Outline::Fill::NonZero;
    EXPECT_EQ(FillCoverage(twice, 0, 0, 1, {0, 0, 8, 8}).at(4, 4), 255);
    // Under the non-zero rule a box drawn the other way round inside is a hole, and two boxes
    // apart drawn opposite ways are both filled.
    Outline hole;
    hole.fill = Outline::Fill::NonZero;
    AddBox(hole, 0, 0, 8, 8);
    AddBox(hole, 6, 2, 2, 6); // x from 6 back to 2: the other way round
    const CoverageMask holed = FillCoverage(hole, 0, 0, 1, {0, 0, 8, 8});
    EXPECT_EQ(holed.at(4, 4), 0);
    EXPECT_EQ(holed.at(1, 4), 255);
    EXPECT_NEAR(Total(holed), 64 - 16, 0.05);
    Outline apart;
    apart.fill = Outline::Fill::NonZero;
    AddBox(apart, 0, 0, 3, 3);
    AddBox(apart, 8, 0, 5, 3);
    EXPECT_NEAR(Total(FillCoverage(apart, 0, 0, 1, {0, 0, 8, 3})), 18, 0.05);
    // A clip whose corner is not on the diagonal: the mask holds the clip's own pixels.
    const CoverageMask corner = FillCoverage(hole, 0, 0, 1, {5, 1, 3, 2});
    EXPECT_EQ(corner.box, (DeviceRect{5, 1, 3, 2}));
    EXPECT_EQ(corner.alpha, (std::vector<std::uint8_t>{255, 255, 255, 0, 255, 255}));
}

TEST(CoverageRaster, CurvesAreFollowed) {
    // A circle of radius 10 from four cubics covers close to pi r^2 pixels.
    constexpr double r = 10, k = 0.5523 * r;
    Outline circle;
    circle.steps = {Outline::Step::Move, Outline::Step::Cubic, Outline::Step::Cubic,
                    Outline::Step::Cubic, Outline::Step::Cubic};
    circle.points = {{r, 0},   {r, k},   {k, r},  {0, r},  {-k, r}, {-r, k}, {-r, 0},
                     {-r, -k}, {-k, -r}, {0, -r}, {k, -r}, {r, -k}, {r, 0}};
    const CoverageMask m = FillCoverage(circle, 12, 12, 1, {0, 0, 24, 24});
    EXPECT_NEAR(Total(m), std::numbers::pi * r * r, 1.0);
    EXPECT_EQ(m.at(12, 12), 255);
    EXPECT_EQ(m.at(3, 3), 0); // outside, in the corner of the square round the circle
}

TEST(CoverageRaster, AnythingGivenStaysInsideTheMask) {
    // A point at 1e308, at scale 2 past every double: held far off, the triangle still filled.
    Outline wide;
    wide.steps = {Outline::Step::Move, Outline::Step::Line, Outline::Step::Line};
    wide.points = {{0, 0}, {1e308, 5}, {0, 10}};
    const CoverageMask m = FillCoverage(wide, 0, 0, 2, {0, 0, 32, 32});
    EXPECT_EQ(m.at(31, 0), 255);
    EXPECT_EQ(m.at(31, 19), 255);
    EXPECT_EQ(m.at(0, 20), 0);
    EXPECT_NEAR(Total(m), 20 * 32, 1);
    for (const double bad : {std::nan(""), HUGE_VAL, -1e308}) {
        wide.points[1].x = bad;
        EXPECT_EQ(FillCoverage(wide, 0, 0, 1e300, {0, 0, 8, 8}).alpha.size(), 64u) << bad;
    }
    // A square short of its last point: the triangle of the points it has.
    Outline cut;
    AddBox(cut, 0, 0, 8, 8);
    cut.points.pop_back();
    EXPECT_NEAR(Total(FillCoverage(cut, 0, 0, 1, {0, 0, 8, 8})), 32, 0.05);
    // Clips with no pixels or far too many: an empty mask at the corner.
    for (const DeviceRect clip : {DeviceRect{3, 4, -8, 8}, DeviceRect{3, 4, 1 << 20, 1 << 20},
                                  DeviceRect{3, 4, 1 << 30, -(1 << 30)}}) {
        const CoverageMask none = FillCoverage(wide, 0, 0, 1, clip);
        EXPECT_EQ(none.box, (DeviceRect{3, 4, 0, 0}));
        EXPECT_TRUE(none.alpha.empty());
    }
}
