#pragma once

#include <vector>

#include "view/Canvas.h"

namespace orvanest::testing {

// A canvas that records every call in order. Header-only: the support library's source list is fixed.
class RecordingCanvas : public Canvas {
public:
    struct Line {
        PixelPoint from;
        PixelPoint to;
        Pen pen;
        friend bool operator==(const Line&, const Line&) = default;
    };
    struct Path {
        std::vector<PixelPoint> points;
        Pen pen;
        friend bool operator==(const Path&, const Path&) = default;
    };
    struct Pixel {
        PixelPoint at;
        Rgb colour;
        friend bool operator==(const Pixel&, const Pixel&) = default;
    };

    void fill(Rgb colour) override { fills.push_back(colour); }
    void drawLine(PixelPoint from, PixelPoint to, const Pen& pen) override { lines.push_back({from, to, pen}); }
    void drawPath(const std::vector<PixelPoint>& points, const Pen& pen) override { paths.push_back({points, pen}); }
    void setPixel(PixelPoint p, Rgb colour) override { pixels.push_back({p, colour}); }

    // How many lines were drawn with this pen.
    int linesWith(const Pen& pen) const {
        int n = 0;
        for (const Line& line : lines) n += line.pen == pen ? 1 : 0;
        return n;
    }

    std::vector<Rgb> fills;
    std::vector<Line> lines;
    std::vector<Path> paths;
    std::vector<Pixel> pixels;
};

}  // namespace orvanest::testing
