#pragma once

#include <limits>

#include "geometry/Part.h"
#include "packing/InsideStretch.h"
#include "packing/ShiftedLoop.h"

namespace orvanest::fast {

// A conflict proof that carries up a column of packing points. While a trial copy keeps its offset dx and
// its vertex `vertex` lies at a height of the stretch, that vertex lies inside the member's outer loop
// and neither part can lie in a hole of the other; unless their boxes are quick-accepted, the trial
// conflicts with the member, as the full test would find.
class ColumnStretch {
public:
    ColumnStretch() = default;

    // Starts where the trial's vertex `vertex` has been found inside the member's outer loop. Stays empty
    // when a hole could hold one part in the other somewhere up the column.
    ColumnStretch(const Part& trial, const ShiftedLoop& outer, int vertex, const Part& member) {
        if (member.outer.count() == 0) return;
        const double x = outer.x(vertex);
        // The member's leftmost or rightmost vertex lies outside the trial's hole whatever the height.
        for (const Polygon& hole : trial.inners)
            if (!(member.outer.xmin < hole.xmin + outer.dx || member.outer.xmax > hole.xmax + outer.dx)) return;
        // The trial's vertex lies beside the member's hole whatever the height.
        for (const Polygon& hole : member.inners)
            if (!(x < hole.xmin || x > hole.xmax)) return;
        dx_ = outer.dx;
        vertex_ = vertex;
        inside_ = InsideStretch(x, outer.y(vertex));
    }

    // Whether the proof reaches the trial seen through `outer`, grown up the column if need be.
    bool reaches(const ShiftedLoop& outer, const PlacedLoop& memberOuter) {
        if (!(outer.dx == dx_)) return false;
        const double y = outer.y(vertex_);
        // A few heights at a time: a trial far up the column is cheaper to test afresh.
        constexpr int kHeightsPerTrial = 4;
        return inside_.covers(y) || inside_.growTo(memberOuter, y, kHeightsPerTrial);
    }

private:
    double dx_ = std::numeric_limits<double>::quiet_NaN();
    int vertex_ = 0;
    InsideStretch inside_;
};

}  // namespace orvanest::fast
