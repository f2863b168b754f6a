#include "layout/PackingPoints.h"

#include <algorithm>

namespace orvanest {

size_t PackingPoints::firstSlotWithXAtLeast(double x) const {
    auto it = std::partition_point(points_.begin(), points_.end(), [x](const Point& p) { return p.x < x; });
    return static_cast<size_t>(it - points_.begin());
}

size_t PackingPoints::firstSlotNotBefore(const Point& r) const {
    auto it = std::partition_point(points_.begin(), points_.end(), [&r](const Point& p) {
        return !(p.x > r.x || (p.x == r.x && p.y >= r.y));
    });
    return static_cast<size_t>(it - points_.begin());
}

void PackingPoints::compactIfSparse() {
    const size_t dead = points_.size() - static_cast<size_t>(count_);
    if (dead <= static_cast<size_t>(count_) || points_.size() < 1024) return;
    size_t out = 0;
    for (size_t i = 0; i < points_.size(); ++i) {
        if (alive_[i]) points_[out++] = points_[i];
    }
    points_.resize(out);
    alive_.assign(out, 1);
}

}  // namespace orvanest
