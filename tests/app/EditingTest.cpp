#include "app/Editing.h"

#include <gtest/gtest.h>

#include "support/TestJobs.h"

namespace orvanest {
namespace {

using testing::makePart;
using testing::makeRectangle;

// One model unit per pixel; model (0, 0) at pixel (0, 1000), so pixel (x, y) is model (x, 1000 - y).
Viewport unitView() {
    Viewport view;
    view.init(1000, 1000, Extent{0.0, 1000.0, 0.0, 1000.0});
    view.zoomAt(500, 500, 1.0);
    return view;
}

PixelPoint px(double x, double y) { return unitView().toPixel(x, y); }

// A 1000 x 1000 board holding, in list order: a 100 x 100 frame with a 60 x 60 hole at (100, 100),
// a 50 x 50 square overlapping the frame's corner, and a 20 x 20 square at (500, 500).
struct EditingLayout {
    Layout layout;
    Part* frame;
    Part* corner;
    Part* small;

    EditingLayout() {
        layout.setBoard(1000.0, 1000.0);
        layout.computeExtent();
        layout.addPartFront(makeRectangle("small", 500, 500, 20, 20));
        layout.addPartFront(makeRectangle("corner", 180, 180, 50, 50));
        layout.addPartFront(makePart("frame", {Point(100, 100), Point(200, 100), Point(200, 200), Point(100, 200)},
                                     {{Point(120, 120), Point(180, 120), Point(180, 180), Point(120, 180)}}));
        auto it = layout.parts.begin();
        frame = &*it++;
        corner = &*it++;
        small = &*it;
    }
    int selectedCount() const {
        int n = 0;
        for (const Part& part : layout.parts) n += part.selected ? 1 : 0;
        return n;
    }
};

TEST(Editing, UnitViewIsExact) {
    EXPECT_EQ(px(0, 0), (PixelPoint{0, 1000}));
    EXPECT_EQ(unitView().toModel(150, 850).x, 150.0);
    EXPECT_EQ(unitView().toModel(150, 850).y, 150.0);
}

TEST(Editing, PickTogglesTheFirstPartHitAndSkipsHoles) {
    EditingLayout e;
    const Viewport view = unitView();
    const PixelPoint overlap = px(190, 190);  // in the frame and in the corner square
    EXPECT_TRUE(pickAt(e.layout, view, overlap.x, overlap.y));
    EXPECT_TRUE(e.frame->selected);
    EXPECT_FALSE(e.corner->selected);
    EXPECT_TRUE(pickAt(e.layout, view, overlap.x, overlap.y));
    EXPECT_FALSE(e.frame->selected);

    const PixelPoint hole = px(150, 150);
    EXPECT_FALSE(pickAt(e.layout, view, hole.x, hole.y));
    const PixelPoint empty = px(800, 800);
    EXPECT_FALSE(pickAt(e.layout, view, empty.x, empty.y));
    EXPECT_EQ(e.selectedCount(), 0);
}

TEST(Editing, BandSelectsWithinRightwardsAndTouchingLeftwards) {
    struct Band {
        const char* name;
        Point from;
        Point to;
        bool frame, corner, small;
    };
    const Band bands[] = {
        {"rightwards around the frame only", {90, 210}, {210, 90}, true, false, false},
        {"rightwards through the frame", {150, 250}, {250, 150}, false, true, false},
        {"leftwards through the frame", {250, 250}, {150, 150}, true, true, false},
        {"leftwards inside the hole", {170, 170}, {130, 130}, false, false, false},
        {"rightwards around everything", {0, 1000}, {1000, 0}, true, true, true},
        {"leftwards, dragged upwards", {520, 490}, {510, 530}, false, false, true},
    };
    for (const Band& band : bands) {
        EditingLayout e;
        const PixelPoint a = px(band.from.x, band.from.y);
        const PixelPoint b = px(band.to.x, band.to.y);
        const bool any = selectInRect(e.layout, unitView(), a.x, a.y, b.x, b.y);
        EXPECT_EQ(e.frame->selected, band.frame) << band.name;
        EXPECT_EQ(e.corner->selected, band.corner) << band.name;
        EXPECT_EQ(e.small->selected, band.small) << band.name;
        EXPECT_EQ(any, band.frame || band.corner || band.small) << band.name;
    }
}

TEST(Editing, BandSelectionOnlyAdds) {
    EditingLayout e;
    e.small->selected = true;
    const PixelPoint a = px(90, 210);
    const PixelPoint b = px(210, 90);
    selectInRect(e.layout, unitView(), a.x, a.y, b.x, b.y);
    EXPECT_TRUE(e.small->selected);
    EXPECT_TRUE(e.frame->selected);
}

TEST(Editing, NothingSelectedNothingMoves) {
    EditingLayout e;
    moveSelected(e.layout, unitView(), 0, 0, 50, 50);
    moveSelectedGuarded(e.layout, unitView(), 0, 0, 50, 50);
    rotateSelected(e.layout, Point(0, 0), 1.0);
    slideSelected(e.layout, SlideDirection::Left);
    EXPECT_EQ(e.small->xmin, 500.0);
    EXPECT_EQ(e.frame->xmin, 100.0);
    EXPECT_EQ(e.corner->ymin, 180.0);
}

TEST(Editing, FreeMoveAndRotationTouchOnlyTheSelection) {
    EditingLayout e;
    e.small->selected = true;
    e.corner->selected = true;
    moveSelected(e.layout, unitView(), 10, 10, 40, -10);  // model (+30, +20), into the frame: unchecked
    EXPECT_EQ(e.small->xmin, 530.0);
    EXPECT_EQ(e.small->ymin, 520.0);
    EXPECT_EQ(e.corner->xmin, 210.0);
    EXPECT_EQ(e.frame->xmin, 100.0);

    Part expected = *e.small;
    expected.rotateAbout(Point(0, 0), 0.5);
    rotateSelected(e.layout, Point(0, 0), 0.5);
    EXPECT_EQ(e.small->outer.vertices()[2].x, expected.outer.vertices()[2].x);
    EXPECT_EQ(e.small->ymax, expected.ymax);
    EXPECT_EQ(e.frame->xmin, 100.0);
}

TEST(Editing, GuardedMoveJudgesEachAxisOnItsOwn) {
    EditingLayout e;
    e.small->selected = true;
    // Diagonally into the board's right edge: x is refused, y goes through.
    moveSelectedGuarded(e.layout, unitView(), 0, 500, 600, 400);
    EXPECT_EQ(e.small->xmin, 500.0);
    EXPECT_EQ(e.small->ymin, 600.0);
    // Into the frame on x, free on y.
    e.small->selected = false;
    e.corner->selected = true;
    const double cornerX = e.corner->xmin;
    moveSelectedGuarded(e.layout, unitView(), 0, 500, -50, 450);  // model (-50, +50)
    EXPECT_EQ(e.corner->xmin, cornerX);
    EXPECT_EQ(e.corner->ymin, 230.0);
}

TEST(Editing, GuardedMoveRestoresThePartInPlace) {
    EditingLayout e;
    e.small->selected = true;
    const Part* address = e.small;
    const std::vector<Point> before = e.small->outer.vertices();
    moveSelectedGuarded(e.layout, unitView(), 0, 0, 600, 0);
    EXPECT_EQ(&*std::next(e.layout.parts.begin(), 2), address);
    ASSERT_EQ(e.small->outer.count(), 4);
    for (int i = 0; i < 4; ++i) EXPECT_EQ(e.small->outer.vertex(i).x, before[static_cast<size_t>(i)].x);
    EXPECT_TRUE(e.small->selected);
    // Restored in place, the part still skips itself: a small valid step is accepted.
    moveSelectedGuarded(e.layout, unitView(), 0, 0, 10, 0);
    EXPECT_EQ(e.small->xmin, 510.0);
}

TEST(Editing, GuardedMoveTestsAgainstPartsMovedEarlierInTheSameCall) {
    Layout layout;
    layout.setBoard(1000.0, 1000.0);
    layout.computeExtent();
    layout.addPartFront(makeRectangle("behind", 100, 0, 100, 100));
    layout.addPartFront(makeRectangle("ahead", 300, 0, 100, 100));
    for (Part& part : layout.parts) part.selected = true;
    // "ahead" moves first and clears the way: "behind" would overlap its old place, not its new one.
    moveSelectedGuarded(layout, unitView(), 0, 0, 150, 0);
    EXPECT_EQ(layout.parts.front().xmin, 450.0);
    EXPECT_EQ(layout.parts.back().xmin, 250.0);
}

TEST(Editing, BringNextPartFetchesTheFirstPartOffTheBoard) {
    EditingLayout e;
    e.corner->moveBy(2000, 0);
    e.small->moveBy(3000, -900);
    e.frame->selected = true;
    bringNextPart(e.layout);
    EXPECT_EQ(e.corner->xmin, 1000.0);
    EXPECT_EQ(e.corner->ymax, 1000.0);
    EXPECT_TRUE(e.corner->selected);
    EXPECT_EQ(e.selectedCount(), 1);
    bringNextPart(e.layout);  // still off the board: the same part again
    EXPECT_EQ(e.corner->xmin, 1000.0);
    EXPECT_EQ(e.selectedCount(), 1);
    EXPECT_EQ(e.small->xmin, 3500.0);

    EditingLayout all;
    all.frame->selected = true;
    bringNextPart(all.layout);
    EXPECT_EQ(all.selectedCount(), 0);
    EXPECT_EQ(all.frame->xmin, 100.0);
}

}  // namespace
}  // namespace orvanest
