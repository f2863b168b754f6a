#pragma once

#include <cmath>

#include "geometry/Part.h"

namespace orvanest::fast {

// A loop seen where a translation would put it, without copying it: vertex i reads as
// (x + dx, y + dy) and the box as (xmin + dx, ...), the very additions that Polygon::translate makes,
// so every test on the view gives what it would give on the moved copy.
struct ShiftedLoop {
    const Polygon* loop;
    double dx;
    double dy;

    int count() const { return loop->count(); }
    double x(int i) const { return loop->vertex(i).x + dx; }
    double y(int i) const { return loop->vertex(i).y + dy; }
    double xmin() const { return loop->xmin + dx; }
    double xmax() const { return loop->xmax + dx; }
    double ymin() const { return loop->ymin + dy; }
    double ymax() const { return loop->ymax + dy; }
};

// A loop where it is.
struct PlacedLoop {
    const Polygon* loop;

    int count() const { return loop->count(); }
    double x(int i) const { return loop->vertex(i).x; }
    double y(int i) const { return loop->vertex(i).y; }
    double xmin() const { return loop->xmin; }
    double xmax() const { return loop->xmax; }
    double ymin() const { return loop->ymin; }
    double ymax() const { return loop->ymax; }
};

// Crossing number with the half-open rule; the same arithmetic as the plain test.
template <typename Loop>
bool containsPoint(const Loop& loop, double px, double py) {
    if (px < loop.xmin() || px > loop.xmax() || py < loop.ymin() || py > loop.ymax()) return false;
    const int n = loop.count();
    bool inside = false;
    for (int i = 0; i < n; ++i) {
        const int j = i + 1 == n ? 0 : i + 1;
        const double x1 = loop.x(i), y1 = loop.y(i);
        const double x2 = loop.x(j), y2 = loop.y(j);
        const double lo = y1 < y2 ? y1 : y2;
        const double hi = y1 < y2 ? y2 : y1;
        if (!(lo <= py && py < hi)) continue;
        if (std::fabs(x1 - x2) < 1e-10) {
            if (px < x1) inside = !inside;
        } else {
            const double xi = -((x1 - x2) * py + ((x2 - x1) * y1 - (y2 - y1) * x1)) / (y2 - y1);
            if (xi > px) inside = !inside;
        }
    }
    return inside;
}

inline bool segmentsCross(double x1, double y1, double x2, double y2, double x3, double y3, double x4, double y4) {
    if (!(std::fmin(x3, x4) <= std::fmax(x1, x2) && std::fmin(x1, x2) <= std::fmax(x3, x4) &&
          std::fmin(y3, y4) <= std::fmax(y1, y2) && std::fmin(y1, y2) <= std::fmax(y3, y4)))
        return false;
    const double d1 = (y3 - y1) * (x2 - x1) - (x3 - x1) * (y2 - y1);
    const double d2 = (y4 - y1) * (x2 - x1) - (x4 - x1) * (y2 - y1);
    if (!(d1 * d2 <= 0)) return false;
    const double d3 = (x3 - x1) * (y4 - y3) - (y3 - y1) * (x4 - x3);
    const double d4 = (y2 - y3) * (x4 - x3) - (x2 - x3) * (y4 - y3);
    return d3 * d4 <= 0;
}

// Some edge of `a` meets some edge of `b`. An edge whose box misses the other loop's box cannot meet any
// of its edges (their boxes lie inside it), so only the edges that reach into both boxes are paired.
template <typename A, typename B>
bool edgesCross(const A& a, const B& b) {
    const double bx0 = b.xmin(), bx1 = b.xmax(), by0 = b.ymin(), by1 = b.ymax();
    const double ax0 = a.xmin(), ax1 = a.xmax(), ay0 = a.ymin(), ay1 = a.ymax();
    const int n = a.count();
    const int m = b.count();
    for (int i = 0; i < n; ++i) {
        const int i2 = i + 1 == n ? 0 : i + 1;
        const double x1 = a.x(i), y1 = a.y(i), x2 = a.x(i2), y2 = a.y(i2);
        if (std::fmax(x1, x2) < bx0 || std::fmin(x1, x2) > bx1 || std::fmax(y1, y2) < by0 || std::fmin(y1, y2) > by1)
            continue;
        for (int j = 0; j < m; ++j) {
            const int j2 = j + 1 == m ? 0 : j + 1;
            const double x3 = b.x(j), y3 = b.y(j), x4 = b.x(j2), y4 = b.y(j2);
            if (std::fmax(x3, x4) < ax0 || std::fmin(x3, x4) > ax1 || std::fmax(y3, y4) < ay0 ||
                std::fmin(y3, y4) > ay1)
                continue;
            if (segmentsCross(x1, y1, x2, y2, x3, y3, x4, y4)) return true;
        }
    }
    return false;
}

template <typename A, typename B>
bool boxesQuickAccept(const A& a, const B& b) {
    const double axmin = a.xmin(), axmax = a.xmax(), aymin = a.ymin(), aymax = a.ymax();
    const double bxmin = b.xmin(), bxmax = b.xmax(), bymin = b.ymin(), bymax = b.ymax();
    return axmin > bxmax || std::fabs(axmin - bxmax) < 1e-5 || axmax < bxmin || std::fabs(axmax - bxmin) < 1e-5 ||
           aymin > bymax || std::fabs(aymin - bymax) < 1e-5 || aymax < bymin || std::fabs(aymax - bymin) < 1e-5;
}

template <typename A, typename B>
bool separateFrom(const A& a, const B& b) {
    if (boxesQuickAccept(a, b)) return true;
    for (int i = 0; i < a.count(); ++i)
        if (containsPoint(b, a.x(i), a.y(i))) return false;
    for (int i = 0; i < b.count(); ++i)
        if (containsPoint(a, b.x(i), b.y(i))) return false;
    return !edgesCross(a, b);
}

template <typename Hole, typename Loop>
bool containsAll(const Hole& hole, const Loop& loop) {
    for (int i = 0; i < loop.count(); ++i)
        if (!containsPoint(hole, loop.x(i), loop.y(i))) return false;
    return true;
}

// The compatibility rule of part `a` (seen through `view`) against part `b` where it lies: outer loops
// separate, or one part's outer vertices all inside a hole of the other.
template <typename View>
bool compatible(const Part& a, const View& view, const Part& b) {
    const auto outerA = view(a.outer);
    const PlacedLoop outerB{&b.outer};
    if (separateFrom(outerA, outerB)) return true;
    for (const Polygon& hole : a.inners)
        if (containsAll(view(hole), outerB)) return true;
    for (const Polygon& hole : b.inners)
        if (containsAll(PlacedLoop{&hole}, outerA)) return true;
    return false;
}

// `a` moved by (dx, dy) against `b`.
inline bool compatibleShifted(const Part& a, double dx, double dy, const Part& b) {
    return compatible(a, [dx, dy](const Polygon& loop) { return ShiftedLoop{&loop, dx, dy}; }, b);
}

// `a` where it lies against `b`.
inline bool compatiblePlaced(const Part& a, const Part& b) {
    return compatible(a, [](const Polygon& loop) { return PlacedLoop{&loop}; }, b);
}

}  // namespace orvanest::fast
