#pragma once

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <memory>
#include <mutex>
#include <unordered_map>
#include <vector>

#include "geometry/Polygon.h"

namespace orvanest::fast {

// What the crossing test reads first of an edge: its height range, and where its answer is plain
// without the division: left of `left` the edge always meets the row right of the point, right of
// `right` never. The rounded intersection strays from the true one, which lies between x1 and x2, by
// less than 8e-16 (|x1| + |x2| + |a / c| (|y1| + |y2|)) at any height the edge takes part in; the
// margin is a thousand times that.
struct EdgeReach {
    double lo, hi, left, right;

    bool active(double py) const { return lo <= py && py < hi; }
    // The margins give the answer at px, and it is surelyCrosses(px). Without a branch: the answers
    // follow no pattern.
    bool decided(double px) const { return (px < left) | (px > right); }
    bool surelyCrosses(double px) const { return px < left; }
};

// An edge (x1, y1)-(x2, y2) as the crossing test reads it: its reach, and a = x1 - x2,
// b = (x2 - x1) * y1 - (y2 - y1) * x1, c = y2 - y1, so that its intersection with row py is
// -(a * py + b) / c. An edge that counts as vertical has c = 0 and b = x1 instead; an edge that takes
// part in the test at some row has c != 0 otherwise.
struct EdgeLine : EdgeReach {
    double a, b, c;

    static EdgeLine of(double x1, double y1, double x2, double y2) {
        const double lo = y2 < y1 ? y2 : y1, hi = y1 < y2 ? y2 : y1;
        if (std::fabs(x1 - x2) < 1e-10) return EdgeLine{{lo, hi, x1, x1}, 0.0, x1, 0.0};
        const double a = x1 - x2, c = y2 - y1;
        const double margin = 1e-12 * (1.0 + std::fabs(x1) + std::fabs(x2) +
                                       std::fabs(a) / std::fabs(c) * (std::fabs(y1) + std::fabs(y2)));
        const bool bounded = std::isfinite(margin);
        return EdgeLine{{lo, hi, bounded ? (x1 < x2 ? x1 : x2) - margin : -HUGE_VAL,
                         bounded ? (x1 < x2 ? x2 : x1) + margin : HUGE_VAL},
                        a,
                        (x2 - x1) * y1 - c * x1,
                        c};
    }
    // The edge meets row py strictly right of px: the crossing test's own arithmetic.
    bool crosses(double px, double py) const { return c == 0.0 ? px < b : -(a * py + b) / c > px; }
    // The same answer, mostly without the division; only where the edge takes part.
    bool crossesActive(double px, double py) const { return decided(px) ? surelyCrosses(px) : crosses(px, py); }
};

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
        const auto first = std::partition_point(vertexOrder_.begin(), vertexOrder_.end(),
                                                [&](std::uint32_t v) { return heightOf(v) < lo; });
        for (auto it = first; it != vertexOrder_.end() && heightOf(*it) <= hi; ++it)
            if (f(static_cast<int>(*it))) return true;
        return false;
    }

    // The crossing parity at (px, py) of the edges that reach height py: the very arithmetic of the
    // crossing test, valid while the loop stays where it was when the bands were made.
    bool crossingsOdd(double px, double py) const {
        // Without branches on the answers, which follow no pattern; the division is the rare case.
        const int b = band(py);
        unsigned odd = 0;
        for (std::uint32_t k = start_[static_cast<size_t>(b)]; k < start_[static_cast<size_t>(b) + 1]; ++k) {
            const EdgeReach& e = reaches_[entries_[k]];
            const unsigned active = static_cast<unsigned>(e.lo <= py) & static_cast<unsigned>(py < e.hi);
            if (active & static_cast<unsigned>(!e.decided(px)))
                odd ^= static_cast<unsigned>(line(static_cast<int>(entries_[k])).crosses(px, py));
            else
                odd ^= active & static_cast<unsigned>(e.surelyCrosses(px));
        }
        return odd != 0;
    }

    // Calls f(line) for every edge that takes part in the crossing test at height py.
    template <typename F>
    void forEachLineAt(double py, F&& f) const {
        const int b = band(py);
        for (std::uint32_t k = start_[static_cast<size_t>(b)]; k < start_[static_cast<size_t>(b) + 1]; ++k) {
            if (reaches_[entries_[k]].active(py)) f(line(static_cast<int>(entries_[k])));
        }
    }

    // Edge i as the crossing test reads it, worked out afresh: the bands keep only its reach.
    EdgeLine line(int edge) const {
        const int n = loop_->count();
        const Point& p = loop_->vertex(edge);
        const Point& q = loop_->vertex(edge + 1 == n ? 0 : edge + 1);
        return EdgeLine::of(p.x, p.y, q.x, q.y);
    }

    // The lowest vertex height above y, or infinity.
    double nextVertexHeightAbove(double y) const {
        const auto it = std::partition_point(vertexOrder_.begin(), vertexOrder_.end(),
                                             [&](std::uint32_t v) { return heightOf(v) <= y; });
        return it == vertexOrder_.end() ? HUGE_VAL : heightOf(*it);
    }

