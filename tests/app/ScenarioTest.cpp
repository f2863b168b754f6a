// The window driven as a user drives it, with the packing engine and the writers behind it.
#include <gtest/gtest.h>

#include <filesystem>

#include "app/CommandLayer.h"
#include "app/WindowHarness.h"
#include "packing/Overlap.h"
#include "view/Drawing.h"

namespace orvanest {
namespace {

using testing::CurrentDirectory;
using testing::Window;

int onBoard(Window& window) {
    int n = 0;
    for (const Part& part : window.layout().parts) n += liesWithin(part, window.layout().extent) ? 1 : 0;
    return n;
}

TEST(Scenario, ArrowKeysSlideTheSelectionToTheFirstObstacle) {
    Window window;
    ASSERT_TRUE(window.open());
    Part& plate = window.part(0);
    Part& other = window.part(1);
    other.moveBy(500.0 - other.xmin, 1000.0 - other.ymin);
    plate.moveBy(3000.0 - plate.xmin, 1000.0 - plate.ymin);
    plate.selected = true;

    window.commands.onKeyDown(ArrowKey::Left);
    EXPECT_GE(plate.xmin - other.xmax, 0.0);
    EXPECT_LT(plate.xmin - other.xmax, 0.01);
    const double touching = plate.xmin;
    window.commands.onKeyDown(ArrowKey::Left);
    EXPECT_NEAR(plate.xmin, touching, 0.01);

    window.commands.onKeyDown(ArrowKey::Down);
    EXPECT_GE(plate.ymin, 0.0);
    EXPECT_LT(plate.ymin, 0.01);
    window.commands.onKeyDown(ArrowKey::Right);
    EXPECT_LE(plate.xmax, 6000.0);
    EXPECT_GT(plate.xmax, 6000.0 - 0.01);
    window.commands.onKeyDown(ArrowKey::Up);
    EXPECT_LE(plate.ymax, 4000.0);
    EXPECT_GT(plate.ymax, 4000.0 - 0.01);
    EXPECT_EQ(other.xmin, 500.0);  // not selected, not moved
    EXPECT_EQ(window.platform.redraws, 1 + 5);
}

TEST(Scenario, DAnimatesOnePartPerTickUntilTheEnd) {
    Window window;
    ASSERT_TRUE(window.open());
    window.type("A", true);
    window.type("d");
    window.commands.onTimer();
    EXPECT_EQ(onBoard(window), 1);
    EXPECT_TRUE(window.commands.state().animating);
    window.platform.toneHeld = true;  // the first note still sounds: the next tick waits
    window.commands.onTimer();
    EXPECT_EQ(onBoard(window), 1);
    window.platform.toneHeld = false;
    window.type("d");  // pressing D again changes nothing
    window.commands.onTimer();
    EXPECT_EQ(onBoard(window), 2);
    EXPECT_FALSE(window.commands.state().animating);
    window.commands.onTimer();
    ASSERT_EQ(window.platform.tones.size(), 2u);
    EXPECT_EQ(window.platform.tones[0].frequency, 330);
    EXPECT_EQ(window.platform.tones[1].frequency, 392);
    EXPECT_TRUE(checkPlacedConflicts(window.layout()));

    // The tune goes on where it stopped, across a reload.
    ASSERT_TRUE(window.open());
    window.type("A", true);
    window.type("D");
    window.commands.onTimer();
    ASSERT_EQ(window.platform.tones.size(), 3u);
    EXPECT_EQ(window.platform.tones[2].frequency, 262);
    EXPECT_EQ(window.platform.tones[2].milliseconds, 400);
}

TEST(Scenario, TraversalAndRemainingRectanglesPackTheSelection) {
    for (const char key : {'k', 'L'}) {
        Window window;
        ASSERT_TRUE(window.open());
        window.type("a", true);
        window.type(std::string(1, key));
        EXPECT_EQ(onBoard(window), 2) << key;
        EXPECT_TRUE(checkPlacedConflicts(window.layout())) << key;
    }
}

TEST(Scenario, OpenSelectAllPackTimedAndReport) {
    testing::TemporaryFolder cwd;
    const CurrentDirectory here(cwd.path());
    Window window;
    ASSERT_TRUE(window.open());
    window.type("A", true);
    window.type("B");
    EXPECT_EQ(onBoard(window), 2);
    ASSERT_EQ(window.platform.messages.size(), 1u);
    EXPECT_EQ(window.platform.messages[0].first, kNoticeCaption);
    EXPECT_EQ(window.platform.messages[0].second.rfind("排样计算时间为:", 0), 0u);
    EXPECT_EQ(window.platform.systemSounds, 1);
    EXPECT_EQ(testing::readFile((cwd.path() / "排样计算时间.txt").string()), window.platform.messages[0].second + "\n");

    // Both plates stand upright (50 x 100), one above the other at the origin: 50 long, 2 x 4900 of area
    // on a 4000 wide board.
    const int redraws = window.platform.redraws;
    window.type("e");
    ASSERT_EQ(window.platform.messages.size(), 2u);
    EXPECT_EQ(window.platform.messages[1],
              (std::pair<std::string, std::string>{kNoticeCaption, "排样长度为:50.00 ,排样效率4.90%"}));
    EXPECT_EQ(testing::readFile((cwd.path() / "Report.txt").string()),
              "Packed length:50\nPacking density:4.9%\nArea of all parts:9800\n");
    EXPECT_FALSE(window.part(0).selected);  // the report replaced the selection: no conflicts
    EXPECT_EQ(window.platform.redraws, redraws + 1);

    // The upper plate dragged half way down onto the lower: both are marked and drawn red.
    Part& upper = window.part(0).ymin > window.part(1).ymin ? window.part(0) : window.part(1);
    window.type("s");
    window.click(window.pixelOf(upper.centroid.x, upper.centroid.y));
    ASSERT_TRUE(upper.selected);
    window.type("m");
    window.click({400, 300});
    window.click({400, 306});
    window.type("E");
    EXPECT_EQ(window.platform.texts().at(2), "板内零件排样冲突!");
    EXPECT_TRUE(window.part(0).selected && window.part(1).selected);
    EXPECT_EQ(window.paint().linesWith(kSelectedPartPen), 16);
}

TEST(Scenario, FileCommandsWriteWhereTheUserChose) {
    testing::TemporaryFolder cwd;
    const CurrentDirectory here(cwd.path());
    Window window;
    ASSERT_TRUE(window.open());
    const std::string layoutPath = (window.folder.path() / "layout.dxf").string();
    window.platform.chooserAnswers.push_back(layoutPath);
    window.commands.onCommand(kCommandWriteDxfLayout);
    EXPECT_NE(testing::readFile(layoutPath).find("EOF"), std::string::npos);

    window.commands.onCommand(kCommandExportParts);
    EXPECT_TRUE(std::filesystem::exists(cwd.path() / "platex2.dxf"));
    EXPECT_TRUE(window.platform.messages.empty());
    EXPECT_EQ(window.platform.redraws, 1);  // the load's; writing repaints nothing
}

}  // namespace
}  // namespace orvanest
