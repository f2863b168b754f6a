#pragma once

#include "geometry/Part.h"
#include "layout/Layout.h"

namespace orvanest {

// Rebuilds the grid of candidate points from the board and PPD, then removes those under every part.
// A PPD whose grid would exceed kMaxPackingPoints builds nothing and answers false (the list is empty).
bool renewPackingPoints(Layout& layout);
// Removes every packing point in the part's material, as far as its bounding box reaches.
void removeCoveredPoints(Layout& layout, const Part& part);
// The vertex of the part (outer loop first, then holes) nearest its centroid, recomputed first.
Point referenceVertex(Part& part);

}  // namespace orvanest
