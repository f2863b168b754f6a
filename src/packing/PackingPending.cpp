// Placeholders until the packing engine lands; each does nothing.
#include "packing/Overlap.h"
#include "packing/PackingPointGrid.h"
#include "packing/Placement.h"
#include "packing/RemainingRectPacking.h"
#include "packing/Traversal.h"

namespace orvanest {

double packTimed(Layout&, Platform&) { return 0.0; }
bool packStep(Layout&, Platform&, int&) { return false; }
void slideLeft(Layout&, Part&) {}
void slideRight(Layout&, Part&) {}
void slideUp(Layout&, Part&) {}
void slideDown(Layout&, Part&) {}
void packTraversal(Layout&, Platform&) {}
void packRemainingRects(Layout&, Platform&) {}

}  // namespace orvanest
