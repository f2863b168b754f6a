#include <gtest/gtest.h>

#include "geometry/Curves.h"

namespace orvanest {
namespace {

TEST(ArcSet, AddsWholeTurnsUntilTheEndFollowsTheStart) {
    struct Case {
        double start, end, storedEnd;
    };
    for (const Case& c : {Case{350, 10, 370}, Case{10, -400, 320}, Case{0, 360, 360}, Case{30, 30, 30},
                          Case{7200, 0, 7200}, Case{1e9, -1e9, 1000000160}}) {
        Arc arc;
        arc.set(Point(0, 0), 1, c.start, c.end);
        EXPECT_EQ(arc.endAngle, c.storedEnd) << c.start << " " << c.end;
    }
}

TEST(ArcDiscretise, ChordCountFollowsTheArcLength) {
    struct Case {
        double radius, start, end;
        size_t chords;
    };
    // 90 degrees of radius 10 is 15.71 long: trunc(15.71 / 5 + 1) = 4 chords; a zero sweep gives one.
    for (const Case& c : {Case{10, 0, 90, 4}, Case{10, 45, 45, 1}, Case{100, 0, 360, 126}}) {
        Arc arc;
        arc.set(Point(1, 2), c.radius, c.start, c.end);
        SegmentList segments;
        arc.discretise(segments, 5.0);
        EXPECT_EQ(segments.size(), c.chords) << c.radius << " " << c.start << " " << c.end;
    }
}

TEST(ArcDiscretise, ChordsAreFrontInsertedAndChained) {
    Arc arc;
    arc.set(Point(0, 0), 10, 0, 90);
    SegmentList segments;
    arc.discretise(segments, 5.0);
    // The first chord generated starts at the arc's start and ends up last in the list.
    EXPECT_DOUBLE_EQ(segments.back().start.x, 10.0);
    EXPECT_DOUBLE_EQ(segments.back().start.y, 0.0);
    EXPECT_NEAR(segments.front().end.x, 0.0, 1e-12);
    EXPECT_NEAR(segments.front().end.y, 10.0, 1e-12);
    auto it = segments.rbegin();
    for (auto next = std::next(it); next != segments.rend(); ++it, ++next) {
        EXPECT_EQ(it->end.x, next->start.x);
        EXPECT_EQ(it->end.y, next->start.y);
    }
}

TEST(CircleDiscretise, ClosesExactlyOnItsFirstPoint) {
    Circle circle;
    circle.set(Point(5, 5), 100);
    SegmentList segments;
    circle.discretise(segments, 5.0);
    ASSERT_EQ(segments.size(), 126u);
    EXPECT_EQ(segments.back().start.x, 105.0);
    EXPECT_EQ(segments.front().end.x, 105.0);
    EXPECT_EQ(segments.front().end.y, 5.0);
}

TEST(CircleDiscretise, TinyCircleGivesOneDegenerateChord) {
    Circle circle;
    circle.set(Point(0, 0), 0.5);
    SegmentList segments;
    circle.discretise(segments, 5.0);
    ASSERT_EQ(segments.size(), 1u);
    EXPECT_EQ(segments.front().start.x, 0.5);
    EXPECT_NEAR(segments.front().end.x, 0.5, 1e-15);
}

TEST(PointTests, EqualityAndNearnessAreStrict) {
    const Point a(0, 0);
    EXPECT_TRUE(a.equals(Point(0, 0)));
    EXPECT_FALSE(a.equals(Point(1e-15, 0)));
    EXPECT_FALSE(a.isNear(Point(0.01, 0), 0.01));
    EXPECT_TRUE(a.isNear(Point(0.0099, 0), 0.01));
}

}  // namespace
}  // namespace orvanest
