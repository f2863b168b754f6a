#include "packing/Placement.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <optional>
#include <string>
#include <vector>

#include "layout/FileWriting.h"
#include "packing/FastEngine.h"
#include "packing/GridLimits.h"
#include "packing/Overlap.h"
#include "packing/PackingPointGrid.h"
#include "packing/SlideSteps.h"

namespace orvanest {
namespace {

struct Note {
    int frequency;
    int length;  // in units of 200 ms
};
constexpr Note kStepTune[] = {{330, 1}, {392, 1}, {262, 2}, {294, 1}, {330, 1}, {196, 2},
                              {262, 1}, {294, 1}, {330, 1}, {392, 1}, {294, 4}};
constexpr int kStepTuneLength = static_cast<int>(sizeof kStepTune / sizeof kStepTune[0]);

// The candidate test of the placement run, kept in one place so that a faster path can stand in.
bool candidateFits(const Layout& layout, const Part& candidate) { return fitsAsCandidate(layout, candidate); }

// `working` := `trial` moved by (dx, dy), reusing the working part's storage. The coordinates come out
// exactly as moveBy on a fresh copy gives them.
void takeMovedTrial(const Part& trial, double dx, double dy, Part& working) {
    working.outer = trial.outer;
    auto hole = working.inners.begin();
    for (const Polygon& source : trial.inners) *hole++ = source;
    working.xmin = trial.xmin;
    working.xmax = trial.xmax;
    working.ymin = trial.ymin;
    working.ymax = trial.ymax;
    working.centroid = trial.centroid;
    working.moveBy(dx, dy);
}

// The RN orientations of a part about its reference vertex, prepared once per placement.
struct Orientations {
    std::vector<Part> trials;
    std::vector<double> centroidX;
};

Orientations prepareOrientations(const Part& part, const Point& g, const Point& c, int rn, double step) {
    Orientations o;
    o.trials.reserve(static_cast<size_t>(rn));
    o.centroidX.reserve(static_cast<size_t>(rn));
    for (int k = 0; k < rn; ++k) {
        o.trials.push_back(part);
        if (k > 0) o.trials.back().rotateAbout(g, k * step);
        Point ck = c;
        ck.rotateAbout(g, k * step);
        o.centroidX.push_back(ck.x);
    }
    return o;
}

void slide(Layout& layout, Part& part, double unitX, double unitY) {
    if (!layout.useLiteralEngine) {
        fast::slide(layout, part, unitX, unitY);
        return;
    }
    slideWithHalvingSteps(part, layout.ppd, unitX, unitY, [&] { return isPlacementValid(layout, part); });
}

// First renewal of a run; answers false (after the warning) when the grid would be too large.
bool renewIfFirstStep(Layout& layout, Platform& platform) {
    if (!layout.firstStep) return true;
    if (!renewPackingPoints(layout)) {
        // firstStep stays set, so that a later run tries again once PPD has been changed.
        platform.showMessage(kWarningCaption, ppdTooSmallMessage(layout.boardLength, layout.boardWidth, layout.ppd));
        return false;
    }
    layout.firstStep = false;
    return true;
}

bool waitsForPacking(const Layout& layout, const Part& part) {
    return part.selected && !liesWithin(part, layout.extent);
}

std::string timingText(double seconds) {
    char text[128];
    if (seconds > 1.0)
        std::snprintf(text, sizeof text, "排样计算时间为:%.2lf 秒", seconds);
    else
        std::snprintf(text, sizeof text, "排样计算时间为:%.2lf 毫秒", seconds * 1000.0);
    return text;
}

}  // namespace

void placePart(Layout& layout, Part& part) {
    if (!layout.useLiteralEngine) {
        fast::placePart(layout, part);
        return;
    }
    const Point g = referenceVertex(part);
    const Point c = part.computeCentroid();
    const double d = g.distanceTo(c);
    const int rn = layout.rn;
    if (rn < 1) return;
    const double step = 2.0 * geometryPi() / rn;
    const Orientations o = prepareOrientations(part, g, c, rn, step);
    Part working = o.trials[0];
    working.inners = o.trials[0].inners;

    TypeSlot* typeSlot = layout.slotFor(part.name);
    PackingPoints& points = layout.packingPoints;
    const size_t end = points.slotCount();

    // First fit, from the first point not before the type's resume point.
    size_t found = end;
    int bestOrientation = 0;
    double bestScore = 0.0;
    for (size_t slot = points.nextAlive(0); slot < end && found == end; slot = points.nextAlive(slot + 1)) {
        const Point& p = points.at(slot);
        if (typeSlot) {
            const Point& r = typeSlot->resumePoint;
            if (!(p.x > r.x || (p.x == r.x && p.y >= r.y))) continue;
        }
        const double dx = p.x - g.x;
        const double dy = p.y - g.y;
        for (int k = 0; k < rn; ++k) {
            takeMovedTrial(o.trials[static_cast<size_t>(k)], dx, dy, working);
            if (candidateFits(layout, working)) {
                found = slot;
                bestOrientation = k;
                bestScore = dx + o.centroidX[static_cast<size_t>(k)];
                break;
            }
        }
    }
    if (found == end) return;
    if (typeSlot) typeSlot->resumePoint = points.at(found);

    // Improvement: a trial is tested only when its centroid would lie strictly further left.
    size_t best = found;
    for (size_t slot = found; slot < end; slot = points.nextAlive(slot + 1)) {
        const Point& q = points.at(slot);
        if (q.x - d > bestScore) break;
        const double dx = q.x - g.x;
        const double dy = q.y - g.y;
        for (int j = 0; j < rn; ++j) {
            const double score = dx + o.centroidX[static_cast<size_t>(j)];
            if (!(score < bestScore)) continue;
            takeMovedTrial(o.trials[static_cast<size_t>(j)], dx, dy, working);
            if (candidateFits(layout, working)) {
                bestScore = score;
                best = slot;
                bestOrientation = j;
            }
        }
    }

    const Point target = points.at(best);
    part.moveBy(target.x - g.x, target.y - g.y);
    part.rotateAbout(target, bestOrientation * step);
    slideLeft(layout, part);
    slideDown(layout, part);
    removeCoveredPoints(layout, part);
}

void slideLeft(Layout& layout, Part& part) { slide(layout, part, -1.0, 0.0); }
void slideRight(Layout& layout, Part& part) { slide(layout, part, 1.0, 0.0); }
void slideUp(Layout& layout, Part& part) { slide(layout, part, 0.0, 1.0); }
void slideDown(Layout& layout, Part& part) { slide(layout, part, 0.0, -1.0); }

void placeSelectedParts(Layout& layout, Platform& platform) {
    const int total = static_cast<int>(
        std::count_if(layout.parts.begin(), layout.parts.end(), [](const Part& part) { return part.selected; }));
    int done = 0;
    // The fast engine keeps its search thread from one placement to the next.
    std::optional<fast::PackingRun> run;
    if (!layout.useLiteralEngine) run.emplace();
    for (Part& part : layout.parts) {
        if (!part.selected) continue;
        if (run)
            run->placePart(layout, part);
        else
            placePart(layout, part);
        if (!platform.packingProgress(++done, total)) break;
    }
}

double packTimed(Layout& layout, Platform& platform) {
    const double start = platform.nowSeconds();
    if (!renewIfFirstStep(layout, platform)) return 0.0;
    placeSelectedParts(layout, platform);
    const double seconds = platform.nowSeconds() - start;
    platform.releaseFreedMemory();

    const std::string text = timingText(seconds);
    platform.playSystemSound();
    platform.showMessage(kNoticeCaption, text);
    std::string error;
    if (!writeFileAtomically(kTimingFileName, text + "\n", &error))
        platform.showMessage(kWarningCaption,
                             std::string("记录排样计算时间的文件输出失败! (") + kTimingFileName + ": " + error + ")");
    return seconds;
}

bool packStep(Layout& layout, Platform& platform, int& noteIndex) {
    if (!renewIfFirstStep(layout, platform)) return false;
    auto waiting = [&layout](const Part& part) { return waitsForPacking(layout, part); };
    const auto next = std::find_if(layout.parts.begin(), layout.parts.end(), waiting);
    if (next == layout.parts.end()) return false;
    placePart(layout, *next);

    const int n = ((noteIndex % kStepTuneLength) + kStepTuneLength) % kStepTuneLength;
    platform.playTone(kStepTune[n].frequency, kStepTune[n].length * 200);
    noteIndex = (n + 1) % kStepTuneLength;
    return std::any_of(next, layout.parts.end(), waiting);
}

}  // namespace orvanest
