#include "view/Viewport.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <limits>

namespace orvanest {
namespace {

// Truncation towards zero into int32; a value beyond the range (a huge zoom) is clamped instead of
// being undefined, and a NaN becomes 0.
int truncateToInt32(double value) {
    if (std::isnan(value)) return 0;
    constexpr double lowest = std::numeric_limits<std::int32_t>::min();
    constexpr double highest = std::numeric_limits<std::int32_t>::max();
    return static_cast<int>(std::clamp(value, lowest, highest));
}

int clampToInt32(std::int64_t value) {
    return static_cast<int>(std::clamp<std::int64_t>(value, std::numeric_limits<std::int32_t>::min(),
                                                     std::numeric_limits<std::int32_t>::max()));
}

bool usableScale(double scale) { return std::isfinite(scale) && scale > 0.0; }

}  // namespace

void Viewport::init(int width, int height, const Extent& extent) {
    width_ = width;
    height_ = height;
    extent_ = extent;
    originX_ = width / 2;
    originY_ = height / 2;
    fit();
}

void Viewport::fit() {
    const Extent& e = extent_;
    if (e.xmax != e.xmin && e.ymax != e.ymin) {
        const double sx = width_ / std::fabs(e.xmax - e.xmin);
        const double sy = height_ / std::fabs(e.ymax - e.ymin);
        const double fitted = std::min(sx, sy) * 0.95;
        if (usableScale(fitted)) scale_ = fitted;
    }
    originX_ = width_ / 2;
    originY_ = height_ / 2;
    centreX_ = (e.xmax + e.xmin) * 0.5;
    centreY_ = (e.ymax + e.ymin) * 0.5;
}

void Viewport::pan(int dx, int dy) {
    originX_ = clampToInt32(std::int64_t{originX_} + dx);
    originY_ = clampToInt32(std::int64_t{originY_} + dy);
}

void Viewport::zoomAt(int px, int py, double newScale) {
    const Point p = toModel(px, py);
    centreX_ = p.x;
    centreY_ = p.y;
    if (usableScale(newScale)) scale_ = newScale;
    originX_ = px;
    originY_ = py;
}

void Viewport::zoomToRect(int x1, int y1, int x2, int y2) {
    const Point p1 = toModel(x1, y1);
    const Point p2 = toModel(x2, y2);
    centreX_ = (p2.x + p1.x) * 0.5;
    centreY_ = (p2.y + p1.y) * 0.5;
    const double a = width_ / scale_ / std::fabs(p1.x - p2.x);
    const double b = height_ / scale_ / std::fabs(p1.y - p2.y);
    const double zoomed = scale_ * std::min(a, b);
    if (usableScale(zoomed)) scale_ = zoomed;
    originX_ = width_ / 2;
    originY_ = height_ / 2;
}

PixelPoint Viewport::toPixel(const Point& p) const {
    const int vx = truncateToInt32((p.x - centreX_) * scale_);
    const int vy = truncateToInt32((p.y - centreY_) * scale_);
    return PixelPoint{clampToInt32(std::int64_t{originX_} + vx), clampToInt32(std::int64_t{originY_} - vy)};
}

Point Viewport::toModel(int px, int py) const {
    const std::int64_t dx = std::int64_t{px} - originX_;
    const std::int64_t dy = std::int64_t{originY_} - py;
    return Point(static_cast<double>(dx) / scale_ + centreX_, static_cast<double>(dy) / scale_ + centreY_);
}

}  // namespace orvanest
