// Placeholders until the packing engine lands; each does nothing.
#include "packing/RemainingRectPacking.h"
#include "packing/Traversal.h"

namespace orvanest {

void packTraversal(Layout&, Platform&) {}
void packRemainingRects(Layout&, Platform&) {}

}  // namespace orvanest
