#pragma once

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <memory>
#include <unordered_map>
#include <vector>

#include "geometry/Polygon.h"

namespace orvanest::fast {

// The edges of a loop sorted into horizontal bands, so that a test at one height reads only the edges
// that reach it, and its vertices in order of height. Edge i runs from vertex i to vertex i + 1 (0 after
// the last), as everywhere.
class EdgeBands {
public:
    explicit EdgeBands(const Polygon& loop);

    // Calls f(i) once for every edge whose band range meets [lo, hi]: a superset of the edges whose y
    // range meets it.
    template <typename F>
    void forEach(double lo, double hi, F&& f) const {
        const int b0 = band(lo), b1 = band(hi);
        for (int b = b0; b <= b1; ++b) {
            for (std::uint32_t k = start_[static_cast<size_t>(b)]; k < start_[static_cast<size_t>(b) + 1]; ++k) {
                const std::uint32_t edge = entries_[k];
                const int first = firstBand_[edge];
                if ((first > b0 ? first : b0) == b) f(static_cast<int>(edge));
            }
        }
    }

    // Calls f(i) for the vertices with lo <= y <= hi, lowest first, until f answers true; answers whether
    // it did.
    template <typename F>
    bool anyVertex(double lo, double hi, F&& f) const {
        const auto first = std::lower_bound(vertexY_.begin(), vertexY_.end(), lo);
        for (auto it = first; it != vertexY_.end() && *it <= hi; ++it)
            if (f(static_cast<int>(vertexOrder_[static_cast<size_t>(it - vertexY_.begin())]))) return true;
        return false;
    }

private:
    int band(double y) const {
        const double b = std::floor((y - y0_) / height_);
        if (!(b > 0)) return 0;
        if (b >= bands_ - 1) return bands_ - 1;
        return static_cast<int>(b);
    }

    double y0_ = 0.0;
    double height_ = 1.0;
    int bands_ = 1;
    std::vector<std::uint32_t> start_;
    std::vector<std::uint32_t> entries_;
    std::vector<int> firstBand_;
    std::vector<double> vertexY_;             // ascending
    std::vector<std::uint32_t> vertexOrder_;  // the vertex of each entry of vertexY_
};

// Loops with fewer vertices are tested edge by edge; banding them would cost more than it saves.
inline constexpr int kBandedLoopMinimum = 24;

// Bands of the loops met during one placement, made on first use. The loops must not move meanwhile.
class EdgeBandsCache {
public:
    const EdgeBands* of(const Polygon& loop) {
        if (loop.count() < kBandedLoopMinimum) return nullptr;
        auto it = bands_.find(&loop);
        if (it == bands_.end()) it = bands_.emplace(&loop, std::make_unique<EdgeBands>(loop)).first;
        return it->second.get();
    }

private:
    std::unordered_map<const Polygon*, std::unique_ptr<EdgeBands>> bands_;
};

}  // namespace orvanest::fast
