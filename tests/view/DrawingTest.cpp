#include "view/Drawing.h"

#include <gtest/gtest.h>

#include "support/RecordingCanvas.h"
#include "support/TestJobs.h"

namespace orvanest {
namespace {

using testing::RecordingCanvas;

// A view where one model unit is one pixel and the model origin is pixel (0, 100).
Viewport unitView() {
    Viewport view;
    view.init(200, 200, Extent{0.0, 200.0, 0.0, 200.0});
    view.zoomAt(100, 100, 1.0);
    view.pan(0, -100);
    return view;
}

TEST(Drawing, UnitViewMapsModelToPixels) {
    EXPECT_EQ(unitView().toPixel(0.0, 0.0), (PixelPoint{0, 100}));
    EXPECT_EQ(unitView().toPixel(30.0, 20.0), (PixelPoint{30, 80}));
}

TEST(Drawing, APartsLoopsTakeThePenOfItsSelection) {
    Part part = testing::makePart("p", {Point(0, 0), Point(40, 0), Point(40, 30), Point(0, 30)},
                                  {{Point(10, 10), Point(20, 10), Point(20, 20)}});
    for (const bool selected : {false, true}) {
        part.selected = selected;
        RecordingCanvas canvas;
        drawPart(part, unitView(), canvas);
        const Pen& pen = selected ? kSelectedPartPen : kPartPen;
        const std::vector<RecordingCanvas::Line> expected = {
            {{0, 100}, {40, 100}, pen}, {{40, 100}, {40, 70}, pen}, {{40, 70}, {0, 70}, pen}, {{0, 70}, {0, 100}, pen},
            {{10, 90}, {20, 90}, pen},  {{20, 90}, {20, 80}, pen},  {{20, 80}, {10, 90}, pen}};
        EXPECT_EQ(canvas.lines, expected) << "selected " << selected;
    }
    EXPECT_EQ(kSelectedPartPen, (Pen{kRed, 2, LineStyle::Solid}));
    EXPECT_EQ(kPartPen, (Pen{kGreen, 1, LineStyle::Solid}));
}

TEST(Drawing, ASingleVertexLoopDrawsItsClosingSegmentOnly) {
    RecordingCanvas canvas;
    drawLoop(Polygon({Point(5, 5)}), false, unitView(), canvas);
    ASSERT_EQ(canvas.lines.size(), 1u);
    EXPECT_EQ(canvas.lines[0].from, canvas.lines[0].to);
    RecordingCanvas none;
    drawLoop(Polygon(), false, unitView(), none);
    EXPECT_TRUE(none.lines.empty());
}

TEST(Drawing, LayoutDrawsBoardThenPartsThenFreeRectangles) {
    Layout layout;
    layout.setBoard(100.0, 50.0);
    layout.addPartFront(testing::makeRectangle("a", 10, 10, 20, 20));
    layout.remainingRects.insertByArea(BoardRect{10.0, 5.0, 0.0, 50.0}, Point(60.0, 20.0));
    RecordingCanvas canvas;
    drawLayout(layout, unitView(), canvas);

    ASSERT_EQ(canvas.lines.size(), 8u);
    const std::vector<RecordingCanvas::Line> board(canvas.lines.begin(), canvas.lines.begin() + 4);
    const std::vector<RecordingCanvas::Line> expectedBoard = {{{0, 100}, {100, 100}, kBoardPen},
                                                              {{100, 100}, {100, 50}, kBoardPen},
                                                              {{100, 50}, {0, 50}, kBoardPen},
                                                              {{0, 50}, {0, 100}, kBoardPen}};
    EXPECT_EQ(board, expectedBoard);
    EXPECT_EQ(canvas.linesWith(kPartPen), 4);
    // The whole board first, then the small rectangle: top-left, bottom-left, bottom-right, top-right.
    ASSERT_EQ(canvas.paths.size(), 2u);
    const std::vector<PixelPoint> small = {{60, 75}, {60, 80}, {70, 80}, {70, 75}, {60, 75}};
    EXPECT_EQ(canvas.paths[0].points, small);
    EXPECT_EQ(canvas.paths[0].pen, kRemainingRectPen);
    EXPECT_EQ(canvas.paths[1].points.front(), (PixelPoint{0, 50}));
}

TEST(Drawing, PackingPointsAreSingleBluePixels) {
    Layout layout;
    layout.packingPoints.assign({Point(0, 0), Point(0, 10), Point(10, 0)});
    layout.packingPoints.erase(1);
    RecordingCanvas canvas;
    drawPackingPoints(layout, unitView(), canvas);
    const std::vector<RecordingCanvas::Pixel> expected = {{{0, 100}, kBlue}, {{10, 100}, kBlue}};
    EXPECT_EQ(canvas.pixels, expected);
}

TEST(Drawing, Overlays) {
    RecordingCanvas canvas;
    drawCross({50, 60}, canvas);
    const std::vector<RecordingCanvas::Line> cross = {{{45, 55}, {55, 65}, kCrossPen}, {{45, 65}, {55, 55}, kCrossPen}};
    EXPECT_EQ(canvas.lines, cross);

    drawSelectionBand({10, 10}, {30, 40}, canvas);
    drawSelectionBand({30, 10}, {10, 40}, canvas);
    drawSelectionBand({10, 10}, {10, 40}, canvas);
    drawZoomBand({10, 10}, {30, 40}, canvas);
    ASSERT_EQ(canvas.paths.size(), 4u);
    EXPECT_EQ(canvas.paths[0].points, (std::vector<PixelPoint>{{10, 10}, {30, 10}, {30, 40}, {10, 40}, {10, 10}}));
    EXPECT_EQ(canvas.paths[0].pen, (Pen{kMagenta, 1, LineStyle::Solid}));
    EXPECT_EQ(canvas.paths[1].pen, (Pen{kMagenta, 1, LineStyle::Dash}));
    EXPECT_EQ(canvas.paths[2].pen.style, LineStyle::Solid);  // a vertical band counts as rightwards
    EXPECT_EQ(canvas.paths[3].pen, (Pen{kWhite, 1, LineStyle::Solid}));
}

}  // namespace
}  // namespace orvanest