private:
    int band(double y) const {
        // Any monotone map of heights to bands will do, as long as edges are filed and looked up by the
        // same one: a product in place of the division.
        const double b = std::floor((y - y0_) * inverseHeight_);
        if (!(b > 0)) return 0;
        if (b >= bands_ - 1) return bands_ - 1;
        return static_cast<int>(b);
    }

    double y0_ = 0.0;
    double inverseHeight_ = 1.0;
    int bands_ = 1;
    std::vector<std::uint32_t> start_;
    std::vector<std::uint32_t> entries_;
    const Polygon* loop_;
    std::vector<EdgeReach> reaches_;  // of each edge; the rest of an edge is worked out when needed
    double heightOf(std::uint32_t vertex) const { return loop_->vertex(static_cast<int>(vertex)).y; }

    std::vector<std::uint8_t> firstBand_;     // of each edge; there are at most 256 bands
    std::vector<std::uint32_t> vertexOrder_;  // the vertices by ascending height
};

// Loops with fewer vertices are tested edge by edge; banding them would cost more than it saves.
inline constexpr int kBandedLoopMinimum = 24;

// Bands that the search threads of one run share: each made once, under the lock, and never changed.
class SharedBands {
public:
    const EdgeBands* of(const Polygon& loop) {
        const std::lock_guard<std::mutex> lock(mutex_);
        auto it = bands_.find(&loop);
        if (it == bands_.end()) it = bands_.emplace(&loop, std::make_unique<EdgeBands>(loop)).first;
        return it->second.get();
    }
    void forget(const Polygon& loop) {
        const std::lock_guard<std::mutex> lock(mutex_);
        bands_.erase(&loop);
    }

private:
    std::mutex mutex_;
    std::unordered_map<const Polygon*, std::unique_ptr<EdgeBands>> bands_;
};

// Bands of the loops met, made on first use, kept by this cache or by the shared store it fronts. A
// loop that moves or goes must be forgotten first.
class EdgeBandsCache {
public:
    EdgeBandsCache() = default;
    explicit EdgeBandsCache(SharedBands& shared) : shared_(&shared) {}

    const EdgeBands* of(const Polygon& loop) {
        if (loop.count() < kBandedLoopMinimum) return nullptr;
        // A trial asks for the same few loops over and over: a small table in front of the map.
        Recent& recent = recent_[(reinterpret_cast<std::uintptr_t>(&loop) >> 4) % kRecent];
        if (recent.loop == &loop) return recent.bands;
        if (shared_) {
            recent = Recent{&loop, shared_->of(loop)};
            return recent.bands;
        }
        auto it = bands_.find(&loop);
        if (it == bands_.end()) it = bands_.emplace(&loop, std::make_unique<EdgeBands>(loop)).first;
        recent = Recent{&loop, it->second.get()};
        return recent.bands;
    }

    // Drops the bands of a loop that has moved or is about to go.
    void forget(const Polygon& loop) {
        Recent& recent = recent_[(reinterpret_cast<std::uintptr_t>(&loop) >> 4) % kRecent];
        if (recent.loop == &loop) recent = Recent{};
        if (shared_)
            shared_->forget(loop);
        else
            bands_.erase(&loop);
    }

private:
    struct Recent {
        const Polygon* loop = nullptr;
        const EdgeBands* bands = nullptr;
    };
    static constexpr std::uintptr_t kRecent = 1024;
    Recent recent_[kRecent];
    SharedBands* shared_ = nullptr;
    std::unordered_map<const Polygon*, std::unique_ptr<EdgeBands>> bands_;
};

}  // namespace orvanest::fast
