#pragma once

#include <QPainter>

#include "view/Canvas.h"

namespace orvanest {

// The drawing seam on a QPainter: no antialiasing, flat caps, so a line covers its start pixel and not
// its end pixel, as the drawing code expects.
class QtCanvas : public Canvas {
public:
    explicit QtCanvas(QPainter& painter);

    void fill(Rgb colour) override;
    void drawLine(PixelPoint from, PixelPoint to, const Pen& pen) override;
    void drawPath(const std::vector<PixelPoint>& points, const Pen& pen) override;
    void setPixel(PixelPoint p, Rgb colour) override;

private:
    QPainter& painter_;
};

}  // namespace orvanest
