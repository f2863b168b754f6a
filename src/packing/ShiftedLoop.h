#pragma once

#include <cmath>
#include <type_traits>
#include <utility>

#include "geometry/Part.h"
#include "packing/EdgeBands.h"

namespace orvanest::fast {

// A loop seen where a translation would put it, without copying it: vertex i reads as
// (x + dx, y + dy) and the box as (xmin + dx, ...), the very additions that Polygon::translate makes,
// so every test on the view gives what it would give on the moved copy.
struct ShiftedLoop {
    const Polygon* loop;
    double dx;
    double dy;
    const EdgeBands* bands = nullptr;  // of the unmoved loop

    int count() const { return loop->count(); }
    double x(int i) const { return loop->vertex(i).x + dx; }
    double y(int i) const { return loop->vertex(i).y + dy; }
    double xmin() const { return loop->xmin + dx; }
    double xmax() const { return loop->xmax + dx; }
    double ymin() const { return loop->ymin + dy; }
    double ymax() const { return loop->ymax + dy; }
    // A height range of the view as a range of the unmoved loop, widened by more than the rounding of
    // the shift, so that no edge that reaches the range is missed.
    std::pair<double, double> unmoved(double lo, double hi) const {
        const double slack = 1e-12 * (1.0 + std::fabs(lo) + std::fabs(hi) + std::fabs(dy) + std::fabs(loop->ymin) +
                                      std::fabs(loop->ymax));
        return {lo - dy - slack, hi - dy + slack};
    }
};

// A loop where it is.
struct PlacedLoop {
    const Polygon* loop;
    const EdgeBands* bands = nullptr;

