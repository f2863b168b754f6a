#include <gtest/gtest.h>

#include "packing/Overlap.h"
#include "support/TestJobs.h"

namespace orvanest {
namespace {

using testing::makePart;
using testing::makeRectangle;

const Polygon kUnitSquare({Point(0, 0), Point(1, 0), Point(1, 1), Point(0, 1)});

TEST(ContainsPoint, HalfOpenRuleOnTheUnitSquare) {
    struct Case {
        const char* name;
        Point p;
        bool inside;
    } const cases[] = {
        {"middle", Point(0.5, 0.5), true},          {"right of the box", Point(2, 0.5), false},
        {"lower edge", Point(0.5, 0), true},        {"upper edge", Point(0.5, 1), false},
        {"left edge", Point(0, 0.5), true},         {"right edge", Point(1, 0.5), false},
        {"lower left corner", Point(0, 0), true},   {"upper right corner", Point(1, 1), false},
        {"just below", Point(0.5, -1e-300), false},
    };
    for (const Case& c : cases) EXPECT_EQ(containsPoint(kUnitSquare, c.p), c.inside) << c.name;
    EXPECT_FALSE(containsPoint(Polygon(), Point(0, 0)));
}

TEST(ContainsPoint, VertexAtTheHeightOfThePointCountsOnceOrTwice) {
    // Apex (2, 2) of a triangle pointing right: one edge goes up to it, one goes down from it.
    const Polygon arrow({Point(0, 0), Point(2, 2), Point(0, 4)});
    EXPECT_TRUE(containsPoint(arrow, Point(1, 2)));
    EXPECT_FALSE(containsPoint(arrow, Point(2.5, 2)));
    // Lowest vertex (2, 0) at the height of the point: both edges go up from it and both count, so a
    // point to the left of the triangle stays outside.
    const Polygon cup({Point(2, 0), Point(4, 4), Point(0, 4)});
    EXPECT_FALSE(containsPoint(cup, Point(1.9, 0)));
    EXPECT_TRUE(containsPoint(cup, Point(2, 1)));
    // Highest vertex at the point's height: neither edge takes part.
    const Polygon cap({Point(0, 0), Point(4, 0), Point(2, 4)});
    EXPECT_FALSE(containsPoint(cap, Point(2, 4)));
    EXPECT_FALSE(containsPoint(cap, Point(1, 4)));
}

TEST(ContainsAll, EveryVertexMustBeInside) {
    EXPECT_TRUE(containsAll(kUnitSquare, Polygon({Point(0.1, 0.1), Point(0.9, 0.1), Point(0.5, 0.9)})));
    EXPECT_FALSE(containsAll(kUnitSquare, Polygon({Point(0.1, 0.1), Point(1.9, 0.1), Point(0.5, 0.9)})));
    EXPECT_TRUE(containsAll(kUnitSquare, Polygon()));
}

TEST(SegmentsCross, TouchingCountsAsMeeting) {
    struct Case {
        const char* name;
        Point p1, p2, q1, q2;
        bool meet;
    } const cases[] = {
        {"proper crossing", {0, 0}, {2, 2}, {0, 2}, {2, 0}, true},
        {"collinear overlap", {0, 0}, {2, 0}, {1, 0}, {3, 0}, true},
        {"shared endpoint", {0, 0}, {1, 1}, {1, 1}, {2, 0}, true},
        {"T-junction", {0, 0}, {2, 0}, {1, 0}, {1, 5}, true},
        {"parallel apart", {0, 0}, {2, 0}, {0, 1}, {2, 1}, false},
        {"collinear apart", {0, 0}, {1, 0}, {2, 0}, {3, 0}, false},
        {"boxes meet, lines do not", {0, 0}, {2, 2}, {1.5, 0}, {3, 1}, false},
        {"zero length on the other", {1, 0}, {1, 0}, {0, 0}, {2, 0}, true},
        {"zero length beside", {1, 1}, {1, 1}, {0, 0}, {2, 0}, false},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(segmentsCross(c.p1, c.p2, c.q1, c.q2), c.meet) << c.name;
        EXPECT_EQ(segmentsCross(c.q1, c.q2, c.p1, c.p2), c.meet) << c.name << " (swapped)";
    }
}

TEST(SeparateFrom, QuickAcceptWithinOneHundredThousandth) {
    struct Case {
        const char* name;
        double secondX;  // left side of a unit square beside the one at (0, 0)
        bool separate;
    } const cases[] = {
        {"shared edge", 1.0, true},          {"gap", 1.5, true},         {"overlap 1e-6", 1.0 - 1e-6, true},
        {"overlap 1e-4", 1.0 - 1e-4, false}, {"same place", 0.0, false},
    };
    for (const Case& c : cases) {
        const Part a = makeRectangle("a", 0, 0, 1, 1);
        const Part b = makeRectangle("b", c.secondX, 0, 1, 1);
        EXPECT_EQ(separateFrom(a.outer, b.outer), c.separate) << c.name;
        EXPECT_EQ(compatibleWith(a, b), c.separate) << c.name;
    }
}

TEST(SeparateFrom, CrossWithoutVerticesInsideNeedsTheEdgeTest) {
    // A plus sign made of two bars: no vertex of either lies inside the other.
    const Polygon wide({Point(0, 1), Point(3, 1), Point(3, 2), Point(0, 2)});
    const Polygon tall({Point(1, 0), Point(2, 0), Point(2, 3), Point(1, 3)});
    EXPECT_FALSE(edgesCross(wide, Polygon({Point(10, 10), Point(11, 10), Point(11, 11)})));
    EXPECT_TRUE(edgesCross(wide, tall));
    EXPECT_FALSE(separateFrom(wide, tall));
    // Boxes overlap but the loops do not: an L and a square in its notch.
    const Polygon ell({Point(0, 0), Point(3, 0), Point(3, 1), Point(1, 1), Point(1, 3), Point(0, 3)});
    const Polygon notch({Point(1.5, 1.5), Point(2.5, 1.5), Point(2.5, 2.5), Point(1.5, 2.5)});
    EXPECT_TRUE(separateFrom(ell, notch));
    EXPECT_TRUE(separateFrom(notch, ell));
}

Part frameWithSquareHole() {
    return makePart("frame", {Point(0, 0), Point(4, 0), Point(4, 4), Point(0, 4)},
                    {{Point(1, 1), Point(3, 1), Point(3, 3), Point(1, 3)}});
}

TEST(CompatibleWith, PartInAHoleByItsVertices) {
    const Part frame = frameWithSquareHole();
    const Part inside = makeRectangle("inside", 1.5, 1.5, 1, 1);
    const Part leaving = makeRectangle("leaving", 2.5, 1.5, 1, 1);
    EXPECT_TRUE(compatibleWith(frame, inside));
    EXPECT_TRUE(compatibleWith(inside, frame));
    EXPECT_FALSE(compatibleWith(frame, leaving));
    EXPECT_FALSE(compatibleWith(leaving, frame));
    // The hole's lower-left corner is inside it, its upper-right one is not (half-open rule), so a
    // square filling the hole exactly conflicts.
    EXPECT_FALSE(compatibleWith(frame, makeRectangle("filling", 1, 1, 2, 2)));
    EXPECT_FALSE(compatibleWith(frame, frame));
}

TEST(CoversPoint, MaterialExcludesHoles) {
    const Part frame = frameWithSquareHole();
    EXPECT_TRUE(coversPoint(frame, Point(0.5, 0.5)));
    EXPECT_FALSE(coversPoint(frame, Point(2, 2)));
    EXPECT_FALSE(coversPoint(frame, Point(5, 2)));
    EXPECT_TRUE(coversPoint(frame, Point(3, 2)));  // right edge of the hole is not in the hole
}

TEST(OverlapsRect, RectangleInAHoleDoesNotOverlap) {
    const Part frame = frameWithSquareHole();
    EXPECT_FALSE(overlapsRect(frame, 1.5, 2.5, 1.5, 2.5));
    EXPECT_TRUE(overlapsRect(frame, 0.5, 1.5, 0.5, 1.5));
    EXPECT_FALSE(overlapsRect(frame, 4, 5, 0, 4));  // touches the right side only
}

Layout layoutWith(std::vector<Part> parts) {
    Layout layout;
    for (auto it = parts.rbegin(); it != parts.rend(); ++it) layout.addPartFront(*it);
    return layout;
}

TEST(IsPlacementValid, SkipsThePartItselfByIdentity) {
    Layout layout = layoutWith({makeRectangle("a", 0, 0, 100, 100), makeRectangle("a", 0, 0, 100, 100)});
    Part& first = layout.parts.front();
    const Part twin = first;
    EXPECT_FALSE(isPlacementValid(layout, first));  // the identical second member is in the way
    EXPECT_FALSE(fitsAsCandidate(layout, twin));
    layout.parts.back().moveBy(200, 0);
    EXPECT_TRUE(isPlacementValid(layout, first));
    EXPECT_FALSE(fitsAsCandidate(layout, twin));  // a copy meets the member it was copied from
    first.moveBy(5950, 0);
    EXPECT_FALSE(isPlacementValid(layout, first));  // overhangs the board
}

TEST(CheckPlacedConflicts, MarksBothPartsOfAnOverlap) {
    Layout empty;
    EXPECT_TRUE(checkPlacedConflicts(empty));
    Layout layout = layoutWith({makeRectangle("a", 0, 0, 100, 100), makeRectangle("b", 50, 50, 100, 100),
                                makeRectangle("c", 500, 0, 100, 100), makeRectangle("off", 5950, 0, 100, 100)});
    EXPECT_FALSE(checkPlacedConflicts(layout));
    std::vector<bool> marks;
    for (const Part& part : layout.parts) marks.push_back(part.selected);
    EXPECT_EQ(marks, (std::vector<bool>{true, true, false, false}));
}

TEST(CheckBoardStraddle, MarksOnlyPartsAcrossTheEdge) {
    Layout layout = layoutWith({makeRectangle("half", 5950, 0, 100, 100), makeRectangle("parked", 6000, -100, 100, 100),
                                makeRectangle("right", 7000, 0, 100, 100), makeRectangle("on", 0, 0, 100, 100)});
    EXPECT_TRUE(checkBoardStraddle(layout));
    std::vector<bool> marks;
    for (const Part& part : layout.parts) marks.push_back(part.selected);
    EXPECT_EQ(marks, (std::vector<bool>{true, false, false, false}));
    layout.parts.pop_front();
    EXPECT_FALSE(checkBoardStraddle(layout));
}

}  // namespace
}  // namespace orvanest
