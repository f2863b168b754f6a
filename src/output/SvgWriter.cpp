#include "output/SvgWriter.h"

#include <algorithm>
#include <charconv>
#include <cmath>

#include "layout/FileWriting.h"
#include "output/DxfWriter.h"
#include "output/OutputFailure.h"

namespace orvanest {
namespace {

constexpr double kPictureWidth = 1200.0;  // pixels

// Shortest text that reads back as the same double; SVG takes exponents as they come.
std::string svgNumber(double value) {
    if (!std::isfinite(value)) return "0";
    char buffer[32];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
    return std::string(buffer, result.ptr);
}

struct Bounds {
    double xmin, xmax, ymin, ymax;
    void include(double x0, double x1, double y0, double y1) {
        if (!std::isfinite(x0) || !std::isfinite(x1) || !std::isfinite(y0) || !std::isfinite(y1)) return;
        xmin = std::min(xmin, x0);
        xmax = std::max(xmax, x1);
        ymin = std::min(ymin, y0);
        ymax = std::max(ymax, y1);
    }
};

void appendLoop(std::string& d, const Polygon& loop) {
    for (int i = 0; i < loop.count(); ++i) {
        d += i == 0 ? "M" : " L";
        d += svgNumber(loop.vertex(i).x) + " " + svgNumber(loop.vertex(i).y);
    }
    if (!loop.empty()) d += " Z ";
}

}  // namespace

std::string svgText(const Layout& layout) {
    Bounds b{0.0, layout.boardLength, 0.0, layout.boardWidth};
    for (const Part& part : layout.parts) b.include(part.xmin, part.xmax, part.ymin, part.ymax);
    const double margin = 0.02 * std::max(b.xmax - b.xmin, b.ymax - b.ymin);
    b.include(b.xmin - margin, b.xmax + margin, b.ymin - margin, b.ymax + margin);
    const double w = std::max(b.xmax - b.xmin, 1e-9);
    const double h = std::max(b.ymax - b.ymin, 1e-9);
    const double pictureHeight = std::clamp(std::round(kPictureWidth * h / w), 1.0, 100.0 * kPictureWidth);

    std::string svg = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n";
    // The model's y points up: the view box covers the mirrored range and the group mirrors back.
    svg += "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"" + svgNumber(kPictureWidth) + "\" height=\"" +
           svgNumber(pictureHeight) + "\" viewBox=\"" + svgNumber(b.xmin) + " " + svgNumber(-b.ymax) + " " +
           svgNumber(w) + " " + svgNumber(h) + "\">\n";
    svg += "<rect x=\"" + svgNumber(b.xmin) + "\" y=\"" + svgNumber(-b.ymax) + "\" width=\"" + svgNumber(w) +
           "\" height=\"" + svgNumber(h) + "\" fill=\"white\"/>\n";
    svg += "<g transform=\"scale(1,-1)\" stroke-width=\"1\" vector-effect=\"non-scaling-stroke\">\n";
    svg += "<rect class=\"board\" x=\"0\" y=\"0\" width=\"" + svgNumber(layout.boardLength) + "\" height=\"" +
           svgNumber(layout.boardWidth) +
           "\" fill=\"#f4f1e8\" stroke=\"black\" vector-effect=\"non-scaling-stroke\"/>\n";
    for (const RemainingRect& free : layout.remainingRects) {
        svg += "<rect class=\"free\" x=\"" + svgNumber(free.corner.x) + "\" y=\"" + svgNumber(free.corner.y) +
               "\" width=\"" + svgNumber(free.rect.length) + "\" height=\"" + svgNumber(free.rect.width) +
               "\" fill=\"none\" stroke=\"#3a8d3a\" stroke-dasharray=\"4 3\" vector-effect=\"non-scaling-stroke\"/>\n";
    }
    for (const Part& part : layout.parts) {
        std::string d;
        appendLoop(d, part.outer);
        for (const Polygon& hole : part.inners) appendLoop(d, hole);
        const char* fill = part.selected ? "#f2a33a" : "#8fb3d9";
        const char* stroke = part.selected ? "#b3541e" : "#1f4e79";
        svg += std::string("<path class=\"") + (part.selected ? "part selected" : "part") + "\" d=\"" + d +
               "\" fill=\"" + fill + "\" fill-rule=\"evenodd\" stroke=\"" + stroke +
               "\" vector-effect=\"non-scaling-stroke\"/>\n";
    }
    svg += "</g>\n</svg>\n";
    return svg;
}

bool writeSvg(const Layout& layout, const std::string& path, Platform& platform) {
    std::string error;
    if (writeFileAtomically(path, svgText(layout), &error)) return true;
    platform.showMessage(kWarningCaption, outputFailureText(kDxfWriteError, path, error));
    return false;
}

}  // namespace orvanest
