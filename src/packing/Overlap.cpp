#include "packing/Overlap.h"

#include <algorithm>
#include <cmath>

namespace orvanest {
namespace {

constexpr double kVerticalEdgeTolerance = 1e-10;
constexpr double kQuickAcceptTolerance = 1e-5;

// a > b, or within the quick-accept tolerance of it.
bool beyondOrTouching(bool strict, double a, double b) { return strict || std::fabs(a - b) < kQuickAcceptTolerance; }

bool anyVertexInside(const Polygon& vertices, const Polygon& loop) {
    for (const Point& v : vertices.vertices())
        if (containsPoint(loop, v)) return true;
    return false;
}

}  // namespace

bool containsPoint(const Polygon& polygon, const Point& p) {
    if (p.x < polygon.xmin || p.x > polygon.xmax || p.y < polygon.ymin || p.y > polygon.ymax) return false;
    const std::vector<Point>& v = polygon.vertices();
    const size_t n = v.size();
    bool odd = false;
    for (size_t i = 0; i < n; ++i) {
        const double x1 = v[i].x;
        const double y1 = v[i].y;
        const double x2 = v[i + 1 == n ? 0 : i + 1].x;
        const double y2 = v[i + 1 == n ? 0 : i + 1].y;
        // Half-open in y: an edge ending exactly at p's height counts only when it goes up from there.
        if (!(std::min(y1, y2) <= p.y && p.y < std::max(y1, y2))) continue;
        if (std::fabs(x1 - x2) < kVerticalEdgeTolerance) {
            if (p.x < x1) odd = !odd;
        } else {
            const double xi = -((x1 - x2) * p.y + ((x2 - x1) * y1 - (y2 - y1) * x1)) / (y2 - y1);
            if (xi > p.x) odd = !odd;
        }
    }
    return odd;
}

bool containsAll(const Polygon& polygon, const Polygon& vertices) {
    for (const Point& v : vertices.vertices())
        if (!containsPoint(polygon, v)) return false;
    return true;
}

bool segmentsCross(const Point& p1, const Point& p2, const Point& q1, const Point& q2) {
    const double x1 = p1.x, y1 = p1.y, x2 = p2.x, y2 = p2.y;
    const double x3 = q1.x, y3 = q1.y, x4 = q2.x, y4 = q2.y;
    if (!(std::min(x3, x4) <= std::max(x1, x2) && std::min(x1, x2) <= std::max(x3, x4) &&
          std::min(y3, y4) <= std::max(y1, y2) && std::min(y1, y2) <= std::max(y3, y4)))
        return false;
    const double d1 = (y3 - y1) * (x2 - x1) - (x3 - x1) * (y2 - y1);
    const double d2 = (y4 - y1) * (x2 - x1) - (x4 - x1) * (y2 - y1);
    if (!(d1 * d2 <= 0.0)) return false;
    const double d3 = (x3 - x1) * (y4 - y3) - (y3 - y1) * (x4 - x3);
    const double d4 = (y2 - y3) * (x4 - x3) - (x2 - x3) * (y4 - y3);
    return d3 * d4 <= 0.0;
}

bool edgesCross(const Polygon& a, const Polygon& b) {
    const std::vector<Point>& av = a.vertices();
    const std::vector<Point>& bv = b.vertices();
    const size_t n = av.size();
    const size_t m = bv.size();
    for (size_t i = 0; i < n; ++i) {
        const Point& a1 = av[i];
        const Point& a2 = av[i + 1 == n ? 0 : i + 1];
        for (size_t j = 0; j < m; ++j)
            if (segmentsCross(a1, a2, bv[j], bv[j + 1 == m ? 0 : j + 1])) return true;
    }
    return false;
}

bool separateFrom(const Polygon& a, const Polygon& b) {
    if (beyondOrTouching(a.xmin > b.xmax, a.xmin, b.xmax) || beyondOrTouching(a.xmax < b.xmin, a.xmax, b.xmin) ||
        beyondOrTouching(a.ymin > b.ymax, a.ymin, b.ymax) || beyondOrTouching(a.ymax < b.ymin, a.ymax, b.ymin))
        return true;
    if (anyVertexInside(a, b)) return false;
    if (anyVertexInside(b, a)) return false;
    return !edgesCross(a, b);
}

bool coversPoint(const Part& part, const Point& p) {
    if (!containsPoint(part.outer, p)) return false;
    for (const Polygon& hole : part.inners)
        if (containsPoint(hole, p)) return false;
    return true;
}

bool compatibleWith(const Part& a, const Part& b) {
    if (separateFrom(a.outer, b.outer)) return true;
    // Only vertices decide whether one part lies in a hole of the other.
    for (const Polygon& hole : a.inners)
        if (containsAll(hole, b.outer)) return true;
    for (const Polygon& hole : b.inners)
        if (containsAll(hole, a.outer)) return true;
    return false;
}

bool overlapsRect(const Part& part, double x1, double x2, double y1, double y2) {
    Part rectangle;
    rectangle.setOuterLoop(Polygon({Point(x1, y1), Point(x2, y1), Point(x2, y2), Point(x1, y2)}));
    return !compatibleWith(part, rectangle);
}

bool isPlacementValid(const Layout& layout, const Part& part) {
    if (!liesWithin(part, layout.extent)) return false;
    for (const Part& member : layout.parts) {
        if (&member == &part) continue;
        if (!compatibleWith(part, member)) return false;
    }
    return true;
}

bool fitsAsCandidate(const Layout& layout, const Part& candidate) {
    if (!liesWithin(candidate, layout.extent)) return false;
    for (const Part& member : layout.parts)
        if (!compatibleWith(candidate, member)) return false;
    return true;
}

bool checkPlacedConflicts(Layout& layout) {
    bool clean = true;
    for (Part& part : layout.parts) {
        if (!liesWithin(part, layout.extent)) continue;
        if (!isPlacementValid(layout, part)) {
            part.selected = true;
            clean = false;
        }
    }
    return clean;
}

bool checkBoardStraddle(Layout& layout) {
    bool straddles = false;
    const Extent& e = layout.extent;
    for (Part& part : layout.parts) {
        if (liesWithin(part, e)) continue;
        if (overlapsRect(part, e.xmin, e.xmax, e.ymin, e.ymax)) {
            part.selected = true;
            straddles = true;
        }
    }
    return straddles;
}

}  // namespace orvanest
