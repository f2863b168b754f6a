#include "view/Drawing.h"

#include <vector>

namespace orvanest {
namespace {

void drawBand(PixelPoint a, PixelPoint b, const Pen& pen, Canvas& canvas) {
    canvas.drawPath({a, {b.x, a.y}, b, {a.x, b.y}, a}, pen);
}

}  // namespace

void drawLayout(const Layout& layout, const Viewport& view, Canvas& canvas) {
    drawBoard(layout, view, canvas);
    for (const Part& part : layout.parts) drawPart(part, view, canvas);
    for (const RemainingRect& rect : layout.remainingRects) drawRect(rect, view, canvas);
}

void drawBoard(const Layout& layout, const Viewport& view, Canvas& canvas) {
    const double l = layout.boardLength;
    const double w = layout.boardWidth;
    canvas.drawLine(view.toPixel(0.0, 0.0), view.toPixel(l, 0.0), kBoardPen);
    canvas.drawLine(view.toPixel(l, 0.0), view.toPixel(l, w), kBoardPen);
    canvas.drawLine(view.toPixel(l, w), view.toPixel(0.0, w), kBoardPen);
    canvas.drawLine(view.toPixel(0.0, w), view.toPixel(0.0, 0.0), kBoardPen);
}

void drawPart(const Part& part, const Viewport& view, Canvas& canvas) {
    drawLoop(part.outer, part.selected, view, canvas);
    for (const Polygon& hole : part.inners) drawLoop(hole, part.selected, view, canvas);
}

void drawLoop(const Polygon& loop, bool selected, const Viewport& view, Canvas& canvas) {
    const int n = loop.count();
    if (n == 0) return;
    const Pen& pen = selected ? kSelectedPartPen : kPartPen;
    for (int i = 0; i + 1 < n; ++i)
        canvas.drawLine(view.toPixel(loop.vertex(i)), view.toPixel(loop.vertex(i + 1)), pen);
    canvas.drawLine(view.toPixel(loop.vertex(n - 1)), view.toPixel(loop.vertex(0)), pen);
}

void drawRect(const RemainingRect& rect, const Viewport& view, Canvas& canvas) {
    const double x = rect.corner.x;
    const double y = rect.corner.y;
    const PixelPoint a = view.toPixel(x, y + rect.rect.width);
    const PixelPoint b = view.toPixel(x + rect.rect.length, y);
    canvas.drawPath({a, {a.x, b.y}, b, {b.x, a.y}, a}, kRemainingRectPen);
}

void drawPackingPoints(const Layout& layout, const Viewport& view, Canvas& canvas) {
    layout.packingPoints.forEachAlive([&](const Point& p) { canvas.setPixel(view.toPixel(p), kPackingPointColour); });
}

void drawCross(PixelPoint c, Canvas& canvas) {
    canvas.drawLine({c.x - 5, c.y - 5}, {c.x + 5, c.y + 5}, kCrossPen);
    canvas.drawLine({c.x - 5, c.y + 5}, {c.x + 5, c.y - 5}, kCrossPen);
}

void drawSelectionBand(PixelPoint start, PixelPoint end, Canvas& canvas) {
    drawBand(start, end, end.x >= start.x ? kWindowBandPen : kCrossingBandPen, canvas);
}

void drawZoomBand(PixelPoint start, PixelPoint end, Canvas& canvas) { drawBand(start, end, kZoomBandPen, canvas); }

}  // namespace orvanest
