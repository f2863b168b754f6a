#pragma once

#include <cmath>

#include "packing/EdgeBands.h"
#include "packing/ShiftedLoop.h"

namespace orvanest::fast {

// How far a point can move straight up and stay inside a loop that does not move, as the crossing test
// itself would answer at every height on the way.
//
// Between two neighbouring vertex heights the edges that take part in the test stay the same, and each
// edge's answer changes at most once: its intersection -(a * y + b) / c is made of roundings that never
// reverse the order of their arguments, so it is monotone in y. An edge that answers the same at both
// ends of a stretch therefore answers so all along it, and so does the parity.

// The edges of a placed loop as lines, from its bands or, for a short loop, worked out in passing.
class LoopLines {
public:
    explicit LoopLines(const PlacedLoop& loop) : loop_(*loop.loop), bands_(loop.bands) {}

    template <typename F>
    void forEachAt(double py, F&& f) const {
        if (bands_) {
            bands_->forEachLineAt(py, f);
            return;
        }
        const int n = loop_.count();
        for (int i = 0; i < n; ++i) {
            const Point& p = loop_.vertex(i);
            const Point& q = loop_.vertex(i + 1 == n ? 0 : i + 1);
            if (!(lesser(p.y, q.y) <= py && py < greater(p.y, q.y))) continue;
            f(EdgeLine::of(p.x, p.y, q.x, q.y));
        }
    }

    double nextVertexHeightAbove(double y) const {
        if (bands_) return bands_->nextVertexHeightAbove(y);
        double next = HUGE_VAL;
        for (int i = 0; i < loop_.count(); ++i) {
            const double h = loop_.vertex(i).y;
            if (h > y && h < next) next = h;
        }
        return next;
    }

private:
    const Polygon& loop_;
    const EdgeBands* bands_;
};

// The heights [from, end) of column x known to lie inside a loop, grown upwards one stretch between vertex
// heights at a time, as far as it is asked to.
class InsideStretch {
public:
    InsideStretch() = default;
    // Starts at a point the loop is known to contain.
    InsideStretch(double x, double y) : x_(x), from_(y), end_(y), resume_(y) {}

    bool covers(double y) const { return from_ <= y && y < end_; }

    // Grows the stretch towards height y, looking across at most `heights` vertex heights; answers
    // whether it now covers y.
    bool growTo(const PlacedLoop& loop, double y, int heights) {
        if (y < from_) return false;
        const LoopLines lines(loop);
        for (int step = 0; step < heights && end_ <= y && !std::isnan(resume_); ++step) growOnce(loop, lines);
        return y < end_;
    }

private:
    // Adds the heights from the resume point up to the next vertex height, or up to just below where the
    // column leaves the loop. Each edge is tested at both ends of the stretch, ends included.
    void growOnce(const PlacedLoop& loop, const LoopLines& lines) {
        const double from = resume_;
        resume_ = NAN;
        const double next = lines.nextVertexHeightAbove(from);
        if (!(next <= loop.loop->ymax)) return;
        bool odd = false;
        bool steady = true;
        double exit = next;
        lines.forEachAt(from, [&](const EdgeLine& e) {
            const bool here = e.crosses(x_, from);
            if (here) odd = !odd;
            if (here != e.crosses(x_, next)) {
                steady = false;
                // Where the edge's line meets the column; its answer changes near there.
                exit = lesser(exit, -(e.c * x_ + e.b) / e.a);
            }
        });
        if (!odd) return;
        if (steady) {
            end_ = next;
            resume_ = next;
            return;
        }
        const double below = exit - 1e-9 * (1.0 + std::fabs(exit) + std::fabs(x_));
        if (!(below > from && below < next)) return;
        bool same = true;
        lines.forEachAt(from, [&](const EdgeLine& e) { same = same && e.crosses(x_, from) == e.crosses(x_, below); });
        if (same) end_ = below;
    }

    double x_ = 0.0;
    double from_ = 0.0;
    double end_ = 0.0;     // the stretch is [from_, end_)
    double resume_ = NAN;  // where the next stretch starts; NaN once the top is found
};

}  // namespace orvanest::fast
