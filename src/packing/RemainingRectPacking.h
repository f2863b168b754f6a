#pragma once

#include "geometry/Part.h"
#include "layout/Layout.h"
#include "layout/Platform.h"

namespace orvanest {

// Key L: packs the selected parts by their bounding boxes into the free rectangles, deselecting each.
void packRemainingRects(Layout& layout, Platform& platform);
// Puts one part into the smallest free rectangle that holds its box (turned if only that fits).
bool placeInRemainingRect(Layout& layout, Part& part, Platform& platform);

}  // namespace orvanest
