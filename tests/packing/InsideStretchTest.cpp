#include <gtest/gtest.h>

#include <cmath>
#include <random>
#include <vector>

#include "packing/EdgeBands.h"
#include "packing/InsideStretch.h"
#include "packing/Overlap.h"

namespace orvanest::fast {
namespace {

// A star-shaped loop around the origin with corners on a coarse grid, so that columns meet vertices,
// vertical and horizontal edges exactly.
Polygon starLoop(std::mt19937& random, int vertices) {
    std::uniform_real_distribution<double> radius(4.0, 10.0);
    std::vector<Point> points;
    for (int i = 0; i < vertices; ++i) {
        const double angle = 2.0 * 3.141592653589793 * (i + 0.5) / vertices;
        const double r = radius(random);
        points.emplace_back(std::round(r * std::cos(angle) * 4.0) / 4.0, std::round(r * std::sin(angle) * 4.0) / 4.0);
    }
    return Polygon(points);
}

// Every height the stretch claims, as far as they can be listed: its ends, the doubles next to them,
// every vertex height and a fine sweep.
std::vector<double> claimedHeights(const InsideStretch& stretch, double from, double end, const Polygon& loop) {
    std::vector<double> heights = {from, std::nextafter(from, HUGE_VAL), std::nextafter(end, -HUGE_VAL)};
    for (const Point& v : loop.vertices()) heights.push_back(v.y);
    for (int i = 0; i <= 400; ++i) heights.push_back(from + (end - from) * i / 400.0);
    std::vector<double> claimed;
    for (double y : heights)
        if (stretch.covers(y)) claimed.push_back(y);
    return claimed;
}

// The stretch grown up a column claims only heights where the plain crossing test finds the point
// inside: short loops read edge by edge, long ones through their bands.
TEST(InsideStretch, ClaimsOnlyHeightsThePlainTestFindsInside) {
    std::mt19937 random(7);
    int grown = 0;
    for (int round = 0; round < 300; ++round) {
        const int vertices = round % 2 == 0 ? 5 + round % 17 : 24 + round % 40;
        const Polygon loop = starLoop(random, vertices);
        const EdgeBands bands(loop);
        const PlacedLoop placed{&loop, vertices >= kBandedLoopMinimum ? &bands : nullptr};
        std::uniform_real_distribution<double> coordinate(-10.0, 10.0);
        for (int column = 0; column < 20; ++column) {
            // Half the columns run through a vertex.
            const double x = column % 2 == 0 ? loop.vertex(column % vertices).x : coordinate(random);
            const double y = column % 3 == 0 ? loop.vertex((column * 7) % vertices).y : coordinate(random);
            if (!containsPoint(loop, Point(x, y))) continue;
            InsideStretch stretch(x, y);
            stretch.growTo(placed, loop.ymax + 1.0, 1000);
            for (double h : claimedHeights(stretch, y, loop.ymax, loop)) {
                ASSERT_TRUE(containsPoint(loop, Point(x, h))) << "round " << round << " x " << x << " y " << h;
                grown += h > y;
            }
        }
    }
    EXPECT_GT(grown, 1000);  // the stretches do reach upwards
}

// Along a vertical edge and through a vertex at the column's height, the half-open rule leaves the
// left side inside and the right side outside; the stretch follows it.
TEST(InsideStretch, FollowsTheHalfOpenRuleOnASquare) {
    const Polygon square({Point(0, 0), Point(4, 0), Point(4, 4), Point(0, 4)});
    InsideStretch left(0.0, 0.0);
    EXPECT_TRUE(left.growTo(PlacedLoop{&square, nullptr}, 3.9, 4));
    EXPECT_FALSE(left.covers(4.0));  // the top edge is outside
    InsideStretch inner(2.0, 1.0);
    EXPECT_FALSE(inner.growTo(PlacedLoop{&square, nullptr}, 4.0, 4));
    EXPECT_TRUE(inner.covers(std::nextafter(4.0, 0.0)));
    EXPECT_FALSE(inner.covers(0.5));  // nothing below where it started
}

}  // namespace
}  // namespace orvanest::fast
