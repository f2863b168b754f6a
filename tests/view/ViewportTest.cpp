#include "view/Viewport.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <limits>

namespace orvanest {
namespace {

constexpr Extent kBoard{0.0, 6000.0, 0.0, 4000.0};

Viewport fittedBoard(int width = 800, int height = 600) {
    Viewport view;
    view.init(width, height, kBoard);
    return view;
}

TEST(Viewport, FitShowsTheWholeBoardWithAMargin) {
    const Viewport view = fittedBoard();
    EXPECT_EQ(view.scale(), std::min(800.0 / 6000.0, 600.0 / 4000.0) * 0.95);
    EXPECT_EQ(view.originX(), 400);
    EXPECT_EQ(view.originY(), 300);
    EXPECT_EQ(view.centreX(), 3000.0);
    EXPECT_EQ(view.centreY(), 2000.0);
    EXPECT_EQ(view.toPixel(3000.0, 2000.0), (PixelPoint{400, 300}));
    const PixelPoint lowerLeft = view.toPixel(0.0, 0.0);
    const PixelPoint upperRight = view.toPixel(6000.0, 4000.0);
    // Each half is 379.99... pixels before truncation.
    EXPECT_EQ(upperRight.x - lowerLeft.x, 758);
    EXPECT_EQ(lowerLeft.y - upperRight.y, 506);
    EXPECT_EQ(fittedBoard(801, 600).originX(), 400);
}

TEST(Viewport, ToPixelTruncatesTowardsZero) {
    const Viewport view = fittedBoard();
    EXPECT_EQ(view.toPixel(2999.99, 1999.99), (PixelPoint{400, 300}));
    EXPECT_EQ(view.toPixel(3000.01, 2000.01), (PixelPoint{400, 300}));
    // One full pixel left of and below the centre.
    const double pixel = 1.0 / view.scale();
    EXPECT_EQ(view.toPixel(3000.0 - pixel * 1.5, 2000.0 - pixel * 1.5), (PixelPoint{399, 301}));
}

TEST(Viewport, ToModelInvertsToPixelWithinOnePixel) {
    const Viewport view = fittedBoard();
    for (const Point& p : {Point(0.0, 0.0), Point(1234.5, 3210.75), Point(-17.25, 4999.0), Point(6000.0, 4000.0)}) {
        const PixelPoint px = view.toPixel(p);
        const Point back = view.toModel(px.x, px.y);
        EXPECT_LE(std::fabs(back.x - p.x), 1.0 / view.scale());
        EXPECT_LE(std::fabs(back.y - p.y), 1.0 / view.scale());
    }
    EXPECT_EQ(view.toModel(400, 300).x, 3000.0);
    EXPECT_EQ(view.toModel(400, 290).y, 10 / view.scale() + 2000.0);
}

TEST(Viewport, ZoomAtKeepsThePointUnderTheCursor) {
    Viewport view = fittedBoard();
    const Point under = view.toModel(123, 456);
    view.zoomAt(123, 456, view.scale() * 1.1);
    EXPECT_EQ(view.toModel(123, 456).x, under.x);
    EXPECT_EQ(view.toModel(123, 456).y, under.y);
    EXPECT_EQ(view.toPixel(under), (PixelPoint{123, 456}));

    Viewport same = fittedBoard();
    same.zoomAt(400, 300, same.scale());
    EXPECT_EQ(same.toPixel(1000.0, 1000.0), fittedBoard().toPixel(1000.0, 1000.0));
}

TEST(Viewport, ZoomToRectIgnoresTheCornerOrder) {
    struct Corners {
        const char* name;
        int x1, y1, x2, y2;
    };
    const Corners orders[] = {{"left to right, top down", 100, 200, 300, 260},
                              {"right to left", 300, 200, 100, 260},
                              {"bottom up", 100, 260, 300, 200},
                              {"both reversed", 300, 260, 100, 200}};
    Viewport reference = fittedBoard();
    reference.zoomToRect(100, 200, 300, 260);
    const Point p1 = fittedBoard().toModel(100, 200);
    const Point p2 = fittedBoard().toModel(300, 260);
    EXPECT_EQ(reference.centreX(), (p2.x + p1.x) * 0.5);
    const Viewport fitted = fittedBoard();
    EXPECT_EQ(reference.scale(), fitted.scale() * std::min(800 / fitted.scale() / std::fabs(p1.x - p2.x),
                                                           600 / fitted.scale() / std::fabs(p1.y - p2.y)));
    for (const Corners& c : orders) {
        Viewport view = fittedBoard();
        view.pan(7, -3);
        view.zoomToRect(c.x1 + 7, c.y1 - 3, c.x2 + 7, c.y2 - 3);
        EXPECT_DOUBLE_EQ(view.scale(), reference.scale()) << c.name;
        EXPECT_DOUBLE_EQ(view.centreX(), reference.centreX()) << c.name;
        EXPECT_DOUBLE_EQ(view.centreY(), reference.centreY()) << c.name;
        EXPECT_EQ(view.originX(), 400) << c.name;
    }
}

TEST(Viewport, DegenerateSizesKeepThePreviousScale) {
    const double fitted = fittedBoard().scale();

    Viewport flat = fittedBoard();
    flat.init(800, 600, Extent{0.0, 6000.0, 0.0, 0.0});
    EXPECT_EQ(flat.scale(), fitted);
    EXPECT_EQ(flat.centreX(), 3000.0);

    Viewport point = fittedBoard();
    point.zoomToRect(250, 250, 250, 250);
    EXPECT_EQ(point.scale(), fitted);

    Viewport minimised = fittedBoard();
    minimised.init(0, 0, kBoard);
    EXPECT_EQ(minimised.scale(), fitted);

    Viewport unfitted;
    unfitted.init(800, 600, Extent{});
    const Point p = unfitted.toModel(10, 10);
    EXPECT_TRUE(std::isfinite(p.x) && std::isfinite(p.y));
}

TEST(Viewport, ExtremeZoomClampsPixelsInsteadOfOverflowing) {
    Viewport view = fittedBoard();
    view.zoomAt(400, 300, 1e300);
    const PixelPoint far = view.toPixel(6000.0, 0.0);
    EXPECT_EQ(far.x, std::numeric_limits<int>::max());
    EXPECT_EQ(far.y, std::numeric_limits<int>::max());
    view.zoomAt(400, 300, view.scale() * 1e300);  // would be infinite
    EXPECT_EQ(view.scale(), 1e300);
}

TEST(Viewport, PanMovesTheOrigin) {
    Viewport view = fittedBoard();
    const PixelPoint before = view.toPixel(100.0, 100.0);
    view.pan(15, -20);
    EXPECT_EQ(view.toPixel(100.0, 100.0), (PixelPoint{before.x + 15, before.y - 20}));
}

}  // namespace
}  // namespace orvanest
