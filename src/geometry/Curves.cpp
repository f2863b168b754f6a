#include "geometry/Curves.h"

#include <cmath>

namespace orvanest {

void Arc::set(const Point& c, double r, double start, double end) {
    centre = c;
    radius = r;
    startAngle = start;
    endAngle = end;
    // Angles the readers refuse would take for ever, or never end, one turn at a time: they are
    // left as they are, which gives the arc no chord.
    if (!arcAnglesWithinLimit(startAngle, endAngle)) return;
    while (endAngle < startAngle) endAngle += 360.0;
}

void Arc::discretise(SegmentList& segments, double step) const {
    const double pi = geometryPi();
    const double sweep = endAngle - startAngle;
    const double chords = pi * radius * sweep * 0.005555555555555556 / step + 1.0;
    if (!(chords >= 1.0) || chords > kMaxChordsPerCurve) return;
    const int n = static_cast<int>(chords);
    const double delta = sweep / n;
    double a = startAngle;
    const double startRad = a * pi * 0.005555555555555556;
    Point previous(centre.x + radius * std::cos(startRad), centre.y + radius * std::sin(startRad));
    for (int k = 1; k <= n; ++k) {
        a += delta;
        const double rad = a * pi * 0.005555555555555556;
        Point next(centre.x + radius * std::cos(rad), centre.y + radius * std::sin(rad));
        segments.push_front(Segment(previous, next));
        previous = next;
    }
}

void Circle::discretise(SegmentList& segments, double step) const {
    const double pi = geometryPi();
    const double chords = 2.0 * pi * radius / step + 1.0;
    if (!(chords >= 1.0) || chords > kMaxChordsPerCurve) return;
    const int n = static_cast<int>(chords);
    const double delta = 2.0 * pi / n;
    const Point first(centre.x + radius, centre.y);
    double a = 0.0;
    Point previous = first;
    for (int k = 0; k < n; ++k) {
        Point next;
        if (k == 0) {
            next = Point(centre.x + radius * std::cos(delta), centre.y + radius * std::sin(delta));
        } else if (k < n - 1) {
            next = Point(centre.x + radius * std::cos(a + delta), centre.y + radius * std::sin(a + delta));
        } else {
            next = first;
        }
        segments.push_front(Segment(previous, next));
        previous = next;
        a = a + delta;
    }
}

void discretiseAll(const ArcList& arcs, SegmentList& segments, double step) {
    for (const Arc& arc : arcs) arc.discretise(segments, step);
}

void discretiseAll(const CircleList& circles, SegmentList& segments, double step) {
    for (const Circle& circle : circles) circle.discretise(segments, step);
}

}  // namespace orvanest
