#pragma once

#include "geometry/BoardRect.h"
#include "geometry/Part.h"
#include "geometry/Polygon.h"
#include "layout/Layout.h"
#include "view/Canvas.h"
#include "view/Viewport.h"

namespace orvanest {

inline constexpr Pen kBoardPen{kWhite, 1, LineStyle::Solid};
inline constexpr Pen kPartPen{kGreen, 1, LineStyle::Solid};
inline constexpr Pen kSelectedPartPen{kRed, 2, LineStyle::Solid};
inline constexpr Pen kRemainingRectPen{kBlue, 1, LineStyle::Solid};
inline constexpr Rgb kPackingPointColour = kBlue;
inline constexpr Pen kCrossPen{kRed, 1, LineStyle::Solid};
inline constexpr Pen kWindowBandPen{kMagenta, 1, LineStyle::Solid};
inline constexpr Pen kCrossingBandPen{kMagenta, 1, LineStyle::Dash};
inline constexpr Pen kZoomBandPen{kWhite, 1, LineStyle::Solid};

// The board outline, then every part in list order, then every free rectangle in list order.
void drawLayout(const Layout& layout, const Viewport& view, Canvas& canvas);
// Four separate segments from the board size, whatever the free rectangles are.
void drawBoard(const Layout& layout, const Viewport& view, Canvas& canvas);
// The outer loop, then each hole, all in the pen of the part's selection.
void drawPart(const Part& part, const Viewport& view, Canvas& canvas);
// Each edge as its own segment, the closing one last.
void drawLoop(const Polygon& loop, bool selected, const Viewport& view, Canvas& canvas);
void drawRect(const RemainingRect& rect, const Viewport& view, Canvas& canvas);
// One blue pixel per packing point.
void drawPackingPoints(const Layout& layout, const Viewport& view, Canvas& canvas);

// The overlays, in client pixels.
void drawCross(PixelPoint centre, Canvas& canvas);
// Solid when dragged rightwards (window selection), dashed when leftwards (crossing selection).
void drawSelectionBand(PixelPoint start, PixelPoint end, Canvas& canvas);
void drawZoomBand(PixelPoint start, PixelPoint end, Canvas& canvas);

}  // namespace orvanest
