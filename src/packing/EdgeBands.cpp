#include "packing/EdgeBands.h"

#include <algorithm>
#include <cmath>

namespace orvanest::fast {

EdgeBands::EdgeBands(const Polygon& loop) : loop_(&loop) {
    const int n = loop.count();
    y0_ = loop.ymin;
    const double span = loop.ymax - loop.ymin;
    // About twice the square root of the edges: few edges per band without listing long edges too often.
    bands_ = std::clamp(static_cast<int>(2.0 * std::sqrt(static_cast<double>(n))), 1, 256);
    inverseHeight_ = span > 0 && std::isfinite(span) ? bands_ / span : 1.0;
    if (!(span > 0) || !std::isfinite(span)) bands_ = 1;
    std::vector<std::uint32_t> counts(static_cast<size_t>(bands_) + 1, 0);
    firstBand_.resize(static_cast<size_t>(n));
    auto range = [&](int i) {
        const Point& a = loop.vertex(i);
        const Point& b = loop.vertex(i + 1 == n ? 0 : i + 1);
        return std::pair<int, int>(band(std::min(a.y, b.y)), band(std::max(a.y, b.y)));
    };
    for (int i = 0; i < n; ++i) {
        const auto [b0, b1] = range(i);
        firstBand_[static_cast<size_t>(i)] = static_cast<std::uint8_t>(b0);
        for (int b = b0; b <= b1; ++b) ++counts[static_cast<size_t>(b) + 1];
    }
    for (size_t b = 1; b < counts.size(); ++b) counts[b] += counts[b - 1];
    start_ = counts;
    entries_.resize(counts.back());
    for (int i = 0; i < n; ++i) {
        const auto [b0, b1] = range(i);
        for (int b = b0; b <= b1; ++b) entries_[counts[static_cast<size_t>(b)]++] = static_cast<std::uint32_t>(i);
    }
    reaches_.reserve(static_cast<size_t>(n));
    for (int i = 0; i < n; ++i) {
        const Point& p = loop.vertex(i);
        const Point& q = loop.vertex(i + 1 == n ? 0 : i + 1);
        reaches_.push_back(EdgeLine::of(p.x, p.y, q.x, q.y));
    }
    vertexOrder_.resize(static_cast<size_t>(n));
    for (int i = 0; i < n; ++i) vertexOrder_[static_cast<size_t>(i)] = static_cast<std::uint32_t>(i);
    std::sort(vertexOrder_.begin(), vertexOrder_.end(), [&loop](std::uint32_t a, std::uint32_t b) {
        return loop.vertex(static_cast<int>(a)).y < loop.vertex(static_cast<int>(b)).y;
    });
}

}  // namespace orvanest::fast
