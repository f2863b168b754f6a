// Joining the loose segments of a DXF drawing into loops.
#include <charconv>
#include <cmath>
#include <cstring>

#include "input/DxfPartReader.h"
#include "input/InputLimits.h"

namespace orvanest {
namespace {

// Cells of end points. A point within kJoinDistance of p lies between p - kReach and p + kReach on each
// axis (the margin covers the rounding of the distance test), and since rounding and floor never
// reverse an order, its cell lies between the cells of those two corners, at any magnitude.
constexpr double kCellSize = 0.08;
constexpr double kReach = 0.011;
constexpr std::uint32_t kEmptySlot = static_cast<std::uint32_t>(-1);

std::string coordinate(double value) {
    char buffer[32];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
    return std::string(buffer, result.ptr);
}

std::string pointText(const Point& p) { return "(" + coordinate(p.x) + ", " + coordinate(p.y) + ")"; }

}  // namespace

SegmentPool::CellKey SegmentPool::keyOf(const Point& p) {
    // + 0.0 turns -0.0 into 0.0 so that equal keys have equal bits.
    return CellKey{std::floor(p.x / kCellSize) + 0.0, std::floor(p.y / kCellSize) + 0.0};
}

size_t SegmentPool::hashOf(const CellKey& key) {
    std::uint64_t a = 0;
    std::uint64_t b = 0;
    std::memcpy(&a, &key.x, sizeof a);
    std::memcpy(&b, &key.y, sizeof b);
    std::uint64_t h = a * 0x9E3779B97F4A7C15ULL ^ (b + 0x632BE59BD9B4E019ULL + (a << 6) + (a >> 2));
    h ^= h >> 31;
    h *= 0xBF58476D1CE4E5B9ULL;
    h ^= h >> 29;
    return static_cast<size_t>(h);
}

size_t SegmentPool::findCell(const CellKey& key, bool create) {
    const size_t mask = slotKeys_.size() - 1;
    for (size_t slot = hashOf(key) & mask;; slot = (slot + 1) & mask) {
        if (slotCells_[slot] == kEmptySlot) {
            if (!create) return kNone;
            slotKeys_[slot] = key;
            slotCells_[slot] = static_cast<std::uint32_t>(cells_.size());
            cells_.emplace_back();
            return cells_.size() - 1;
        }
        if (slotKeys_[slot] == key) return slotCells_[slot];
    }
}

SegmentPool::SegmentPool(const SegmentList& segments) : segments_(segments.begin(), segments.end()) {
    const size_t n = segments_.size();
    alive_.assign(n, 1);
    aliveCount_ = n;
    size_t slots = 16;
    while (slots < 4 * n) slots *= 2;  // at most 2n cells: load below one half
    slotKeys_.resize(slots);
    slotCells_.assign(slots, kEmptySlot);
    cells_.reserve(2 * n);
    std::vector<std::uint32_t> startCell(n);
    std::vector<std::uint32_t> endCell(n);
    for (size_t i = 0; i < n; ++i) {
        startCell[i] = static_cast<std::uint32_t>(findCell(keyOf(segments_[i].start), true));
        endCell[i] = static_cast<std::uint32_t>(findCell(keyOf(segments_[i].end), true));
    }
    // Members of each cell in ascending pool order, both ends in one cell counted once.
    std::vector<std::uint32_t> sizes(cells_.size(), 0);
    for (size_t i = 0; i < n; ++i) {
        ++sizes[startCell[i]];
        if (endCell[i] != startCell[i]) ++sizes[endCell[i]];
    }
    std::uint32_t offset = 0;
    for (size_t c = 0; c < cells_.size(); ++c) {
        cells_[c].begin = cells_[c].head = cells_[c].end = offset;
        offset += sizes[c];
    }
    members_.resize(offset);
    for (size_t i = 0; i < n; ++i) {
        members_[cells_[startCell[i]].end++] = static_cast<std::uint32_t>(i);
        if (endCell[i] != startCell[i]) members_[cells_[endCell[i]].end++] = static_cast<std::uint32_t>(i);
    }
}

Segment SegmentPool::takeFirst() {
    while (!alive_[first_]) ++first_;
    return take(first_);
}

Segment SegmentPool::take(size_t index) {
    alive_[index] = 0;
    --aliveCount_;
    return segments_[index];
}

bool SegmentPool::touches(size_t index, const Point& p) const {
    const Segment& s = segments_[index];
    return s.start.isNear(p, kJoinDistance) || s.end.isNear(p, kJoinDistance);
}

size_t SegmentPool::firstTouchingIn(Cell& cell, const Point& p, size_t best) {
    while (cell.head < cell.end && !alive_[members_[cell.head]]) ++cell.head;
    size_t removed = 0;
    for (std::uint32_t i = cell.head; i < cell.end; ++i) {
        const size_t index = members_[i];
        if (index >= best) break;
        if (!alive_[index]) {
            ++removed;
            continue;
        }
        if (touches(index, p)) {
            best = index;
            break;
        }
    }
    // Removed members that keep being stepped over are dropped once they make up half the cell.
    if (2 * removed > cell.end - cell.head) {
        std::uint32_t kept = cell.head;
        for (std::uint32_t i = cell.head; i < cell.end; ++i)
            if (alive_[members_[i]]) members_[kept++] = members_[i];
        cell.end = kept;
    }
    return best;
}

size_t SegmentPool::firstTouching(const Point& p) {
    const CellKey low = keyOf(Point(p.x - kReach, p.y - kReach));
    const CellKey high = keyOf(Point(p.x + kReach, p.y + kReach));
    size_t best = kNone;
    // The range spans at most two cells per axis (2 kReach < kCellSize).
    for (int i = 0; i < 2 && low.x + i <= high.x; ++i) {
        for (int j = 0; j < 2 && low.y + j <= high.y; ++j) {
            const size_t cell = findCell(CellKey{low.x + i + 0.0, low.y + j + 0.0}, false);
            if (cell != kNone) best = firstTouchingIn(cells_[cell], p, best);
        }
    }
    return best;
}

void chainLoop(SegmentPool& pool, PointList& points) {
    const Segment first = pool.takeFirst();
    points.push_front(first.start);
    points.push_front(first.end);
    Point chainEnd = first.end;
    for (size_t index = pool.firstTouching(chainEnd); index != SegmentPool::kNone;
         index = pool.firstTouching(chainEnd)) {
        const Segment s = pool.take(index);
        chainEnd = s.start.isNear(chainEnd, kJoinDistance) ? s.end : s.start;
        points.push_front(chainEnd);
    }
}

void chainLoopByRescanning(SegmentList& pool, PointList& points) {
    const Segment first = pool.front();
    pool.pop_front();
    points.push_front(first.start);
    points.push_front(first.end);
    Point chainEnd = first.end;
    bool matched = true;
    while (matched) {
        matched = false;
        for (auto it = pool.begin(); it != pool.end(); ++it) {
            if (it->start.isNear(chainEnd, kJoinDistance)) {
                chainEnd = it->end;
            } else if (it->end.isNear(chainEnd, kJoinDistance)) {
                chainEnd = it->start;
            } else {
                continue;
            }
            pool.erase(it);
            points.push_front(chainEnd);
            matched = true;
            break;
        }
    }
}

LoopCheck checkLoop(const PointList& points) {
    if (points.size() <= 2) return LoopCheck::TooFewPoints;
    // The front is the last point put in, the back the chain's start.
    return points.front().equals(points.back()) ? LoopCheck::Closed : LoopCheck::Open;
}

bool buildLoops(const SegmentList& segments, PolygonList& polygons, Platform& platform, const std::string& path) {
    SegmentPool pool(segments);
    while (!pool.empty()) {
        PointList points;
        chainLoop(pool, points);
        const LoopCheck check = checkLoop(points);
        if (check == LoopCheck::TooFewPoints) {
            const std::string reason =
                "a lone segment from " + pointText(points.back()) + " to " + pointText(points.front());
            platform.showMessage(kWarningCaption, locatedMessage(kTooFewVerticesMessage, path, 0, reason));
            return false;
        }
        if (check == LoopCheck::Open) {
            const std::string reason =
                "the outline from " + pointText(points.back()) + " ends at " + pointText(points.front());
            platform.showMessage(kWarningCaption, locatedMessage(kOpenOutlineMessage, path, 0, reason));
            return false;
        }
        // Every point but the chain's start, whose duplicate closes the loop.
        std::vector<Point> vertices(points.begin(), std::prev(points.end()));
        polygons.push_front(Polygon(std::move(vertices)));
    }
    return true;
}

bool chooseOuterLoop(Part& part, const PolygonList& polygons) {
    const Polygon* largest = nullptr;
    double largestArea = 0.0;
    for (const Polygon& polygon : polygons) {
        if (polygon.area > largestArea) {
            largest = &polygon;
            largestArea = polygon.area;
        }
    }
    if (!largest) return false;
    part.outer = *largest;
    for (const Polygon& polygon : polygons)
        if (&polygon != largest) part.inners.push_front(polygon);
    return true;
}

}  // namespace orvanest
