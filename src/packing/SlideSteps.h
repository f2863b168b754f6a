#pragma once

#include <algorithm>
#include <cmath>

#include "geometry/Part.h"

namespace orvanest {

// A slide gives up after this many moves (a sliver of a part on a vast board would take for ever);
// the part stays at the last place it was accepted.
inline constexpr long kMaxSlideMoves = 1'000'000;

// The slide with halving steps, whatever decides acceptance: the step is min(m / 4, PPD) for the
// smaller box side m; the part moves by the vector while `accepted()` holds, the last move is taken
// back, and the vector is halved until both components are below 0.01. A step that is not positive
// would never end (or turn the slide around), and a move that leaves the box unchanged (a step below
// the coordinates' resolution) would repeat for ever: both end the slide.
template <typename Accepted>
void slideWithHalvingSteps(Part& part, double ppd, double unitX, double unitY, Accepted&& accepted) {
    const double w = part.xmax - part.xmin;
    const double h = part.ymax - part.ymin;
    const double m = std::min(w, h);
    const double s = std::min(m * 0.25, ppd);
    if (!(s > 0.0)) return;
    double vx = unitX * s;
    double vy = unitY * s;
    long moves = 0;
    for (;;) {
        part.moveBy(vx, vy);
        while (accepted()) {
            const double xmin = part.xmin, xmax = part.xmax, ymin = part.ymin, ymax = part.ymax;
            if (++moves > kMaxSlideMoves) return;
            part.moveBy(vx, vy);
            if (part.xmin == xmin && part.xmax == xmax && part.ymin == ymin && part.ymax == ymax) break;
        }
        part.moveBy(-vx, -vy);
        if (std::fabs(vx) < 0.01 && std::fabs(vy) < 0.01) return;
        vx *= 0.5;
        vy *= 0.5;
    }
}

}  // namespace orvanest
