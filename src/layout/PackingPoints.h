#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

#include "geometry/Point.h"

namespace orvanest {

// The candidate packing points, ordered by ascending x and, within one x, ascending y. Nothing is ever
// inserted after a renewal, so the order stays sorted; removal clears a slot's bit instead of shifting
// hundreds of thousands of points. Walks visit slots in order and skip the dead ones, 64 at a time.
//
// A renewal's grid is kept as its column and row coordinates alone (slot = column x rows + row), so a
// board of millions of points costs a bit per point; any other sorted list is kept point by point.
class PackingPoints {
public:
    void clear();
    // Takes a list already in packing-point order.
    void assign(const std::vector<Point>& sortedPoints);
    // Takes the grid of every (x, y) with x from `xs` and y from `ys`, both ascending.
    void assignGrid(std::vector<double> xs, std::vector<double> ys);

    int count() const { return count_; }
    size_t slotCount() const { return slots_; }
    bool isAlive(size_t slot) const { return (alive_[slot / 64] >> (slot % 64)) & 1u; }
    Point at(size_t slot) const {
        if (rows_ == 0) return Point(xs_[slot], ys_[slot]);
        return Point(xs_[slot / rows_], ys_[slot % rows_]);
    }
    void erase(size_t slot) {
        const std::uint64_t bit = std::uint64_t{1} << (slot % 64);
        if (alive_[slot / 64] & bit) {
            alive_[slot / 64] &= ~bit;
            --count_;
        }
    }

    // Rows of a renewal's grid (0 for any other list), and the row of a slot of it (0 for any other list).
    size_t rowCount() const { return rows_; }
    size_t rowOf(size_t slot) const { return rows_ ? slot % rows_ : 0; }
    // First slot whose point has x >= `x`.
    size_t firstSlotWithXAtLeast(double x) const;
    // First slot whose point is not before `r` in (x, y) order: p.x > r.x, or p.x == r.x and p.y >= r.y.
    size_t firstSlotNotBefore(const Point& r) const;
    // Next live slot at or after `slot` (slotCount() when none).
    size_t nextAlive(size_t slot) const;

    // Nothing to do: dead slots cost a bit each in a walk. Kept for the callers that finish a removal.
    void compactIfSparse() {}

    template <typename Visit>
    void forEachAlive(Visit&& visit) const {
        for (size_t slot = nextAlive(0); slot < slots_; slot = nextAlive(slot + 1)) visit(at(slot));
    }

private:
    // A grid: xs_ per column and ys_ per row, rows_ > 0. A list: xs_ and ys_ per slot, rows_ == 0.
    std::vector<double> xs_;
    std::vector<double> ys_;
    size_t rows_ = 0;
    size_t slots_ = 0;
    std::vector<std::uint64_t> alive_;  // a bit per slot
    int count_ = 0;
};

}  // namespace orvanest