    int count() const { return loop->count(); }
    double x(int i) const { return loop->vertex(i).x; }
    double y(int i) const { return loop->vertex(i).y; }
    double xmin() const { return loop->xmin; }
    double xmax() const { return loop->xmax; }
    double ymin() const { return loop->ymin; }
    double ymax() const { return loop->ymax; }
    std::pair<double, double> unmoved(double lo, double hi) const { return {lo, hi}; }
};

// The comparisons std::min and std::max make, inline.
inline double lesser(double a, double b) { return b < a ? b : a; }
inline double greater(double a, double b) { return a < b ? b : a; }

// Crossing number with the half-open rule; the same arithmetic as the plain test. With bands only the
// edges that reach the point's height are read; the others never count.
template <typename Loop>
bool containsPoint(const Loop& loop, double px, double py) {
    if (px < loop.xmin() || px > loop.xmax() || py < loop.ymin() || py > loop.ymax()) return false;
    const int n = loop.count();
    bool inside = false;
    auto edge = [&](int i) {
        const int j = i + 1 == n ? 0 : i + 1;
        const double x1 = loop.x(i), y1 = loop.y(i);
        const double x2 = loop.x(j), y2 = loop.y(j);
        if (!(lesser(y1, y2) <= py && py < greater(y1, y2))) return;
        if (std::fabs(x1 - x2) < 1e-10) {
            if (px < x1) inside = !inside;
        } else {
            const double xi = -((x1 - x2) * py + ((x2 - x1) * y1 - (y2 - y1) * x1)) / (y2 - y1);
            if (xi > px) inside = !inside;
        }
    };
    if constexpr (std::is_same_v<Loop, PlacedLoop>) {
        if (loop.bands) return loop.bands->crossingsOdd(px, py);
    }
    if (loop.bands) {
        const auto [lo, hi] = loop.unmoved(py, py);
        loop.bands->forEach(lo, hi, edge);
    } else {
        for (int i = 0; i < n; ++i) edge(i);
    }
    return inside;
}

inline bool segmentsCross(double x1, double y1, double x2, double y2, double x3, double y3, double x4, double y4) {
    if (!(lesser(x3, x4) <= greater(x1, x2) && lesser(x1, x2) <= greater(x3, x4) && lesser(y3, y4) <= greater(y1, y2) &&
          lesser(y1, y2) <= greater(y3, y4)))
        return false;
    const double d1 = (y3 - y1) * (x2 - x1) - (x3 - x1) * (y2 - y1);
    const double d2 = (y4 - y1) * (x2 - x1) - (x4 - x1) * (y2 - y1);
    if (!(d1 * d2 <= 0)) return false;
    const double d3 = (x3 - x1) * (y4 - y3) - (y3 - y1) * (x4 - x3);
    const double d4 = (y2 - y3) * (x4 - x3) - (x2 - x3) * (y4 - y3);
    return d3 * d4 <= 0;
}

// Where the last overlap was found: a vertex of either loop inside the other, and a pair of crossing
// edges. Neighbouring trials usually overlap in the same way, and which overlap is found first does not
// change the answer.
struct ConflictHint {
    int a = 0;
    int b = 0;
    int edgeA = 0;
    int edgeB = 0;
};

// Some edge of `a` meets some edge of `b`; the first pair found goes to the hint. An edge whose box
// misses the other loop's box cannot meet any of its edges (their boxes lie inside it), so only the
// edges that reach into both boxes are paired, and with bands only the edges of `b` at the heights the
// edge of `a` spans.
template <typename A, typename B>
bool edgesCross(const A& a, const B& b, ConflictHint* hint = nullptr) {
    const double bx0 = b.xmin(), bx1 = b.xmax(), by0 = b.ymin(), by1 = b.ymax();
    const double ax0 = a.xmin(), ax1 = a.xmax(), ay0 = a.ymin(), ay1 = a.ymax();
    const int n = a.count();
    const int m = b.count();
    bool crossed = false;
    auto edgeOfA = [&](int i) {
        if (crossed) return;
        const int i2 = i + 1 == n ? 0 : i + 1;
        const double x1 = a.x(i), y1 = a.y(i), x2 = a.x(i2), y2 = a.y(i2);
        const double lo = lesser(y1, y2), hi = greater(y1, y2);
        if (greater(x1, x2) < bx0 || lesser(x1, x2) > bx1 || hi < by0 || lo > by1) return;
        auto pair = [&](int j) {
            if (crossed) return;
            const int j2 = j + 1 == m ? 0 : j + 1;
            const double x3 = b.x(j), y3 = b.y(j), x4 = b.x(j2), y4 = b.y(j2);
            if (greater(x3, x4) < ax0 || lesser(x3, x4) > ax1 || greater(y3, y4) < ay0 || lesser(y3, y4) > ay1) return;
            crossed = segmentsCross(x1, y1, x2, y2, x3, y3, x4, y4);
            if (crossed && hint) hint->edgeA = i, hint->edgeB = j;
        };
        if (b.bands) {
            const auto [qlo, qhi] = b.unmoved(lo, hi);
            b.bands->forEach(qlo, qhi, pair);
        } else {
            for (int j = 0; j < m && !crossed; ++j) pair(j);
        }
    };
    if (a.bands) {
        // Only the edges of `a` at the heights of `b`'s box can reach it.
        const auto [lo, hi] = a.unmoved(by0, by1);
        a.bands->forEach(lo, hi, edgeOfA);
    } else {
        for (int i = 0; i < n && !crossed; ++i) edgeOfA(i);
    }
    return crossed;
}

// Called for nearly every trial and member: kept inline.
template <typename A, typename B>
[[gnu::always_inline]] inline bool boxesQuickAccept(const A& a, const B& b) {
    const double axmin = a.xmin(), axmax = a.xmax(), aymin = a.ymin(), aymax = a.ymax();
    const double bxmin = b.xmin(), bxmax = b.xmax(), bymin = b.ymin(), bymax = b.ymax();
    return axmin > bxmax || std::fabs(axmin - bxmax) < 1e-5 || axmax < bxmin || std::fabs(axmax - bxmin) < 1e-5 ||
           aymin > bymax || std::fabs(aymin - bymax) < 1e-5 || aymax < bymin || std::fabs(aymax - bymin) < 1e-5;
}

// Some vertex of `vertices` lies inside `loop`. The hinted vertex is tried first; with bands only the
// vertices at the heights of `loop`'s box are read, since the others fail its box test.
template <typename V, typename L>
bool anyVertexInside(const V& vertices, const L& loop, int& hint) {
    const int n = vertices.count();
    if (hint >= n) hint = 0;
    if (n > 0 && containsPoint(loop, vertices.x(hint), vertices.y(hint))) return true;
    if (vertices.bands) {
        const auto [lo, hi] = vertices.unmoved(loop.ymin(), loop.ymax());
        return vertices.bands->anyVertex(lo, hi, [&](int i) {
            if (!containsPoint(loop, vertices.x(i), vertices.y(i))) return false;
            hint = i;
            return true;
        });
    }
    for (int i = 0; i < n; ++i) {
        if (containsPoint(loop, vertices.x(i), vertices.y(i))) {
            hint = i;
            return true;
        }
    }
    return false;
}

template <typename A, typename B>
bool separateFrom(const A& a, const B& b, ConflictHint& hint) {
    if (boxesQuickAccept(a, b)) return true;
    if (anyVertexInside(a, b, hint.a)) return false;
    if (anyVertexInside(b, a, hint.b)) return false;
    return !edgesCross(a, b, &hint);
}

template <typename Hole, typename Loop>
bool containsAll(const Hole& hole, const Loop& loop) {
    for (int i = 0; i < loop.count(); ++i)
        if (!containsPoint(hole, loop.x(i), loop.y(i))) return false;
    return true;
}

// One part's outer vertices all lie inside a hole of the other: `a` seen through `view`, `b` where it
// lies, with `outerA` and `outerB` their outer loops so seen.
template <typename View, typename OuterA>
bool inHoleOfEither(const Part& a, const View& view, const Part& b, const OuterA& outerA, const PlacedLoop& outerB,
                    EdgeBandsCache& cache) {
    for (const Polygon& hole : a.inners)
        if (containsAll(view(hole), outerB)) return true;
    for (const Polygon& hole : b.inners)
        if (containsAll(PlacedLoop{&hole, cache.of(hole)}, outerA)) return true;
    return false;
}

// The compatibility rule of part `a` (seen through `view`) against part `b` where it lies: outer loops
// separate, or one part's outer vertices all inside a hole of the other. `b`'s loops read their bands
// from the cache.
template <typename View>
bool compatible(const Part& a, const View& view, const Part& b, EdgeBandsCache& cache, ConflictHint& hint) {
    const auto outerA = view(a.outer);
    const PlacedLoop outerB{&b.outer, cache.of(b.outer)};
    if (separateFrom(outerA, outerB, hint)) return true;
    return inHoleOfEither(a, view, b, outerA, outerB, cache);
}

// Which cheap look proved a conflict: none, the hinted vertex of `a` inside `b`, the other way round, or
// the hinted pair of edges crossing.
enum class ConflictProof { kNone, kVertexOfA, kVertexOfB, kEdges };

// The hinted edges of the two loops meet, as edgesCross would find them.
template <typename A, typename B>
bool hintedEdgesCross(const A& a, const B& b, const ConflictHint& hint) {
    const int n = a.count(), m = b.count();
    const int i = hint.edgeA, j = hint.edgeB;
    if (i >= n || j >= m) return false;
    const int i2 = i + 1 == n ? 0 : i + 1, j2 = j + 1 == m ? 0 : j + 1;
    return segmentsCross(a.x(i), a.y(i), a.x(i2), a.y(i2), b.x(j), b.y(j), b.x(j2), b.y(j2));
}

// A cheap look that may prove `a` (shifted) in conflict with `b`: a hinted vertex of one outer loop lies
// inside the other, or the hinted edges cross (so the outer loops are not separate), and neither part
// lies in a hole of the other.
// kNone means only that this look proves nothing. `bandsA` and `bandsB` are the bands of the two outer
// loops, as the cache gives them.
inline ConflictProof conflictProof(const Part& a, const EdgeBands* bandsA, double dx, double dy, const Part& b,
                                   const EdgeBands* bandsB, EdgeBandsCache& cache, const ConflictHint& hint) {
    const ShiftedLoop outerA{&a.outer, dx, dy, bandsA};
    const PlacedLoop outerB{&b.outer, bandsB};
    if (boxesQuickAccept(outerA, outerB)) return ConflictProof::kNone;
    ConflictProof proof = ConflictProof::kNone;
    if (hint.a < outerA.count() && containsPoint(outerB, outerA.x(hint.a), outerA.y(hint.a)))
        proof = ConflictProof::kVertexOfA;
    else if (hintedEdgesCross(outerA, outerB, hint))
        proof = ConflictProof::kEdges;
    else if (hint.b < outerB.count() && containsPoint(outerA, outerB.x(hint.b), outerB.y(hint.b)))
        proof = ConflictProof::kVertexOfB;
    else
        return ConflictProof::kNone;
    for (const Polygon& hole : a.inners)
        if (containsAll(ShiftedLoop{&hole, dx, dy, cache.of(hole)}, outerB)) return ConflictProof::kNone;
    for (const Polygon& hole : b.inners)
        if (containsAll(PlacedLoop{&hole, cache.of(hole)}, outerA)) return ConflictProof::kNone;
    return proof;
}

inline bool provesConflict(const Part& a, const EdgeBands* bandsA, double dx, double dy, const Part& b,
                           const EdgeBands* bandsB, EdgeBandsCache& cache, const ConflictHint& hint) {
    return conflictProof(a, bandsA, dx, dy, b, bandsB, cache, hint) != ConflictProof::kNone;
}

// `a`, which moves between calls (so it has no bands), where it lies against `b`.
inline bool compatiblePlaced(const Part& a, const Part& b, EdgeBandsCache& cache, ConflictHint& hint) {
    return compatible(
        a,
        [](const Polygon& loop) {
            return PlacedLoop{&loop, nullptr};
        },
        b, cache, hint);
}

}  // namespace orvanest::fast
