#pragma once

#include <cmath>

#include <list>

#include "geometry/Segment.h"

namespace orvanest {

// A DXF arc, counter-clockwise from startAngle to endAngle (degrees); endAngle >= startAngle after set.
struct Arc {
    Point centre;
    double radius = 0.0;
    double startAngle = 0.0;
    double endAngle = 0.0;

    void set(const Point& c, double r, double start, double end);
    // Front-inserts the chords of the arc into `segments`, each about `step` long.
    void discretise(SegmentList& segments, double step) const;
};

struct Circle {
    Point centre;
    double radius = 0.0;

    void set(const Point& c, double r) {
        centre = c;
        radius = r;
    }
    void discretise(SegmentList& segments, double step) const;
};

using ArcList = std::list<Arc>;
using CircleList = std::list<Circle>;

void discretiseAll(const ArcList& arcs, SegmentList& segments, double step);
void discretiseAll(const CircleList& circles, SegmentList& segments, double step);

// Upper bound on the chords one curve may produce; a larger count is refused by the readers.
inline constexpr double kMaxChordsPerCurve = 1'000'000.0;

// Arc angles beyond this many degrees (a few million turns) are refused by the readers: the end angle is
// brought past the start one turn at a time, and far out a turn no longer changes the number at all.
inline constexpr double kMaxArcAngle = 1e9;
inline bool arcAnglesWithinLimit(double start, double end) {
    return std::fabs(start) <= kMaxArcAngle && std::fabs(end) <= kMaxArcAngle;  // false for NaN too
}

}  // namespace orvanest
