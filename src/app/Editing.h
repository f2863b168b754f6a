#pragma once

#include "geometry/Point.h"
#include "layout/Layout.h"
#include "view/Viewport.h"

namespace orvanest {

enum class SlideDirection { Left, Up, Right, Down };

// Hand editing of the selection. Every operation visits the parts in list order; pixel arguments are
// client pixels converted through `view`.

// Toggles the first part whose material covers the pixel (a hole does not count); answers whether one did.
bool pickAt(Layout& layout, const Viewport& view, int px, int py);
// Dragged rightwards (x2 >= x1): selects the parts lying within the band; leftwards: the parts the band
// touches. Only adds to the selection; answers whether some part qualified.
bool selectInRect(Layout& layout, const Viewport& view, int x1, int y1, int x2, int y2);
void clearSelection(Layout& layout);
void selectAll(Layout& layout);
// Moves the selected parts by the model distance between the two pixels, unchecked.
void moveSelected(Layout& layout, const Viewport& view, int x1, int y1, int x2, int y2);
// The same, each axis on its own: a step that leaves a part off the board or in conflict is undone.
void moveSelectedGuarded(Layout& layout, const Viewport& view, int x1, int y1, int x2, int y2);
// Turns the selected parts counter-clockwise by `angle` radians, unchecked.
void rotateSelected(Layout& layout, const Point& centre, double angle);
// Slides each selected part until it is within 0.01 of the first obstacle in that direction.
void slideSelected(Layout& layout, SlideDirection direction);
// Parks the first part not on the board at its right edge, top edges level, and selects it alone.
void bringNextPart(Layout& layout);

}  // namespace orvanest
