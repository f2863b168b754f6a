#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <utility>
#include <vector>

#include "packing/GridLimits.h"
#include "packing/Overlap.h"
#include "packing/PackingPointGrid.h"
#include "packing/Placement.h"
#include "support/LayoutChecker.h"
#include "support/RecordingPlatform.h"
#include "support/TestJobs.h"

namespace orvanest {
namespace {

using testing::makePart;
using testing::makeRectangle;
using testing::RecordingPlatform;
using testing::TemporaryFolder;

// A default 6000 x 4000 board holding the parts in the given order, one type slot per name.
Layout boardWith(const std::vector<Part>& parts, double ppd) {
    Layout layout;
    layout.ppd = ppd;
    layout.typeSlots.clear();
    for (auto it = parts.rbegin(); it != parts.rend(); ++it) layout.addPartFront(*it);
    for (const Part& part : parts)
        if (!layout.slotFor(part.name)) layout.typeSlots.push_back(TypeSlot{part.name, Point(0, 0)});
    return layout;
}

// Every case runs on the plain engine and on the program's fast one: both must decide alike.
class EngineTest : public ::testing::TestWithParam<bool> {
protected:
    Layout layoutOf(const std::vector<Part>& parts, double ppd) const {
        Layout layout = boardWith(parts, ppd);
        layout.useLiteralEngine = GetParam();
        return layout;
    }
};

std::string engineName(const ::testing::TestParamInfo<bool>& info) { return info.param ? "Literal" : "Fast"; }

class PlacePart : public EngineTest {};
class Slides : public EngineTest {};
class PackStep : public EngineTest {};

// Runs a packing with the current folder set to a fresh temporary folder.
class PackTimed : public EngineTest {
protected:
    void SetUp() override {
        previous_ = std::filesystem::current_path();
        std::filesystem::current_path(folder_.path());
    }
    void TearDown() override { std::filesystem::current_path(previous_); }

private:
    TemporaryFolder folder_;
    std::filesystem::path previous_;
};

// A square of side 100 parked below the board's right corner; its first vertex is the lower-left one.
Part parkedSquare(const std::string& name) { return makeRectangle(name, 6000, -100, 100, 100); }

Part& nth(Layout& layout, int index) { return *std::next(layout.parts.begin(), index); }

void expectAt(const Part& part, double x, double y, const char* what) {
    EXPECT_EQ(part.xmin, x) << what;
    EXPECT_EQ(part.ymin, y) << what;
}

TEST_P(PlacePart, SquareGoesToTheOriginAndTakesFourPoints) {
    Layout layout = layoutOf({parkedSquare("sq")}, 50);
    ASSERT_TRUE(renewPackingPoints(layout));
    const int before = layout.packingPoints.count();
    Part& square = layout.parts.front();
    placePart(layout, square);
    expectAt(square, 0, 0, "square");
    EXPECT_EQ(square.xmax, 100.0);
    EXPECT_EQ(square.outer.vertex(0).x, 0.0);  // unrotated
    EXPECT_EQ(square.nameLabel.angle, 0.0);
    EXPECT_EQ(layout.packingPoints.count(), before - 4);
    for (const Point& gone : {Point(0, 0), Point(0, 50), Point(50, 0), Point(50, 50)}) {
        const size_t slot = layout.packingPoints.firstSlotNotBefore(gone);
        const bool alive = slot < layout.packingPoints.slotCount() && layout.packingPoints.at(slot).x == gone.x &&
                           layout.packingPoints.at(slot).y == gone.y && layout.packingPoints.isAlive(slot);
        EXPECT_FALSE(alive) << gone.x << "," << gone.y;
    }
    EXPECT_EQ(layout.typeSlots[0].resumePoint.x, 0.0);
    EXPECT_EQ(layout.typeSlots[0].resumePoint.y, 0.0);
}

TEST_P(PlacePart, EqualScoreAtALaterPointDoesNotReplaceTheBest) {
    // A strip along the left edge: the square goes to (100, 0) unturned (centroid x 150). Turned by 180
    // degrees at (200, 100) it would fill the same square with the same centroid x: not strictly better.
    Layout layout = layoutOf({makeRectangle("strip", 0, 0, 100, 4000), parkedSquare("sq")}, 50);
    layout.rn = 2;
    ASSERT_TRUE(renewPackingPoints(layout));
    Part& square = nth(layout, 1);
    placePart(layout, square);
    expectAt(square, 100, 0, "square");
    EXPECT_EQ(square.outer.vertex(0).x, 100.0);
    EXPECT_EQ(square.nameLabel.angle, 0.0);
}

TEST_P(PlacePart, LowerOrientationWinsATieAndTheResumePointKeepsTheFirstFit) {
    // Searching from (100, 100), the first fit is (100, 100) unturned; at the same point a quarter turn
    // and a half turn both put the square at 0..100 with equal centroid x; the quarter turn wins. The
    // slide down then takes it to y = 0.
    Layout layout = layoutOf({parkedSquare("sq")}, 50);
    layout.typeSlots[0].resumePoint = Point(100, 100);
    ASSERT_TRUE(renewPackingPoints(layout));
    Part& square = layout.parts.front();
    placePart(layout, square);
    expectAt(square, 0, 0, "square");
    EXPECT_EQ(square.outer.vertex(0).x, 100.0);  // the reference vertex, turned a quarter, is lower right
    EXPECT_EQ(square.outer.vertex(0).y, 0.0);
    EXPECT_DOUBLE_EQ(square.nameLabel.angle, 90.0);
    EXPECT_EQ(layout.typeSlots[0].resumePoint.x, 100.0);
    EXPECT_EQ(layout.typeSlots[0].resumePoint.y, 100.0);
}

TEST_P(PlacePart, SecondCopyOfATypeSearchesFromTheFirstCopysPoint) {
    Layout layout = layoutOf({parkedSquare("block"), parkedSquare("sq"), parkedSquare("sq")}, 50);
    ASSERT_TRUE(renewPackingPoints(layout));  // with the block still parked, the grid is whole
    Part& block = nth(layout, 0);
    block.moveBy(-6000, 100);  // by hand onto (0, 0): the points under it stay
    placePart(layout, nth(layout, 1));
    expectAt(nth(layout, 1), 0, 100, "first copy above the block");
    EXPECT_EQ(layout.slotFor("sq")->resumePoint.y, 100.0);

    block.moveBy(10000, 0);  // away again: (0, 0) is free and still a packing point
    placePart(layout, nth(layout, 2));
    expectAt(nth(layout, 2), 0, 200, "second copy above the first");
}

TEST_P(PlacePart, TypeWithoutSlotSearchesFromTheStartAndStoresNothing) {
    Layout layout = layoutOf({parkedSquare("sq")}, 50);
    layout.typeSlots = {TypeSlot{"other", Point(3000, 0)}};
    ASSERT_TRUE(renewPackingPoints(layout));
    placePart(layout, layout.parts.front());
    expectAt(layout.parts.front(), 0, 0, "square");
    EXPECT_EQ(layout.typeSlots[0].resumePoint.x, 3000.0);
}

TEST_P(PlacePart, PartOnTheBoardIsItsOwnObstacleUntilItSlides) {
    Layout layout = layoutOf({parkedSquare("sq")}, 50);
    ASSERT_TRUE(renewPackingPoints(layout));
    Part& square = layout.parts.front();
    square.moveBy(-6000, 100);  // by hand to (0, 0), points under it kept
    placePart(layout, square);
    // Trials at (0, 0) and (0, 50) meet the square's own old place; (0, 100) is the first fit, and the
    // slide down, which skips the square itself, brings it back.
    EXPECT_EQ(layout.typeSlots[0].resumePoint.y, 100.0);
    EXPECT_NEAR(square.xmin, 0.0, 1e-9);  // a half turn scores a rounding error better than none
    EXPECT_NEAR(square.ymin, 0.0, 1e-9);
}

TEST_P(PlacePart, NothingFitsOrNoOrientation) {
    for (int rn : {0, -3, 4}) {
        Layout layout = layoutOf({makeRectangle("huge", 6000, -5000, 7000, 5000)}, 500);
        layout.rn = rn;
        ASSERT_TRUE(renewPackingPoints(layout));
        const int before = layout.packingPoints.count();
        placePart(layout, layout.parts.front());
        expectAt(layout.parts.front(), 6000, -5000, "unchanged");
        EXPECT_EQ(layout.packingPoints.count(), before);
    }
    Layout layout = layoutOf({parkedSquare("sq")}, 50);
    layout.rn = 0;
    ASSERT_TRUE(renewPackingPoints(layout));
    placePart(layout, layout.parts.front());
    expectAt(layout.parts.front(), 6000, -100, "RN 0 places nothing");
}

TEST_P(Slides, StopWithinTheEndStepOfContact) {
    // Step 25, halved down to below 0.01: the square ends 0.00244140625 short of the obstacle at 310.
    Layout layout = layoutOf({makeRectangle("sq", 0, 0, 100, 100), makeRectangle("wall", 310, 0, 100, 100)}, 50);
    slideRight(layout, layout.parts.front());
    EXPECT_EQ(layout.parts.front().xmax, 309.99755859375);
    EXPECT_EQ(layout.parts.front().ymin, 0.0);

    struct Case {
        const char* name;
        void (*slide)(Layout&, Part&);
        double xmin, ymin;
    } const cases[] = {
        {"left", slideLeft, 0, 1000},
        {"right", slideRight, 5900, 1000},
        {"down", slideDown, 1000, 0},
        {"up", slideUp, 1000, 3900},
    };
    for (const Case& c : cases) {
        Layout alone = layoutOf({makeRectangle("sq", 1000, 1000, 100, 100)}, 50);
        c.slide(alone, alone.parts.front());
        expectAt(alone.parts.front(), c.xmin, c.ymin, c.name);
    }
}

TEST_P(Slides, NeverLoopWithoutAUsableStep) {
    for (double ppd : {0.0, -5.0}) {
        Layout layout = layoutOf({makeRectangle("sq", 1000, 1000, 100, 100)}, ppd);
        slideLeft(layout, layout.parts.front());
        slideUp(layout, layout.parts.front());
        expectAt(layout.parts.front(), 1000, 1000, "PPD not positive");
    }
    // A sliver 1e-13 high: its step is far below the resolution of x near 3000, so a move changes nothing.
    Layout layout = layoutOf({makeRectangle("sliver", 3000, 1000, 100, 1e-13)}, 50);
    slideLeft(layout, layout.parts.front());
    expectAt(layout.parts.front(), 3000, 1000, "sliver");
}

TEST_P(PackTimed, ReportsTheTimeInTheRightUnit) {
    struct Case {
        double seconds;
        const char* text;
    } const cases[] = {
        {1.5, "排样计算时间为:1.50 秒"},
        {1.0, "排样计算时间为:1000.00 毫秒"},
        {0.0123, "排样计算时间为:12.30 毫秒"},
    };
    for (const Case& c : cases) {
        Layout layout = layoutOf({parkedSquare("sq")}, 50);
        layout.parts.front().selected = true;
        RecordingPlatform platform;
        platform.clockStep = c.seconds;
        EXPECT_EQ(packTimed(layout, platform), c.seconds);
        ASSERT_EQ(platform.messages.size(), 1u);
        EXPECT_EQ(platform.messages[0].first, kNoticeCaption);
        EXPECT_EQ(platform.messages[0].second, c.text);
        EXPECT_EQ(platform.systemSounds, 1);
        EXPECT_EQ(testing::readFile(kTimingFileName), std::string(c.text) + "\n");
        EXPECT_FALSE(layout.firstStep);
        expectAt(layout.parts.front(), 0, 0, "placed");
    }
}

TEST_P(PackTimed, PlacesSelectedPartsInListOrder) {
    Layout layout = layoutOf({parkedSquare("a"), parkedSquare("b"), parkedSquare("c")}, 50);
    nth(layout, 0).selected = true;
    nth(layout, 2).selected = true;
    RecordingPlatform platform;
    packTimed(layout, platform);
    expectAt(nth(layout, 0), 0, 0, "a");
    expectAt(nth(layout, 1), 6000, -100, "b not selected");
    expectAt(nth(layout, 2), 0, 100, "c");
    EXPECT_TRUE(nth(layout, 2).selected);
    EXPECT_EQ(testing::checkLayout(layout), "");
}

TEST_P(PackTimed, UnwritableTimingFileIsReportedAndTheRunStillPacks) {
    std::filesystem::create_directory(kTimingFileName);  // a folder in the way of the file
    Layout layout = layoutOf({parkedSquare("sq")}, 50);
    layout.parts.front().selected = true;
    RecordingPlatform platform;
    packTimed(layout, platform);
    expectAt(layout.parts.front(), 0, 0, "placed");
    ASSERT_EQ(platform.messages.size(), 2u);
    EXPECT_EQ(platform.messages[0].first, kNoticeCaption);
    EXPECT_EQ(platform.messages[1].first, kWarningCaption);
    // The message names the file and the reason.
    EXPECT_EQ(
        platform.messages[1].second.rfind(std::string("记录排样计算时间的文件输出失败! (") + kTimingFileName + ": ", 0),
        0u);
}

TEST_P(PackTimed, TooFinePpdPlacesNothing) {
    Layout layout = layoutOf({parkedSquare("sq")}, 0.1);
    layout.parts.front().selected = true;
    RecordingPlatform platform;
    packTimed(layout, platform);
    ASSERT_EQ(platform.messages.size(), 1u);
    EXPECT_EQ(platform.messages[0].first, kWarningCaption);
    EXPECT_EQ(platform.messages[0].second, ppdTooSmallMessage(6000, 4000, 0.1));
    expectAt(layout.parts.front(), 6000, -100, "not placed");
    EXPECT_TRUE(layout.firstStep);
    EXPECT_FALSE(std::filesystem::exists(kTimingFileName));
}

TEST_P(PackStep, PlaysTheTuneOneNotePerPlacedPart) {
    std::vector<Part> squares;
    for (int i = 0; i < 12; ++i) squares.push_back(parkedSquare("sq"));
    Layout layout = layoutOf(squares, 50);
    for (Part& part : layout.parts) part.selected = true;
    RecordingPlatform platform;
    int noteIndex = 0;
    std::vector<bool> more;
    for (int i = 0; i < 12; ++i) more.push_back(packStep(layout, platform, noteIndex));
    std::vector<bool> expectedMore(11, true);
    expectedMore.push_back(false);
    EXPECT_EQ(more, expectedMore);
    std::vector<std::pair<int, int>> tones;
    for (const auto& tone : platform.tones) tones.emplace_back(tone.frequency, tone.milliseconds);
    const std::vector<std::pair<int, int>> expected = {{330, 200}, {392, 200}, {262, 400}, {294, 200},
                                                       {330, 200}, {196, 400}, {262, 200}, {294, 200},
                                                       {330, 200}, {392, 200}, {294, 800}, {330, 200}};
    EXPECT_EQ(tones, expected);
    EXPECT_EQ(noteIndex, 1);
    EXPECT_EQ(testing::checkLayout(layout), "");

    // Nothing left: the next tick ends the run without a note.
    EXPECT_FALSE(packStep(layout, platform, noteIndex));
    EXPECT_EQ(platform.tones.size(), 12u);
}

TEST_P(PackStep, NoteIndexCarriesOverAndAStuckPartIsTriedAgain) {
    Layout layout = layoutOf({makeRectangle("huge", 6000, -5000, 7000, 5000)}, 500);
    layout.parts.front().selected = true;
    RecordingPlatform platform;
    int noteIndex = 5;
    EXPECT_TRUE(packStep(layout, platform, noteIndex));
    EXPECT_TRUE(packStep(layout, platform, noteIndex));
    ASSERT_EQ(platform.tones.size(), 2u);
    EXPECT_EQ(platform.tones[0].frequency, 196);
    EXPECT_EQ(platform.tones[1].frequency, 262);
    EXPECT_EQ(noteIndex, 7);
}

INSTANTIATE_TEST_SUITE_P(Engines, PlacePart, ::testing::Bool(), engineName);
INSTANTIATE_TEST_SUITE_P(Engines, Slides, ::testing::Bool(), engineName);
INSTANTIATE_TEST_SUITE_P(Engines, PackTimed, ::testing::Bool(), engineName);
INSTANTIATE_TEST_SUITE_P(Engines, PackStep, ::testing::Bool(), engineName);

}  // namespace
}  // namespace orvanest
