#include <gtest/gtest.h>

#include <utility>
#include <vector>

#include "packing/GridLimits.h"
#include "packing/PackingPointGrid.h"
#include "support/TestJobs.h"

namespace orvanest {
namespace {

using testing::makePart;
using testing::makeRectangle;
using Points = std::vector<std::pair<double, double>>;

Points livePoints(const Layout& layout) {
    Points result;
    layout.packingPoints.forEachAlive([&](const Point& p) { result.emplace_back(p.x, p.y); });
    return result;
}

Points grid(std::vector<double> xs, std::vector<double> ys) {
    Points result;
    for (double x : xs)
        for (double y : ys) result.emplace_back(x, y);
    return result;
}

TEST(RenewPackingPoints, GridRunsByXThenYWithStretchedSpacing) {
    struct Case {
        const char* name;
        double length, width, ppd;
        Points expected;
    } const cases[] = {
        {"PPD 1000", 6000, 4000, 1000, grid({0, 1000, 2000, 3000, 4000, 5000, 6000}, {0, 1000, 2000, 3000, 4000})},
        {"PPD 1500 stretches y to 2000", 6000, 4000, 1500, grid({0, 1500, 3000, 4500, 6000}, {0, 2000, 4000})},
        {"PPD wider than the board", 6000, 4000, 5000, grid({0, 6000}, {0})},
        {"PPD beyond both sides", 6000, 4000, 7000, grid({0}, {0})},
        // 3 * 1 / 5 is 0.6; 3 * (1 / 5) would be 0.6000000000000001.
        {"product before division", 1, 1, 0.2, grid({0, 0.2, 0.4, 0.6, 0.8, 1}, {0, 0.2, 0.4, 0.6, 0.8, 1})},
        {"PPD zero", 6000, 4000, 0, {}},
        {"PPD negative", 6000, 4000, -10, {}},
        {"negative board", -6000, 4000, 1000, {}},
        {"negative width", 6000, -4000, 1000, {}},
        {"negative board and PPD", -6000, -4000, -1000, {}},
    };
    for (const Case& c : cases) {
        Layout layout;
        layout.setBoard(c.length, c.width);
        layout.computeExtent();
        layout.ppd = c.ppd;
        EXPECT_TRUE(renewPackingPoints(layout)) << c.name;
        EXPECT_EQ(livePoints(layout), c.expected) << c.name;
        EXPECT_EQ(layout.packingPoints.count(), static_cast<int>(c.expected.size())) << c.name;
    }
}

TEST(RenewPackingPoints, RefusesAGridBeyondTheLimit) {
    Layout layout;
    layout.ppd = 1000;
    ASSERT_TRUE(renewPackingPoints(layout));
    layout.ppd = 0.5;  // 12001 x 8001 points
    ASSERT_GT(packingPointCount(layout.boardLength, layout.boardWidth, layout.ppd), kMaxPackingPoints);
    EXPECT_FALSE(renewPackingPoints(layout));
    EXPECT_EQ(layout.packingPoints.count(), 0);
}

TEST(RenewPackingPoints, RemovesPointsInMaterialButNotInHoles) {
    Layout layout;
    layout.ppd = 1000;
    // Outer 500..2500 x 500..3500 with a hole 1500..2200 x 1500..2500: material holds (1000, 1000..3000)
    // and (2000, 1000), (2000, 3000); the hole keeps (2000, 2000).
    layout.addPartFront(makePart("frame", {Point(500, 500), Point(2500, 500), Point(2500, 3500), Point(500, 3500)},
                                 {{Point(1500, 1500), Point(2200, 1500), Point(2200, 2500), Point(1500, 2500)}}));
    ASSERT_TRUE(renewPackingPoints(layout));
    Points expected = grid({0, 1000, 2000, 3000, 4000, 5000, 6000}, {0, 1000, 2000, 3000, 4000});
    std::erase_if(expected, [](const auto& p) {
        return (p.first == 1000 && p.second >= 1000 && p.second <= 3000) ||
               (p.first == 2000 && (p.second == 1000 || p.second == 3000));
    });
    EXPECT_EQ(livePoints(layout), expected);
}

TEST(RenewPackingPoints, PartParkedAtTheBoardEdgeTakesOnlyItsLeftOutline) {
    Layout layout;
    layout.ppd = 1000;
    layout.addPartFront(makeRectangle("parked", 6000, 0, 100, 2500));
    ASSERT_TRUE(renewPackingPoints(layout));
    Points expected = grid({0, 1000, 2000, 3000, 4000, 5000, 6000}, {0, 1000, 2000, 3000, 4000});
    std::erase_if(expected, [](const auto& p) { return p.first == 6000 && p.second < 2500; });
    EXPECT_EQ(livePoints(layout), expected);
}

TEST(RemoveCoveredPoints, KeepsPointsOnTheRightAndUpperOutline) {
    Layout layout;
    layout.ppd = 50;
    ASSERT_TRUE(renewPackingPoints(layout));
    const int before = layout.packingPoints.count();
    removeCoveredPoints(layout, makeRectangle("square", 0, 0, 100, 100));
    EXPECT_EQ(layout.packingPoints.count(), before - 4);
    const Points first = livePoints(layout);
    EXPECT_EQ(first[0], std::make_pair(0.0, 100.0));
    EXPECT_EQ(first[78], std::make_pair(0.0, 4000.0));  // column x = 0 lost (0, 0) and (0, 50)
    EXPECT_EQ(first[79], std::make_pair(50.0, 100.0));
    EXPECT_EQ(first[158], std::make_pair(100.0, 0.0));  // the square's right side keeps its points
}

TEST(ReferenceVertex, NearestToTheCentroidFirstOfEqualsWins) {
    Part square = makeRectangle("square", 0, 0, 2, 2);
    EXPECT_EQ(referenceVertex(square).x, 0.0);
    EXPECT_EQ(referenceVertex(square).y, 0.0);
    // A small hole just below and left of the middle pulls nothing; its corner (5, 5) is nearest.
    Part holed = makePart("holed", {Point(0, 0), Point(10, 0), Point(10, 10), Point(0, 10)},
                          {{Point(4, 4), Point(5, 4), Point(5, 5), Point(4, 5)}});
    const Point g = referenceVertex(holed);
    EXPECT_EQ(g.x, 5.0);
    EXPECT_EQ(g.y, 5.0);
    EXPECT_GT(holed.centroid.x, 5.0);  // recomputed: the hole moved it up and right
}

}  // namespace
}  // namespace orvanest
