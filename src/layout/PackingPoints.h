#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

#include "geometry/Point.h"

namespace orvanest {

// The candidate packing points, ordered by ascending x and, within one x, ascending y. Nothing is ever
// inserted after a renewal, so the order stays sorted; removal marks a slot dead instead of shifting
// hundreds of thousands of points. Walks visit slots in order and skip the dead ones.
class PackingPoints {
public:
    void clear() {
        points_.clear();
        alive_.clear();
        count_ = 0;
    }
    // Takes a list already in packing-point order.
    void assign(std::vector<Point> sortedPoints) {
        points_ = std::move(sortedPoints);
        alive_.assign(points_.size(), 1);
        count_ = static_cast<int>(points_.size());
    }

    int count() const { return count_; }
    size_t slotCount() const { return points_.size(); }
    bool isAlive(size_t slot) const { return alive_[slot] != 0; }
    const Point& at(size_t slot) const { return points_[slot]; }
    void erase(size_t slot) {
        if (alive_[slot]) {
            alive_[slot] = 0;
            --count_;
        }
    }

    // First slot whose point has x >= `x`.
    size_t firstSlotWithXAtLeast(double x) const;
    // First slot whose point is not before `r` in (x, y) order: p.x > r.x, or p.x == r.x and p.y >= r.y.
    size_t firstSlotNotBefore(const Point& r) const;
    // Next live slot at or after `slot` (slotCount() when none).
    size_t nextAlive(size_t slot) const {
        while (slot < points_.size() && !alive_[slot]) ++slot;
        return slot;
    }

    // Drops dead slots when they outnumber the live ones; only between walks.
    void compactIfSparse();

    template <typename Visit>
    void forEachAlive(Visit&& visit) const {
        for (size_t i = 0; i < points_.size(); ++i)
            if (alive_[i]) visit(points_[i]);
    }

private:
    std::vector<Point> points_;
    std::vector<std::uint8_t> alive_;
    int count_ = 0;
};

}  // namespace orvanest
