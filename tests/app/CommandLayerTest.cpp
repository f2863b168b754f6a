#include "app/CommandLayer.h"

#include <gtest/gtest.h>

#include "app/FileChoosers.h"
#include "app/WindowHarness.h"
#include "view/Drawing.h"

namespace orvanest {
namespace {

using testing::RecordingCanvas;
using testing::Window;

// The minimal job parks both 100 x 50 plates on one another at the board's lower right outside corner;
// this pixel lies in their material.
PixelPoint parkedPlate(const Window& window) { return window.pixelOf(6050.0, -25.0); }

int selectedCount(Window& window) {
    int n = 0;
    for (const Part& part : window.layout().parts) n += part.selected ? 1 : 0;
    return n;
}

TEST(CommandLayer, OpeningAFileFitsTheWholeBoard) {
    Window window;
    ASSERT_TRUE(window.open());
    EXPECT_EQ(window.layout().parts.size(), 2u);
    const FileChooser& shown = window.platform.choosersShown.at(0);
    EXPECT_EQ(shown.title, "Open File of Parts ");
    EXPECT_EQ(shown.filterDescription, "Text Files (*.TXT)");
    EXPECT_EQ(shown.filterPattern, "*.txt");
    EXPECT_EQ(shown.defaultExtension, "txt");
    const Extent& saved = window.commands.state().savedExtent;
    EXPECT_EQ(saved.xmax, 6000.0);
    EXPECT_EQ(saved.ymax, 4000.0);
    Viewport fitted;
    fitted.init(800, 600, saved);
    EXPECT_EQ(window.commands.viewport().scale(), fitted.scale());
    EXPECT_EQ(window.platform.redraws, 1);
}

TEST(CommandLayer, BothChoosersShareTheLastPath) {
    Window window;
    ASSERT_TRUE(window.open());
    const std::string jobPath = (window.folder.path() / "job.txt").string();
    EXPECT_EQ(window.commands.state().filePath, jobPath);
    window.platform.chooserAnswers.push_back(std::nullopt);
    window.commands.onCommand(kCommandWriteDxfLayout);
    ASSERT_EQ(window.platform.choosersShown.size(), 2u);
    const FileChooser& save = window.platform.choosersShown[1];
    EXPECT_EQ(save.title, "Write DXF File of Layout");
    EXPECT_EQ(save.filterDescription, "Text Files (*.DXF)");
    EXPECT_EQ(save.filterPattern, "*.dxf");
    EXPECT_EQ(save.defaultExtension, "dxf");
    EXPECT_TRUE(save.forSaving);
    EXPECT_EQ(window.platform.chooserStartPaths[1], jobPath);
    EXPECT_EQ(window.commands.state().filePath, jobPath);  // the cancel kept it
    EXPECT_TRUE(window.platform.messages.empty());
}

TEST(CommandLayer, AFailedOrCancelledOpenKeepsTheLayout) {
    Window window;
    ASSERT_TRUE(window.open());
    window.part(0).moveBy(-3000.0, 2000.0);
    window.type("s");
    window.click({10, 10});  // counter at 1
    const double movedX = window.part(0).xmin;

    window.platform.chooserAnswers.push_back(std::nullopt);
    window.commands.onCommand(kCommandOpenPartData);
    EXPECT_FALSE(window.open("BoardLength: 6000\nBoardWidth: 0\n", "flat.txt"));
    EXPECT_FALSE(window.open("", "empty/missing.txt"));
    EXPECT_FALSE(window.platform.messages.empty());
    EXPECT_EQ(window.part(0).xmin, movedX);
    EXPECT_EQ(window.commands.state().savedExtent.xmax, 6000.0);

    // A good file replaces the layout; the mode and the counter survive the reload.
    ASSERT_TRUE(window.open("BoardLength: 3000\nBoardWidth: 2000\nThickness   : 0\n", "small.txt"));
    EXPECT_EQ(window.commands.state().savedExtent.xmax, 3000.0);
    EXPECT_TRUE(window.layout().parts.empty());
    EXPECT_EQ(window.commands.state().mode, InteractionMode::Select);
    EXPECT_EQ(window.commands.state().clickCount, 1);
}

TEST(CommandLayer, ModeKeysAndTheClickCounter) {
    struct Row {
        char key;
        InteractionMode mode;
        bool keepsCounter;
    };
    const Row rows[] = {{'M', InteractionMode::Move, false},      {'o', InteractionMode::GuardedMove, false},
                        {'P', InteractionMode::Pan, false},       {'r', InteractionMode::Rotate, false},
                        {'S', InteractionMode::Select, true},     {'z', InteractionMode::ZoomWindow, true},
                        {'q', InteractionMode::ZoomWindow, true}, {'7', InteractionMode::ZoomWindow, true}};
    Window window;
    ASSERT_TRUE(window.open());
    for (const Row& row : rows) {
        window.type("z");
        window.click({10, 10});
        ASSERT_EQ(window.commands.state().clickCount, 1);
        const int redraws = window.platform.redraws;
        window.type(std::string(1, row.key));
        EXPECT_EQ(window.commands.state().mode, row.mode) << row.key;
        EXPECT_EQ(window.commands.state().clickCount, row.keepsCounter ? 1 : 0) << row.key;
        EXPECT_EQ(window.platform.redraws, redraws) << row.key;
        window.type("\x1b");
    }
    window.commands.onChar(U'排', false);
    EXPECT_EQ(window.commands.state().mode, InteractionMode::ZoomWindow);
}

TEST(CommandLayer, ACounterLeftByRotateModeMakesTheNextSelectClickASecondOne) {
    Window window;
    ASSERT_TRUE(window.open());
    window.type("s");
    window.click({5, 5});  // first corner at (5, 5); nothing hit
    window.type("r");      // counter back to 0
    window.click({50, 50});
    EXPECT_EQ(window.commands.state().clickCount, 1);
    window.type("s");
    window.click({795, 570});  // acts as the second corner: window band from (5, 5)
    EXPECT_EQ(window.commands.state().clickCount, 0);
    EXPECT_EQ(selectedCount(window), 2);

    // Left at 2, the counter makes every select and zoom click do nothing until Esc.
    window.type(
        "\x1b"
        "r");
    window.click({50, 50});
    window.click({60, 60});
    window.type("s");
    const PixelPoint plate = parkedPlate(window);
    window.click(plate);
    window.type("z");
    window.click({100, 100});
    window.click({200, 200});
    EXPECT_EQ(selectedCount(window), 0);
    EXPECT_EQ(window.commands.state().clickCount, 5);
    window.type(
        "\x1b"
        "s");
    window.click(plate);
    EXPECT_EQ(selectedCount(window), 1);
}

TEST(CommandLayer, SelectModeClickTogglesAndBandsSelect) {
    Window window;
    ASSERT_TRUE(window.open());
    window.type("S");
    const PixelPoint plate = parkedPlate(window);
    window.click(plate);
    EXPECT_TRUE(window.part(0).selected);
    EXPECT_FALSE(window.part(1).selected);  // the two lie on one another: only the first is hit
    EXPECT_TRUE(window.commands.state().pickedByClick);
    EXPECT_EQ(window.commands.state().clickCount, 0);
    window.moveMouse({300, 300});
    EXPECT_TRUE(window.paint().paths.size() == 1u);  // the free board rectangle, no band
    window.click(plate);
    EXPECT_FALSE(window.part(0).selected);

    // Rightwards through the plates: they do not lie within the band.
    window.click({785, 540});
    EXPECT_FALSE(window.commands.state().pickedByClick);
    window.moveMouse({795, 570});
    EXPECT_EQ(window.commands.state().selEnd, (PixelPoint{795, 570}));
    RecordingCanvas canvas = window.paint();
    ASSERT_EQ(canvas.paths.size(), 2u);
    EXPECT_EQ(canvas.paths[1].pen, kWindowBandPen);
    window.click({795, 570});
    EXPECT_EQ(selectedCount(window), 0);

    // The same band dragged leftwards touches them.
    window.click({795, 540});
    window.moveMouse({785, 570});
    EXPECT_EQ(window.paint().paths.at(1).pen, kCrossingBandPen);
    window.click({785, 570});
    EXPECT_EQ(selectedCount(window), 2);
    EXPECT_EQ(window.commands.state().clickCount, 0);
}

TEST(CommandLayer, GuardedMovesRefuseTheBlockedAxisOnly) {
    Window window;
    ASSERT_TRUE(window.open());
    Part& mover = window.part(0);
    Part& obstacle = window.part(1);
    mover.moveBy(5810.0 - mover.xmin, 1000.0 - mover.ymin);
    obstacle.moveBy(5700.0 - obstacle.xmin, 1000.0 - obstacle.ymin);
    mover.selected = true;
    const double unit = 1.0 / window.commands.viewport().scale();

    // Guarded-move mode, two clicks: right into the board edge, and up.
    window.type("o");
    window.click({400, 300});
    window.click({420, 280});
    EXPECT_EQ(mover.xmin, 5810.0);
    EXPECT_DOUBLE_EQ(mover.ymin, 1000.0 + 20 * unit);

    // Move mode with Shift: a drag left into the other plate keeps x and follows on y.
    obstacle.moveBy(0.0, mover.ymin - obstacle.ymin);
    window.type("m");
    window.click({400, 300});
    window.moveMouse({380, 290}, true);
    EXPECT_EQ(mover.xmin, 5810.0);
    EXPECT_DOUBLE_EQ(mover.ymin, 1000.0 + 30 * unit);
    // Without Shift the drag is unchecked: on into the other plate.
    window.moveMouse({350, 280});
    EXPECT_DOUBLE_EQ(mover.xmin, 5810.0 - 30 * unit);
    window.click({350, 280});
    EXPECT_EQ(window.commands.state().clickCount, 0);
    EXPECT_EQ(obstacle.xmin, 5700.0);
}

TEST(CommandLayer, NFetchesTheFirstPartOffTheBoard) {
    Window window;
    ASSERT_TRUE(window.open());
    window.type("N");
    EXPECT_EQ(window.part(0).xmin, 6000.0);
    EXPECT_EQ(window.part(0).ymax, 4000.0);
    EXPECT_TRUE(window.part(0).selected);
    EXPECT_EQ(selectedCount(window), 1);
    window.type("n");
    EXPECT_EQ(window.part(0).ymax, 4000.0);
    EXPECT_EQ(window.part(1).ymax, 0.0);
    EXPECT_EQ(window.platform.redraws, 3);
}

TEST(CommandLayer, ViewCommandsZoomPanAndFitBack) {
    Window window;
    ASSERT_TRUE(window.open());
    const double fitted = window.commands.viewport().scale();
    const Point under = window.commands.viewport().toModel(200, 150);
    window.commands.onMouseWheel(120, 200, 150);
    EXPECT_EQ(window.commands.viewport().scale(), fitted * 1.1);
    EXPECT_EQ(window.commands.viewport().toModel(200, 150).x, under.x);
    EXPECT_EQ(window.commands.viewport().toModel(200, 150).y, under.y);
    window.commands.onMouseWheel(-120, 200, 150);
    EXPECT_EQ(window.commands.viewport().scale(), fitted * 1.1 * 0.9);

    window.commands.onSize(800, 600);
    EXPECT_EQ(window.commands.viewport().scale(), fitted);
    EXPECT_EQ(window.commands.viewport().centreX(), 3000.0);

    window.type("z");
    window.click({100, 100});
    window.moveMouse({300, 250});
    RecordingCanvas canvas = window.paint();
    ASSERT_EQ(canvas.paths.size(), 2u);
    EXPECT_EQ(canvas.paths[1].pen, kZoomBandPen);
    EXPECT_EQ(canvas.paths[1].points.front(), (PixelPoint{100, 100}));
    window.click({300, 250});
    EXPECT_GT(window.commands.viewport().scale(), fitted * 3);

    window.type("x");
    EXPECT_EQ(window.commands.viewport().scale(), fitted);

    window.type("p");
    const PixelPoint corner = window.pixelOf(0.0, 0.0);
    window.click({100, 100});
    window.moveMouse({110, 95});
    window.click({130, 90});
    EXPECT_EQ(window.pixelOf(0.0, 0.0), (PixelPoint{corner.x + 30, corner.y - 10}));
}

TEST(CommandLayer, RotateModeTurnsTheSelectionAboutTheClickedCentre) {
    Window window;
    ASSERT_TRUE(window.open());
    window.type("a", true);
    window.type("a");  // not in rotate mode: nothing
    EXPECT_EQ(window.part(0).ymax, 0.0);

    window.type("r");
    const PixelPoint centrePixel{700, 500};
    window.click(centrePixel);
    const Point centre = window.commands.viewport().toModel(700, 500);
    EXPECT_EQ(window.commands.state().rotationCentre.x, centre.x);
    Part expected = window.part(0);
    const double step = 3.1415926 * 0.08333333333333334;
    for (const double angle : {step, step, -step, -step}) expected.rotateAbout(centre, angle);
    window.type("A");
    window.commands.onMouseWheel(120, 0, 0);
    window.type("c");
    window.commands.onMouseWheel(-120, 0, 0);
    for (size_t part = 0; part < 2; ++part) {
        EXPECT_EQ(window.part(part).outer.vertex(1).x, expected.outer.vertex(1).x);
        EXPECT_EQ(window.part(part).outer.vertex(1).y, expected.outer.vertex(1).y);
    }

    // The cross stays at the clicked pixel while the view changes; the centre stays in the model.
    window.type("z");
    window.commands.onMouseWheel(120, 10, 10);
    window.type("r");
    const RecordingCanvas canvas = window.paint();
    EXPECT_EQ(canvas.linesWith(kCrossPen), 2);
    EXPECT_EQ(canvas.lines.back().from, (PixelPoint{695, 505}));
    EXPECT_EQ(window.commands.state().rotationCentre.x, centre.x);
}

TEST(CommandLayer, PaintShowsTheSelectionAndTogglesPackingPoints) {
    Window window;
    ASSERT_TRUE(window.open());
    window.part(0).selected = true;
    window.layout().packingPoints.assign({Point(0, 0), Point(0, 50), Point(50, 0)});

    RecordingCanvas canvas = window.paint();
    EXPECT_EQ(canvas.fills, std::vector<Rgb>{kBlack});
    EXPECT_EQ(canvas.linesWith(kBoardPen), 4);
    EXPECT_EQ(canvas.linesWith(kSelectedPartPen), 8);  // outer loop and hole
    EXPECT_EQ(canvas.linesWith(kPartPen), 8);
    EXPECT_EQ(canvas.pixels.size(), 3u);
    EXPECT_EQ(canvas.paths.size(), 1u);

    window.commands.onCommand(kCommandShowPackingPoints);
    EXPECT_FALSE(window.commands.showPackingPoints());
    canvas = window.paint();
    EXPECT_TRUE(canvas.pixels.empty());
    EXPECT_EQ(canvas.paths.size(), 1u);  // free rectangles are still drawn
    window.commands.onCommand(kCommandShowPackingPoints);
    EXPECT_EQ(window.paint().pixels.size(), 3u);
    const std::vector<std::pair<int, bool>> checks = {{kCommandShowPackingPoints, false},
                                                      {kCommandShowPackingPoints, true}};
    EXPECT_EQ(window.platform.menuChecks, checks);
    EXPECT_EQ(window.platform.fullRedraws, 2);
}

TEST(CommandLayer, BackgroundCommandsMoveTheCheckMark) {
    Window window;
    window.commands.onCommand(kCommandWhiteBackground);
    EXPECT_EQ(window.commands.backgroundMenuItem(), kCommandWhiteBackground);
    EXPECT_EQ(window.paint().fills, std::vector<Rgb>{kWhite});
    window.commands.onCommand(kCommandBlackBackground);
    EXPECT_EQ(window.commands.backgroundColour(), kBlack);
    const std::vector<std::pair<int, bool>> checks = {{kCommandBlackBackground, false},
                                                      {kCommandWhiteBackground, true},
                                                      {kCommandWhiteBackground, false},
                                                      {kCommandBlackBackground, true}};
    EXPECT_EQ(window.platform.menuChecks, checks);
    EXPECT_EQ(window.platform.fullRedraws, 2);
    EXPECT_FALSE(window.commands.onCommand(40099));
}

TEST(CommandLayer, CommandsOnThePartSetDoNothingWithoutALayout) {
    Window window;
    window.type(
        "\x1b"
        "abcdeklns");
    window.type("a", true);
    window.type("r");
    window.type("ac");
    window.commands.onMouseWheel(120, 10, 10);
    window.commands.onKeyDown(ArrowKey::Left);
    window.click({10, 10});
    window.commands.onTimer();
    for (const int id : {kCommandWriteDxfLayout, kCommandIdSequence, kCommandExportParts})
        window.commands.onCommand(id);
    EXPECT_EQ(window.commands.layout(), nullptr);
    EXPECT_FALSE(window.commands.state().animating);
    EXPECT_EQ(window.commands.state().clickCount, 0);
    EXPECT_TRUE(window.platform.messages.empty());
    EXPECT_TRUE(window.platform.choosersShown.empty());
    EXPECT_EQ(window.platform.redraws, 0);
    EXPECT_EQ(window.paint().lines.size(), 0u);

    window.commands.onCommand(kCommandRenewRnPpd);
    window.commands.onCommand(kCommandRenewRnPpd);
    EXPECT_EQ(window.platform.dialogsOpened, 2);
}

TEST(CommandLayer, TheAnimationWaitsForItsToneAndStopsAtTheEnd) {
    Window window;
    ASSERT_TRUE(window.open());
    window.type("D");
    window.type("d");
    EXPECT_TRUE(window.commands.state().animating);
    window.platform.toneHeld = true;
    const int redraws = window.platform.redraws;
    window.commands.onTimer();
    EXPECT_TRUE(window.commands.state().animating);
    EXPECT_EQ(window.platform.redraws, redraws);
    window.platform.toneHeld = false;
    window.commands.onTimer();  // nothing is selected: the run ends at once, without a note
    EXPECT_FALSE(window.commands.state().animating);
    EXPECT_EQ(window.platform.redraws, redraws + 1);
    EXPECT_TRUE(window.platform.tones.empty());
    window.commands.onTimer();
    EXPECT_EQ(window.platform.redraws, redraws + 1);
}

// The progress dialog lets timer ticks through: an animation under way must not place parts in the
// middle of a run of key B or K.
TEST(CommandLayer, AnimationStepsWaitWhileARunIsUnderWay) {
    for (const char* key : {"b", "k"}) {
        Window window;
        ASSERT_TRUE(window.open());
        window.type("A", true);
        window.type("d");
        window.platform.duringProgress = [&window] { window.commands.onTimer(); };
        window.type(key);
        EXPECT_TRUE(window.platform.tones.empty()) << key;
        EXPECT_EQ(window.platform.progress.size(), window.layout().parts.size()) << key;
        window.platform.duringProgress = nullptr;
        window.commands.onTimer();  // afterwards the animation goes on
        EXPECT_FALSE(window.commands.state().animating) << key;
    }
}

TEST(CommandLayer, IdSequenceReordersWithoutRepainting) {
    Window window;
    ASSERT_TRUE(window.open());
    window.part(0).moveBy(-1000.0, 1000.0);
    const int redraws = window.platform.redraws;
    window.platform.chooserAnswers.push_back(window.folder.write("order.txt", "1,0\n"));
    window.commands.onCommand(kCommandIdSequence);
    EXPECT_EQ(window.part(1).xmin, 5000.0);
    EXPECT_EQ(window.part(0).xmin, 6000.0);
    EXPECT_EQ(window.platform.redraws, redraws);
    EXPECT_EQ(window.platform.choosersShown.back().title, "Open File of Parts ");
}

}  // namespace
}  // namespace orvanest
