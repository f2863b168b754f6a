// Placeholders until the packing engine lands; each does nothing.
#include "packing/Overlap.h"
#include "packing/PackingPointGrid.h"
#include "packing/Placement.h"
#include "packing/RemainingRectPacking.h"
#include "packing/Traversal.h"

namespace orvanest {

bool isPlacementValid(const Layout&, const Part&) { return false; }
bool renewPackingPoints(Layout&) { return true; }
double packTimed(Layout&, Platform&) { return 0.0; }
bool packStep(Layout&, Platform&, int&) { return false; }
void packTraversal(Layout&, Platform&) {}
void packRemainingRects(Layout&, Platform&) {}

}  // namespace orvanest
