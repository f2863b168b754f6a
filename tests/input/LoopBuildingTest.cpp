#include <gtest/gtest.h>

#include <random>

#include "input/DxfPartReader.h"

namespace orvanest {
namespace {

// Pools that exercise the join rules: end points on a coarse lattice with jitter around the joining
// distance, reversed and repeated segments, and points far from the origin.
SegmentList randomPool(std::mt19937& random, size_t size) {
    std::uniform_int_distribution<int> lattice(0, 6);
    std::uniform_int_distribution<int> jitterKind(0, 5);
    std::uniform_real_distribution<double> unit(-1.0, 1.0);
    const double origin = std::uniform_int_distribution<int>(0, 1)(random) ? 0.0 : 1e7 + 0.015;
    auto point = [&] {
        double x = origin + lattice(random) * 0.03;
        double y = origin + lattice(random) * 0.03;
        switch (jitterKind(random)) {
            case 0: x += unit(random) * 0.01; break;
            case 1: y += unit(random) * 0.012; break;
            case 2: x += 0.01; break;
            default: break;
        }
        return Point(x, y);
    };
    SegmentList pool;
    while (pool.size() < size) {
        Segment s(point(), point());
        pool.push_back(s);
        if (jitterKind(random) == 0) pool.push_back(Segment(s.end, s.start));
    }
    return pool;
}

TEST(LoopBuilding, IndexedChainsMatchRescanning) {
    std::mt19937 random(20240601);
    for (int trial = 0; trial < 300; ++trial) {
        SegmentList literal = randomPool(random, 1 + trial % 120);
        SegmentPool indexed(literal);
        int chain = 0;
        while (!literal.empty()) {
            ASSERT_FALSE(indexed.empty());
            PointList expected;
            PointList actual;
            chainLoopByRescanning(literal, expected);
            chainLoop(indexed, actual);
            ASSERT_EQ(actual.size(), expected.size()) << "trial " << trial << " chain " << chain;
            auto a = actual.begin();
            for (const Point& e : expected) {
                ASSERT_EQ(a->x, e.x) << "trial " << trial << " chain " << chain;
                ASSERT_EQ(a->y, e.y) << "trial " << trial << " chain " << chain;
                ++a;
            }
            ++chain;
        }
        EXPECT_TRUE(indexed.empty());
    }
}

TEST(LoopBuilding, FirstTouchingSegmentInPoolOrderWins) {
    // Both later segments touch the chain's end; the first in the pool wins, its start tested first.
    SegmentList pool{Segment(Point(0, 0), Point(10, 0)), Segment(Point(10, 5), Point(10.001, 0)),
                     Segment(Point(10, 0), Point(10, -5))};
    SegmentPool indexed(pool);
    PointList points;
    chainLoop(indexed, points);
    ASSERT_EQ(points.size(), 3u);
    EXPECT_EQ(points.front().y, 5.0);
    EXPECT_EQ(checkLoop(points), LoopCheck::Open);
    EXPECT_EQ(indexed.size(), 1u);
}

TEST(LoopBuilding, OuterLoopIsTheFirstOfLargestArea) {
    auto square = [](double x, double side) {
        return Polygon({Point(x, 0), Point(x + side, 0), Point(x + side, side), Point(x, side)});
    };
    PolygonList polygons{square(0, 1), square(10, 3), square(20, 2), square(30, 3)};
    Part part;
    ASSERT_TRUE(chooseOuterLoop(part, polygons));
    EXPECT_EQ(part.outer.xmin, 10.0);
    // The others, put at the front in walking order.
    std::vector<double> holes;
    for (const Polygon& hole : part.inners) holes.push_back(hole.xmin);
    EXPECT_EQ(holes, (std::vector<double>{30, 20, 0}));
    Part none;
    EXPECT_FALSE(chooseOuterLoop(none, PolygonList{Polygon({Point(0, 0), Point(1, 1)})}));
}

}  // namespace
}  // namespace orvanest
