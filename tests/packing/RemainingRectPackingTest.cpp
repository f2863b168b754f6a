#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "packing/RemainingRectPacking.h"
#include "support/RecordingPlatform.h"
#include "support/TestJobs.h"

namespace orvanest {
namespace {

using testing::makeRectangle;
using testing::RecordingPlatform;

const char* const kRectsFailed = "某个(些)零件剩余矩形法排样失败!";

struct Free {
    double length, width, x, y;
    bool operator==(const Free&) const = default;
};

std::vector<Free> freeRects(const Layout& layout) {
    std::vector<Free> result;
    for (const RemainingRect& r : layout.remainingRects)
        result.push_back({r.rect.length, r.rect.width, r.corner.x, r.corner.y});
    return result;
}

Layout withSelected(const std::vector<Part>& parts) {
    Layout layout;
    for (auto it = parts.rbegin(); it != parts.rend(); ++it) {
        layout.addPartFront(*it);
        layout.parts.front().selected = true;
    }
    return layout;
}

// Only one free rectangle, of the given size, at (0, 0).
void resetTo(Layout& layout, double length, double width) {
    BoardRect rect;
    rect.set(length, width, kBoardThickness);
    layout.remainingRects.resetToBoard(rect);
}

TEST(PackRemainingRects, CutsTheBoardAndFillsTheSmallestRectangleFirst) {
    Layout layout = withSelected({makeRectangle("a", 123, -700, 1000, 500), makeRectangle("b", 9000, 9000, 800, 3000)});
    RecordingPlatform platform;
    packRemainingRects(layout, platform);
    EXPECT_TRUE(platform.messages.empty());
    const Part& a = layout.parts.front();
    const Part& b = layout.parts.back();
    EXPECT_EQ(a.xmin, 0.0);
    EXPECT_EQ(a.ymin, 0.0);
    EXPECT_EQ(b.xmin, 0.0);  // the 1000 x 3500 strip above a, not the 5000 x 4000 one
    EXPECT_EQ(b.ymin, 500.0);
    EXPECT_FALSE(a.selected);
    EXPECT_FALSE(b.selected);
    // After a alone the list was 1000 x 3500 at (0, 500), then 5000 x 4000 at (1000, 0). b cut the first.
    EXPECT_EQ(freeRects(layout),
              (std::vector<Free>{{800, 500, 0, 3500}, {200, 3500, 800, 500}, {5000, 4000, 1000, 0}}));
}

TEST(PackRemainingRects, SmallerRectangleWinsEvenWhenOnlyTurned) {
    Layout layout = withSelected({makeRectangle("a", 7000, 0, 500, 1000)});
    BoardRect small;
    small.set(1100, 600, kBoardThickness);
    layout.remainingRects.insertByArea(small, Point(2000, 3000));
    RecordingPlatform platform;
    packRemainingRects(layout, platform);
    const Part& a = layout.parts.front();
    EXPECT_EQ(a.xmin, 2000.0);
    EXPECT_EQ(a.ymin, 3000.0);
    EXPECT_NEAR(a.xmax - a.xmin, 1000.0, 1e-9);
    EXPECT_NEAR(a.ymax - a.ymin, 500.0, 1e-9);
    EXPECT_DOUBLE_EQ(a.nameLabel.angle, 90.0);
    ASSERT_EQ(layout.remainingRects.count(), 3);
    EXPECT_EQ(layout.remainingRects.begin()->rect.width, 600.0);  // 100 x 600 to the right, first by area
    EXPECT_TRUE(platform.messages.empty());
}

TEST(PackRemainingRects, RemaindersOfAreaTwentyFiveOrLessAreDropped) {
    struct Case {
        const char* name;
        double rectLength, rectWidth, partLength, partWidth;
        std::vector<Free> left;
    } const cases[] = {
        {"exact fill", 1000, 500, 1000, 500, {}},
        {"5 x 5 to the right", 105, 5, 100, 5, {}},
        {"5 x 5.1 to the right", 105, 5.1, 100, 5.1, {{5, 5.1, 100, 0}}},
        {"5.1 x 5 above", 5.1, 105, 5.1, 100, {{5.1, 5, 0, 100}}},
    };
    for (const Case& c : cases) {
        // At the origin, so that the box's sides are the exact sizes.
        Layout layout = withSelected({makeRectangle("a", 0, 0, c.partLength, c.partWidth)});
        resetTo(layout, c.rectLength, c.rectWidth);
        RecordingPlatform platform;
        packRemainingRects(layout, platform);
        EXPECT_TRUE(platform.messages.empty()) << c.name;
        EXPECT_EQ(layout.parts.front().xmin, 0.0) << c.name;
        EXPECT_EQ(freeRects(layout), c.left) << c.name;
    }
}

TEST(PackRemainingRects, OverlongPartLeavesANegativeRemainderThatIsReportedAndDropped) {
    Layout layout = withSelected({makeRectangle("a", 0, 0, 1000.000001, 500)});
    resetTo(layout, 1000, 4000);
    RecordingPlatform platform;
    packRemainingRects(layout, platform);
    EXPECT_EQ(platform.texts(), std::vector<std::string>{kBoardDataError});
    EXPECT_EQ(freeRects(layout), (std::vector<Free>{{1000.000001, 3500, 0, 500}}));
}

TEST(PackRemainingRects, FailuresStayDeselectedWithOneWarning) {
    Layout layout = withSelected({makeRectangle("a", 7000, 0, 7000, 100), makeRectangle("b", 7000, 200, 100, 7000),
                                  makeRectangle("c", 7000, 400, 100, 100)});
    layout.parts.back().selected = false;
    RecordingPlatform platform;
    packRemainingRects(layout, platform);
    EXPECT_EQ(platform.texts(), std::vector<std::string>{kRectsFailed});
    for (const Part& part : layout.parts) {
        EXPECT_EQ(part.xmin, 7000.0) << part.name;
        EXPECT_FALSE(part.selected) << part.name;
    }
    EXPECT_EQ(layout.remainingRects.count(), 1);
    // A second press finds nothing selected and does nothing.
    packRemainingRects(layout, platform);
    EXPECT_EQ(platform.messages.size(), 1u);
}

}  // namespace
}  // namespace orvanest
