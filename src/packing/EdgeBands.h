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

    // The crossing parity at (px, py) of the edges that reach height py, with the coefficients of each
    // edge's intersection worked out once: the very arithmetic of the crossing test, valid while the
    // loop stays where it was when the bands were made.
    bool crossingsOdd(double px, double py) const {
        const int b = band(py);
        bool odd = false;
        for (std::uint32_t k = start_[static_cast<size_t>(b)]; k < start_[static_cast<size_t>(b) + 1]; ++k) {
            const EdgeRecord& e = records_[entries_[k]];
            if (!(e.lo <= py && py < e.hi)) continue;
            if (e.c == 0.0 ? px < e.b : -(e.a * py + e.b) / e.c > px) odd = !odd;
        }
        return odd;
    }

private:
    // An edge (x1, y1)-(x2, y2) as the crossing test reads it: its height range and a = x1 - x2,
    // b = (x2 - x1) * y1 - (y2 - y1) * x1, c = y2 - y1, so that its intersection with row py is
    // -(a * py + b) / c. An edge that counts as vertical has c = 0 and b = x1 instead; an edge that takes
    // part in the test at some row has c != 0 otherwise.
    struct EdgeRecord {
        double lo, hi, a, b, c;
    };

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
    std::vector<EdgeRecord> records_;  // of each edge
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
        // A trial asks for the same few loops over and over: a small table in front of the map.
        Recent& recent = recent_[(reinterpret_cast<std::uintptr_t>(&loop) >> 4) % kRecent];
        if (recent.loop == &loop) return recent.bands;
        auto it = bands_.find(&loop);
        if (it == bands_.end()) it = bands_.emplace(&loop, std::make_unique<EdgeBands>(loop)).first;
        recent = Recent{&loop, it->second.get()};
        return recent.bands;
    }

private:
    struct Recent {
        const Polygon* loop = nullptr;
        const EdgeBands* bands = nullptr;
    };
    static constexpr std::uintptr_t kRecent = 64;
    Recent recent_[kRecent];
    std::unordered_map<const Polygon*, std::unique_ptr<EdgeBands>> bands_;
};

}  // namespace orvanest::fast
