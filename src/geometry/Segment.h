#pragma once

#include <list>

#include "geometry/Point.h"

namespace orvanest {

struct Segment {
    Point start;
    Point end;

    Segment() = default;
    Segment(const Point& s, const Point& e) : start(s), end(e) {}
};

// Every collection of the model is a list with insertion at the front; iteration runs from the front.
using SegmentList = std::list<Segment>;
using PointList = std::list<Point>;

// Inserts a copy of every segment of `lines`, in order, at the front of `segments`.
inline void copyAll(const SegmentList& lines, SegmentList& segments) {
    for (const Segment& s : lines) segments.push_front(s);
}

}  // namespace orvanest
