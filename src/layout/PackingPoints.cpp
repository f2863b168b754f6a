#include "layout/PackingPoints.h"

#include <algorithm>
#include <bit>

namespace orvanest {
namespace {

std::vector<std::uint64_t> allAlive(size_t slots) {
    std::vector<std::uint64_t> bits((slots + 63) / 64, ~std::uint64_t{0});
    if (slots % 64 != 0) bits.back() = (std::uint64_t{1} << (slots % 64)) - 1;
    return bits;
}

}  // namespace

void PackingPoints::clear() {
    xs_.clear();
    ys_.clear();
    rows_ = 0;
    slots_ = 0;
    alive_.clear();
    count_ = 0;
}

void PackingPoints::assign(const std::vector<Point>& sortedPoints) {
    clear();
    for (const Point& p : sortedPoints) {
        xs_.push_back(p.x);
        ys_.push_back(p.y);
    }
    slots_ = sortedPoints.size();
    alive_ = allAlive(slots_);
    count_ = static_cast<int>(slots_);
}

void PackingPoints::assignGrid(std::vector<double> xs, std::vector<double> ys) {
    clear();
    if (xs.empty() || ys.empty()) return;
    slots_ = xs.size() * ys.size();
    rows_ = ys.size();
    xs_ = std::move(xs);
    ys_ = std::move(ys);
    alive_ = allAlive(slots_);
    count_ = static_cast<int>(slots_);
}

size_t PackingPoints::firstSlotWithXAtLeast(double x) const {
    // In a grid all the points of a column share its x.
    const size_t first = static_cast<size_t>(
        std::partition_point(xs_.begin(), xs_.end(), [x](double px) { return px < x; }) - xs_.begin());
    return rows_ == 0 ? first : first * rows_;
}

size_t PackingPoints::firstSlotNotBefore(const Point& r) const {
    size_t lo = 0, hi = slots_;
    while (lo < hi) {
        const size_t mid = lo + (hi - lo) / 2;
        const Point p = at(mid);
        if (!(p.x > r.x || (p.x == r.x && p.y >= r.y)))
            lo = mid + 1;
        else
            hi = mid;
    }
    return lo;
}

size_t PackingPoints::nextAlive(size_t slot) const {
    if (slot >= slots_) return slots_;
    size_t word = slot / 64;
    std::uint64_t bits = alive_[word] & (~std::uint64_t{0} << (slot % 64));
    while (bits == 0) {
        if (++word == alive_.size()) return slots_;
        bits = alive_[word];
    }
    return word * 64 + static_cast<size_t>(std::countr_zero(bits));
}

}  // namespace orvanest
