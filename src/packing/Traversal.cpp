#include "packing/Traversal.h"

#include <cstdio>

#include "packing/FastEngine.h"
#include "packing/GridLimits.h"
#include "packing/Overlap.h"

namespace orvanest {
namespace {

// Tries the grid positions column by column from the left, each column from the bottom; the part
// stays at the first that fits, or returns to where it was.
bool placeOnGrid(const Layout& layout, Part& part) {
    const Part start = part;
    const double xmin0 = part.xmin;
    const double ymin0 = part.ymin;
    const double length = layout.boardLength;
    const double width = layout.boardWidth;
    const double ppd = layout.ppd;
    // Only this part moves during its walk, so the others can be indexed once.
    const fast::MovingPartCheck check(layout, part);
    auto valid = [&] { return layout.useLiteralEngine ? isPlacementValid(layout, part) : check.valid(); };
    double x = 0.0;
    do {
        double y = 0.0;
        if (width >= 0.0) {
            do {
                part.moveBy(x - xmin0, y - ymin0);
                if (valid()) return true;
                part = start;
                y = y + ppd;
            } while (y <= width);
        }
        x = x + ppd;
    } while (x <= length);
    return false;
}

}  // namespace

void packTraversal(Layout& layout, Platform& platform) {
    // The walk advances by PPD: one that is not positive (a part of no size makes it 0 at loading)
    // would never pass the board's size.
    if (!(layout.ppd > 0.0)) {
        char text[160];
        std::snprintf(text, sizeof text,
                      "PPD=%g does not advance the traversal; give a PPD greater than 0 in Renew_RN_PPD.", layout.ppd);
        platform.showMessage(kWarningCaption, text);
        return;
    }
    if (packingPointCount(layout.boardLength, layout.boardWidth, layout.ppd) > kMaxPackingPoints) {
        platform.showMessage(kWarningCaption, ppdTooSmallMessage(layout.boardLength, layout.boardWidth, layout.ppd));
        return;
    }
    bool failed = false;
    int total = 0;
    for (const Part& part : layout.parts) total += part.selected ? 1 : 0;
    int done = 0;
    for (Part& part : layout.parts) {
        if (!part.selected) continue;
        if (layout.boardLength < 0.0 || !placeOnGrid(layout, part)) failed = true;
        if (!platform.packingProgress(++done, total)) break;
    }
    if (failed) platform.showMessage(kWarningCaption, "某个(些)零件遍历排样失败!");
}

}  // namespace orvanest
