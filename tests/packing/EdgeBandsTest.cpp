#include <gtest/gtest.h>

#include <cmath>
#include <random>
#include <vector>

#include "packing/EdgeBands.h"
#include "packing/Overlap.h"

namespace orvanest::fast {
namespace {

// The answer without the division equals the division's on edges of every slope and size, far from
// the origin and near it, for points on, beside and just off the edge's own intersection.
TEST(EdgeBands, CrossingWithoutTheDivisionAgreesWithTheDivision) {
    std::mt19937 random(3);
    std::uniform_real_distribution<double> unit(0.0, 1.0);
    int decidedWithout = 0;
    for (int round = 0; round < 20000; ++round) {
        const double scale = std::pow(10.0, -3.0 + 9.0 * unit(random));
        const double origin = (unit(random) - 0.5) * std::pow(10.0, 8.0 * unit(random));
        const double x1 = origin + scale * unit(random), y1 = origin + scale * unit(random);
        // Some edges nearly level, some nearly upright.
        const double steep = std::pow(10.0, -8.0 + 16.0 * unit(random));
        const double x2 = x1 + scale * (unit(random) - 0.5),
                     y2 = y1 + (x2 - x1) * steep * (unit(random) < 0.5 ? -1 : 1);
        const EdgeLine e = EdgeLine::of(x1, y1, x2, y2);
        if (!(e.lo < e.hi)) continue;
        for (int k = 0; k < 8; ++k) {
            const double py = e.lo + (e.hi - e.lo) * unit(random);
            if (!e.active(py)) continue;
            const double on = e.c == 0.0 ? e.b : -(e.a * py + e.b) / e.c;
            for (double px : {on, std::nextafter(on, -HUGE_VAL), std::nextafter(on, HUGE_VAL), x1, x2,
                              on - scale * 1e-6, on + scale * 1e-6, on - scale, on + scale}) {
                ASSERT_EQ(e.crossesActive(px, py), e.crosses(px, py))
                    << "edge (" << x1 << ", " << y1 << ")-(" << x2 << ", " << y2 << ") at (" << px << ", " << py << ")";
                decidedWithout += px < e.left || px > e.right;
            }
        }
    }
    EXPECT_GT(decidedWithout, 10000);  // most answers need no division
}

// The banded crossing test answers as the plain one on long loops, at vertex heights and vertex
// columns too.
TEST(EdgeBands, BandedCrossingsAgreeWithThePlainTest) {
    std::mt19937 random(5);
    std::uniform_real_distribution<double> unit(0.0, 1.0);
    for (int round = 0; round < 60; ++round) {
        const int n = 24 + round * 3;
        std::vector<Point> points;
        for (int i = 0; i < n; ++i) {
            const double angle = 2.0 * 3.141592653589793 * (i + 0.5 * unit(random)) / n;
            const double r = 5.0 + 10.0 * unit(random);
            points.emplace_back(std::round(r * std::cos(angle) * 8.0) / 8.0 + 1000.0,
                                std::round(r * std::sin(angle) * 8.0) / 8.0);
        }
        const Polygon loop(points);
        const EdgeBands bands(loop);
        for (int k = 0; k < 400; ++k) {
            const Point& v = loop.vertex(k % n);
            const double px = k % 3 == 0 ? v.x : loop.xmin + (loop.xmax - loop.xmin) * unit(random);
            const double py =
                k % 2 == 0 ? loop.vertex((k * 7) % n).y : loop.ymin + (loop.ymax - loop.ymin) * unit(random);
            ASSERT_EQ(bands.crossingsOdd(px, py), containsPoint(loop, Point(px, py)))
                << round << " " << px << " " << py;
        }
    }
}

}  // namespace
}  // namespace orvanest::fast
