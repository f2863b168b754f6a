#pragma once

#include "geometry/Point.h"
#include "layout/Layout.h"
#include "view/Canvas.h"

namespace orvanest {

// Maps model coordinates (y up) to client pixels (y down) and back, with zoom and pan. Unfitted until
// the first `init`; a view whose scale cannot be computed (an extent or a band of zero size, a zero
// client area) keeps the scale it had, so the mapping stays finite and invertible.
class Viewport {
public:
    // Stores the client size and the extent, then fits.
    void init(int width, int height, const Extent& extent);
    // Shows the whole stored extent with a 5 % margin on the tighter axis.
    void fit();
    void pan(int dx, int dy);
    // The model point under (px, py) stays under it.
    void zoomAt(int px, int py, double newScale);
    // Shows the pixel rectangle with the corners given in any order, without margin.
    void zoomToRect(int x1, int y1, int x2, int y2);

    // Truncates towards zero; values beyond the int32 range are clamped to it.
    PixelPoint toPixel(const Point& p) const;
    PixelPoint toPixel(double x, double y) const { return toPixel(Point(x, y)); }
    Point toModel(int px, int py) const;

    const Extent& extent() const { return extent_; }
    int width() const { return width_; }
    int height() const { return height_; }
    int originX() const { return originX_; }
    int originY() const { return originY_; }
    double scale() const { return scale_; }
    double centreX() const { return centreX_; }
    double centreY() const { return centreY_; }

private:
    Extent extent_;
    int width_ = 0;
    int height_ = 0;
    int originX_ = 0;
    int originY_ = 0;
    double scale_ = 1.0;
    double centreX_ = 0.0;
    double centreY_ = 0.0;
};

}  // namespace orvanest
