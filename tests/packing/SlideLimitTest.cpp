#include <gtest/gtest.h>

#include "packing/Overlap.h"
#include "packing/Placement.h"
#include "support/TestJobs.h"

namespace orvanest {
namespace {

// A sliver a ten-millionth thick would need some 10^11 moves to cross the board; the slide gives up
// after its move limit and leaves the part where it was last accepted.
TEST(SlideLimit, ASliverStopsAfterTheMoveLimit) {
    for (bool literal : {true, false}) {
        Layout layout;
        layout.useLiteralEngine = literal;
        layout.ppd = 7.5;
        layout.parts.push_back(testing::makeRectangle("sliver", 3000, 100, 1e-7, 50));
        Part& part = layout.parts.front();
        slideLeft(layout, part);
        EXPECT_LT(part.xmin, 3000.0);
        EXPECT_GT(part.xmin, 3000.0 - 2.5e-8 * 1.01 * kMaxSlideMoves);  // rounding of 3000 + step adds a little
        EXPECT_TRUE(isPlacementValid(layout, part));
    }
}

}  // namespace
}  // namespace orvanest
