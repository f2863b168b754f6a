#include "app/Editing.h"

#include <algorithm>

#include "packing/Overlap.h"
#include "packing/Placement.h"

namespace orvanest {
namespace {

struct ModelStep {
    double dx;
    double dy;
};

ModelStep modelStep(const Viewport& view, int x1, int y1, int x2, int y2) {
    const Point from = view.toModel(x1, y1);
    const Point to = view.toModel(x2, y2);
    return {to.x - from.x, to.y - from.y};
}

// Moves a member part and undoes the move when it leaves the part off the board or in conflict. The
// part is restored in place: its address is what the validity test skips.
void moveOrRestore(Layout& layout, Part& part, double dx, double dy) {
    const Part before = part;
    part.moveBy(dx, dy);
    if (!isPlacementValid(layout, part)) part = before;
}

}  // namespace

bool pickAt(Layout& layout, const Viewport& view, int px, int py) {
    const Point p = view.toModel(px, py);
    for (Part& part : layout.parts) {
        if (coversPoint(part, p)) {
            part.selected = !part.selected;
            return true;
        }
    }
    return false;
}

bool selectInRect(Layout& layout, const Viewport& view, int x1, int y1, int x2, int y2) {
    const bool window = x2 >= x1;
    const Point topLeft = view.toModel(std::min(x1, x2), std::min(y1, y2));
    const Point bottomRight = view.toModel(std::max(x1, x2), std::max(y1, y2));
    const double xmin = topLeft.x;
    const double ymax = topLeft.y;
    const double xmax = bottomRight.x;
    const double ymin = bottomRight.y;
    bool any = false;
    for (Part& part : layout.parts) {
        const bool qualifies =
            window ? liesWithin(part, xmin, xmax, ymin, ymax) : overlapsRect(part, xmin, xmax, ymin, ymax);
        if (qualifies) {
            part.selected = true;
            any = true;
        }
    }
    return any;
}

void clearSelection(Layout& layout) {
    for (Part& part : layout.parts) part.selected = false;
}

void selectAll(Layout& layout) {
    for (Part& part : layout.parts) part.selected = true;
}

void moveSelected(Layout& layout, const Viewport& view, int x1, int y1, int x2, int y2) {
    const ModelStep step = modelStep(view, x1, y1, x2, y2);
    for (Part& part : layout.parts)
        if (part.selected) part.moveBy(step.dx, step.dy);
}

void moveSelectedGuarded(Layout& layout, const Viewport& view, int x1, int y1, int x2, int y2) {
    const ModelStep step = modelStep(view, x1, y1, x2, y2);
    for (Part& part : layout.parts) {
        if (!part.selected) continue;
        moveOrRestore(layout, part, step.dx, 0.0);
        moveOrRestore(layout, part, 0.0, step.dy);
    }
}

void rotateSelected(Layout& layout, const Point& centre, double angle) {
    for (Part& part : layout.parts)
        if (part.selected) part.rotateAbout(centre, angle);
}

void slideSelected(Layout& layout, SlideDirection direction) {
    for (Part& part : layout.parts) {
        if (!part.selected) continue;
        switch (direction) {
            case SlideDirection::Left: slideLeft(layout, part); break;
            case SlideDirection::Up: slideUp(layout, part); break;
            case SlideDirection::Right: slideRight(layout, part); break;
            case SlideDirection::Down: slideDown(layout, part); break;
        }
    }
}

void bringNextPart(Layout& layout) {
    const auto next = std::find_if(layout.parts.begin(), layout.parts.end(),
                                   [&layout](const Part& part) { return !liesWithin(part, layout.extent); });
    clearSelection(layout);
    if (next == layout.parts.end()) return;
    next->moveBy(layout.boardLength - next->xmin, layout.boardWidth - next->ymax);
    next->selected = true;
}

}  // namespace orvanest
