#include "packing/FastEngine.h"

#include <algorithm>
#include <cmath>
#include <vector>

#include "packing/MemberIndex.h"
#include "packing/PackingPointGrid.h"
#include "packing/ShiftedLoop.h"

namespace orvanest::fast {
namespace {

bool coversPoint(const Part& part, double x, double y, EdgeBandsCache& cache) {
    if (!containsPoint(PlacedLoop{&part.outer, cache.of(part.outer)}, x, y)) return false;
    for (const Polygon& hole : part.inners)
        if (containsPoint(PlacedLoop{&hole, cache.of(hole)}, x, y)) return false;
    return true;
}

bool validAgainst(const MemberIndex& index, EdgeBandsCache& cache, const Layout& layout, const Part& part) {
    if (!liesWithin(part, layout.extent)) return false;
    return index.forEachNear(Box{part.xmin, part.xmax, part.ymin, part.ymax}, [&](const Part& member) {
        return &member == &part || compatiblePlaced(part, member, cache);
    });
}

void slideWith(const MemberIndex& index, EdgeBandsCache& cache, Layout& layout, Part& part, int dirX, int dirY) {
    const double w = part.xmax - part.xmin;
    const double h = part.ymax - part.ymin;
    const double m = std::min(w, h);
    const double s = std::min(m * 0.25, layout.ppd);
    // A step that is not positive would never end (or turn the slide around).
    if (!(s > 0.0)) return;
    double vx = dirX * s;
    double vy = dirY * s;
    if (dirX == 0) vx = 0.0;
    if (dirY == 0) vy = 0.0;
    while (true) {
        part.moveBy(vx, vy);
        while (validAgainst(index, cache, layout, part)) {
            // A step below the coordinates' resolution moves nothing: stop rather than try for ever.
            const double x0 = part.xmin, x1 = part.xmax, y0 = part.ymin, y1 = part.ymax;
            part.moveBy(vx, vy);
            if (part.xmin == x0 && part.xmax == x1 && part.ymin == y0 && part.ymax == y1) break;
        }
        part.moveBy(-vx, -vy);
        if (std::fabs(vx) < 0.01 && std::fabs(vy) < 0.01) return;
        vx = vx / 2;
        vy = vy / 2;
    }
}

// One placement's search state: the trial copies (unmoved), their rotated centroids and boxes.
struct Trials {
    std::vector<Part> copies;
    std::vector<double> centroidX;
};

bool trialFits(const MemberIndex& index, EdgeBandsCache& cache, const Layout& layout, const Part& trial, double dx,
               double dy) {
    const double xmin = trial.xmin + dx, xmax = trial.xmax + dx;
    const double ymin = trial.ymin + dy, ymax = trial.ymax + dy;
    constexpr double kSlack = 1e-10;
    const Extent& e = layout.extent;
    auto within = [](bool strict, double a, double b) { return strict || std::fabs(a - b) < kSlack; };
    if (!(within(xmax < e.xmax, xmax, e.xmax) && within(xmin > e.xmin, xmin, e.xmin) &&
          within(ymax < e.ymax, ymax, e.ymax) && within(ymin > e.ymin, ymin, e.ymin)))
        return false;
    return index.forEachNear(Box{xmin, xmax, ymin, ymax},
                             [&](const Part& member) { return compatibleShifted(trial, dx, dy, member, cache); });
}

}  // namespace

struct MovingPartCheck::Index {
    MemberIndex members;
    EdgeBandsCache bands;
};

MovingPartCheck::MovingPartCheck(const Layout& layout, const Part& part)
    : layout_(layout), part_(part), index_(std::make_unique<Index>(Index{MemberIndex(layout.parts), {}})) {}

MovingPartCheck::~MovingPartCheck() = default;

bool MovingPartCheck::valid() const { return validAgainst(index_->members, index_->bands, layout_, part_); }

bool isPlacementValid(const Layout& layout, const Part& part) {
    if (!liesWithin(part, layout.extent)) return false;
    const MemberIndex index(layout.parts);
    EdgeBandsCache cache;
    return validAgainst(index, cache, layout, part);
}

void slide(Layout& layout, Part& part, int dirX, int dirY) {
    const MemberIndex index(layout.parts);
    EdgeBandsCache cache;
    slideWith(index, cache, layout, part, dirX, dirY);
}

void removeCoveredPoints(Layout& layout, const Part& part) {
    PackingPoints& points = layout.packingPoints;
    EdgeBandsCache cache;
    const double ymin = part.outer.ymin, ymax = part.outer.ymax;
    size_t slot = points.firstSlotWithXAtLeast(part.outer.xmin);
    const size_t end = points.slotCount();
    while (slot < end) {
        const double x = points.at(slot).x;
        if (x > part.xmax) break;
        // Within one column only the points inside the box can be covered.
        size_t s = points.firstSlotNotBefore(Point(x, ymin));
        for (; s < end && points.at(s).x == x && points.at(s).y <= ymax; ++s) {
            if (points.isAlive(s) && coversPoint(part, x, points.at(s).y, cache)) points.erase(s);
        }
        slot = points.firstSlotWithXAtLeast(std::nextafter(x, HUGE_VAL));
    }
    points.compactIfSparse();
}

void placePart(Layout& layout, Part& part) {
    if (layout.rn < 1) return;
    const Point g = referenceVertex(part);
    const Point c = part.centroid;
    const double d = g.distanceTo(c);
    const double step = 2 * geometryPi() / layout.rn;
    const int rn = layout.rn;

    Trials trials;
    trials.copies.reserve(static_cast<size_t>(rn));
    for (int k = 0; k < rn; ++k) {
        trials.copies.push_back(part);
        if (k > 0) trials.copies.back().rotateAbout(g, k * step);
        Point ck = c;
        ck.rotateAbout(g, k * step);
        trials.centroidX.push_back(ck.x);
    }

    TypeSlot* slot = layout.slotFor(part.name);
    const MemberIndex index(layout.parts);
    EdgeBandsCache cache;
    PackingPoints& points = layout.packingPoints;
    const size_t end = points.slotCount();

    size_t s = slot ? points.firstSlotNotBefore(slot->resumePoint) : 0;
    double best = 0.0;
    size_t bestSlot = end;
    int bestK = 0;
    for (s = points.nextAlive(s); s < end && bestSlot == end; s = points.nextAlive(s + 1)) {
        const Point& p = points.at(s);
        const double dx = p.x - g.x, dy = p.y - g.y;
        for (int k = 0; k < rn; ++k) {
            if (trialFits(index, cache, layout, trials.copies[static_cast<size_t>(k)], dx, dy)) {
                best = dx + trials.centroidX[static_cast<size_t>(k)];
                bestSlot = s;
                bestK = k;
                break;
            }
        }
    }
    if (bestSlot == end) return;
    if (slot) slot->resumePoint = points.at(bestSlot);

    for (s = bestSlot; s < end; s = points.nextAlive(s + 1)) {
        const Point& q = points.at(s);
        if (q.x - d > best) break;
        const double dx = q.x - g.x, dy = q.y - g.y;
        for (int j = 0; j < rn; ++j) {
            const double score = dx + trials.centroidX[static_cast<size_t>(j)];
            if (score < best && trialFits(index, cache, layout, trials.copies[static_cast<size_t>(j)], dx, dy)) {
                best = score;
                bestSlot = s;
                bestK = j;
            }
        }
    }

    const Point target = points.at(bestSlot);
    part.moveBy(target.x - g.x, target.y - g.y);
    part.rotateAbout(target, bestK * step);
    slideWith(index, cache, layout, part, -1, 0);
    slideWith(index, cache, layout, part, 0, -1);
    fast::removeCoveredPoints(layout, part);
}

}  // namespace orvanest::fast
