#pragma once

#include "geometry/Part.h"
#include "layout/Layout.h"

namespace orvanest {

// The geometric predicates every placement decision comes down to. Tolerances: 1e-10 for the board
// test and vertical edges, 1e-5 for the box quick accept; everything else is exact.

bool containsPoint(const Polygon& polygon, const Point& p);
bool containsAll(const Polygon& polygon, const Polygon& vertices);
bool segmentsCross(const Point& p1, const Point& p2, const Point& q1, const Point& q2);
bool edgesCross(const Polygon& a, const Polygon& b);
bool separateFrom(const Polygon& a, const Polygon& b);

bool coversPoint(const Part& part, const Point& p);
bool compatibleWith(const Part& a, const Part& b);
bool overlapsRect(const Part& part, double x1, double x2, double y1, double y2);

// A member of the part list lies on the board and is compatible with every other member (itself skipped
// by identity).
bool isPlacementValid(const Layout& layout, const Part& part);
// A trial part that is not a member lies on the board and is compatible with every member.
bool fitsAsCandidate(const Layout& layout, const Part& candidate);
// True when no part on the board conflicts; marks the offenders selected.
bool checkPlacedConflicts(Layout& layout);
// True when some part off the board overlaps it; marks the offenders selected.
bool checkBoardStraddle(Layout& layout);

}  // namespace orvanest
