#include "packing/FastEngine.h"

#include <algorithm>
#include <atomic>
#include <cmath>
#include <cstdint>
#include <optional>
#include <thread>
#include <utility>
#include <vector>

#include "packing/ColumnStretch.h"
#include "packing/MemberIndex.h"
#include "packing/PackingPointGrid.h"
#include "packing/RowConflicts.h"
#include "packing/SearchWorker.h"
#include "packing/ShiftedLoop.h"
#include "packing/SlideSteps.h"

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
    ConflictHint hint;
    return index.forEachNear(Box{part.xmin, part.xmax, part.ymin, part.ymax}, [&](const Part& member) {
        return &member == &part || compatiblePlaced(part, member, cache, hint);
    });
}

void slideWith(const MemberIndex& index, EdgeBandsCache& cache, Layout& layout, Part& part, double unitX,
               double unitY) {
    slideWithHalvingSteps(part, layout.ppd, unitX, unitY, [&] { return validAgainst(index, cache, layout, part); });
}

// One placement's search state: the trial copies (unmoved), their rotated centroids and boxes.
struct Trials {
    std::vector<Part> copies;
    std::vector<double> centroidX;
};

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

void slide(Layout& layout, Part& part, double unitX, double unitY) {
    const MemberIndex index(layout.parts);
    EdgeBandsCache cache;
    slideWith(index, cache, layout, part, unitX, unitY);
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

namespace {

// One thread's means of testing trials: its front to the run's edge bands, vertex hints and visit marks.
class TrialTester {
public:
    TrialTester(const MemberIndex& index, const Layout& layout, const Trials& trials, EdgeBandsCache& cache,
                RowConflicts& rows)
        : index_(index),
          layout_(layout),
          trials_(trials),
          cache_(cache),
          rows_(rows),
          hints_(trials.copies.size()),
          scratch_(index.scratch()) {
        rows_.startSearch(layout.packingPoints.rowCount(), static_cast<int>(trials.copies.size()));
    }

    // Whether trial k, shifted by (dx, dy) onto the point of `slot`, fits.
    bool fits(int k, double dx, double dy, size_t slot) {
        const Part& trial = trials_.copies[static_cast<size_t>(k)];
        const double xmin = trial.xmin + dx, xmax = trial.xmax + dx;
        const double ymin = trial.ymin + dy, ymax = trial.ymax + dy;
        constexpr double kSlack = 1e-10;
        const Extent& e = layout_.extent;
        auto within = [](bool strict, double a, double b) { return strict || std::fabs(a - b) < kSlack; };
        if (!(within(xmax < e.xmax, xmax, e.xmax) && within(xmin > e.xmin, xmin, e.xmin) &&
              within(ymax < e.ymax, ymax, e.ymax) && within(ymin > e.ymin, ymin, e.ymin)))
            return false;
        ConflictHint& hint = hints_[static_cast<size_t>(k)];
        // Neighbouring trials mostly fail on the same member: a cheap proof against it spares the index.
        LastConflict& last = lastConflicts_[static_cast<size_t>(k)];
        const Part* lastConflict = last.member;
        const EdgeBands* trialBands = trialBands_[static_cast<size_t>(k)];
        const ShiftedLoop outer{&trial.outer, dx, dy, trialBands};
        // A vertex of the trial inside a short member outline proves the conflict up the column too.
        auto carryUp = [&](ConflictProof proof) {
            if (proof == ConflictProof::kVertexOfA && !last.bands)
                last.stretch = ColumnStretch(trial, outer, hint.a, *last.member);
        };
        if (lastConflict) {
            const PlacedLoop lastOuter{&lastConflict->outer, last.bands};
            if (last.stretch.reaches(outer, lastOuter) && !boxesQuickAccept(outer, lastOuter)) return false;
            const ConflictProof proof =
                conflictProof(trial, trialBands, dx, dy, *lastConflict, last.bands, cache_, hint);
            if (proof != ConflictProof::kNone) return carryUp(proof), false;
        }
        // The trial at this height in an earlier column often met the same member in the same way.
        const size_t row = layout_.packingPoints.rowOf(slot);
        if (const RowConflicts::Conflict* met = rows_.find(k, row); met && met->member != lastConflict) {
            const ConflictProof proof =
                conflictProof(trial, trialBands, dx, dy, *met->member, met->bands, cache_, met->hint);
            if (proof != ConflictProof::kNone) {
                hint = met->hint;
                last = LastConflict{met->member, met->bands, {}};
                return carryUp(proof), false;
            }
        }
        // A conflict found by the index is the one to try first at the next trial, and in the next column.
        auto remember = [&](const Part* member, const EdgeBands* bands) {
            last = LastConflict{member, bands, {}};
            rows_.remember(k, row, {member, bands, hint});
            return false;
        };
        near_.clear();
        index_.forEachNear(Box{xmin, xmax, ymin, ymax}, scratch_, [&](const Part& member) {
            near_.push_back(&member);
            return true;
        });
        // The answer is the same whatever the order of the members: first the cheap proofs of a
        // conflict, then the full test.
        for (const Part*& member : near_) {
            if (member == lastConflict) std::swap(member, near_.front());
        }
        for (const Part* member : near_) {
            if (member == lastConflict) continue;
            const EdgeBands* memberBands = cache_.of(member->outer);
            if (provesConflict(trial, trialBands, dx, dy, *member, memberBands, cache_, hint))
                return remember(member, memberBands);
        }
        // The full test, one look at a time across the members: the trial fails if some member's outer
        // loop is not separate from it (a vertex of either inside the other, or crossing edges) and
        // neither part lies in a hole of the other. A failing trial is mostly caught by a vertex before
        // the edges of the members it does not meet are worked through.
        auto view = [&](const Polygon& loop) { return ShiftedLoop{&loop, dx, dy, cache_.of(loop)}; };
        settled_.assign(near_.size(), false);
        for (int look = 0; look < 3; ++look) {
            for (size_t i = 0; i < near_.size(); ++i) {
                if (settled_[i]) continue;
                const Part& member = *near_[i];
                const PlacedLoop memberOuter{&member.outer, cache_.of(member.outer)};
                if (look == 0 && boxesQuickAccept(outer, memberOuter)) {
                    settled_[i] = true;
                    continue;
                }
                const bool overlap = look == 0   ? anyVertexInside(outer, memberOuter, hint.a)
                                     : look == 1 ? anyVertexInside(memberOuter, outer, hint.b)
                                                 : edgesCross(outer, memberOuter, &hint);
                if (!overlap) continue;
                settled_[i] = true;
                if (inHoleOfEither(trial, view, member, outer, memberOuter, cache_)) continue;
                return remember(&member, memberOuter.bands);
            }
        }
        return true;
    }

private:
    const MemberIndex& index_;
    const Layout& layout_;
    const Trials& trials_;
    EdgeBandsCache& cache_;
    RowConflicts& rows_;
    std::vector<ConflictHint> hints_;
    MemberIndex::Scratch scratch_;
    std::vector<const Part*> near_;
    std::vector<bool> settled_;  // of each near member: compatible whatever the rest of the full test finds
    // Per orientation, the member its last failed trial conflicted with, that member's bands, and how far
    // up the column the trial's vertex that proved it is known to stay inside the member.
    struct LastConflict {
        const Part* member = nullptr;
        const EdgeBands* bands = nullptr;
        ColumnStretch stretch;
    };
    std::vector<LastConflict> lastConflicts_ = std::vector<LastConflict>(trials_.copies.size());
    std::vector<const EdgeBands*> trialBands_ = [this] {
        std::vector<const EdgeBands*> bands;
        for (const Part& trial : trials_.copies) bands.push_back(cache_.of(trial.outer));
        return bands;
    }();
};

// What the placements of one run keep: the second thread, the edge bands of the members, and a front
// to them for each thread.
struct SearchThreads {
    SearchTuning tuning;
    SharedBands bands;
    EdgeBandsCache mainBands{bands};
    EdgeBandsCache secondBands{bands};
    RowConflicts mainRows;
    RowConflicts secondRows;
    std::optional<SearchWorker> worker;
    long lastSearchTrials = 0;  // trials of the run's last search, on both threads

    // The trial copies go, and the placed part moves.
    void forget(const std::vector<Part>& copies, const Part& placed) {
        for (EdgeBandsCache* cache : {&mainBands, &secondBands}) {
            for (const Part& part : copies) forgetLoops(*cache, part);
            forgetLoops(*cache, placed);
        }
    }

    static void forgetLoops(EdgeBandsCache& cache, const Part& part) {
        cache.forget(part.outer);
        for (const Polygon& hole : part.inners) cache.forget(hole);
    }
};

// Trial outcomes of one batch of packing points, orientation by orientation.
enum Outcome : unsigned char { kUntested = 0, kFits = 1, kFails = 2 };

struct Batch {
    std::vector<size_t> slots;
    std::vector<unsigned char> outcomes;  // orientation by orientation, each a row of slots.size()

    unsigned char& outcome(int orientation, size_t point) {
        return outcomes[static_cast<size_t>(orientation) * slots.size() + point];
    }

    void collect(const PackingPoints& points, size_t& slot, size_t limit, int rn) {
        slots.clear();
        const size_t end = points.slotCount();
        for (slot = points.nextAlive(slot); slot < end && slots.size() < limit; slot = points.nextAlive(slot + 1))
            slots.push_back(slot);
        outcomes.assign(slots.size() * static_cast<size_t>(rn), kUntested);
    }
};

// Points in the first batch handed out; each further batch doubles, up to 2048.
constexpr size_t kFirstBatchPoints = 128;

// The candidate search of one placement, split over two threads once it proves long. Every decision
// (first fit, the stop rule, strict improvement) is taken in candidate order by the calling thread;
// the second thread only works out, ahead of it, whether trials fit.
class PlacementSearch {
public:
    PlacementSearch(const MemberIndex& index, const Layout& layout, const Trials& trials, const Point& g, double d,
                    SearchThreads& threads)
        : index_(index),
          layout_(layout),
          trials_(trials),
          g_(g),
          d_(d),
          rn_(static_cast<int>(trials.copies.size())),
          main_(index, layout, trials, threads.mainBands, threads.mainRows),
          parallel_(threads.tuning.secondThread),
          threads_(threads),
          trialsBeforeParallel_(threads.lastSearchTrials >= threads.tuning.longSearch
                                    ? threads.tuning.trialsBeforeParallelAfterLong
                                    : threads.tuning.trialsBeforeParallel) {}

    ~PlacementSearch() { threads_.lastSearchTrials = trials_done_; }

    // First fit from `start`: answers the slot (slotCount() when none) and sets the orientation.
    size_t firstFit(size_t start, int& orientation) {
        const PackingPoints& points = layout_.packingPoints;
        const size_t end = points.slotCount();
        size_t s = points.nextAlive(start);
        for (; s < end && !goParallel(); s = points.nextAlive(s + 1)) {
            const Point& p = points.at(s);
            for (int k = 0; k < rn_; ++k, ++trials_done_)
                if (main_.fits(k, p.x - g_.x, p.y - g_.y, s)) return orientation = k, s;
        }
        size_t next = s;
        size_t size = kFirstBatchPoints;
        while (next < end) {
            batch_.collect(points, next, size, rn_);
            trials_done_ += static_cast<long>(batch_.slots.size()) * rn_;
            const std::pair<Share, Share> split = shares(batch_.slots.size());
            const Share &mine = split.first, &theirs = split.second;
            int foundSecond = -1;
            fitFoundAt_.store(SIZE_MAX, std::memory_order_relaxed);
            threads_.worker->run([&] { foundSecond = firstFitIn(*second_, theirs); });
            const int foundMain = firstFitIn(main_, mine);
            threads_.worker->wait();
            const int found = foundMain < 0 || (foundSecond >= 0 && foundSecond < foundMain) ? foundSecond : foundMain;
            if (found >= 0) {
                orientation = found % rn_;
                return batch_.slots[static_cast<size_t>(found / rn_)];
            }
            size = std::min<size_t>(size * 2, 2048);
        }
        return end;
    }

    // Improvement from `start` (the first fit's slot) with `best` its score.
    void improve(size_t start, double& best, size_t& bestSlot, int& bestK) {
        const PackingPoints& points = layout_.packingPoints;
        const size_t end = points.slotCount();
        size_t s = start;
        for (; s < end && !goParallel(); s = points.nextAlive(s + 1)) {
            const Point& q = points.at(s);
            if (q.x - d_ > best) return;
            const double dx = q.x - g_.x, dy = q.y - g_.y;
            for (int j = 0; j < rn_; ++j) {
                const double score = dx + trials_.centroidX[static_cast<size_t>(j)];
                if (score < best && (++trials_done_, main_.fits(j, dx, dy, s))) best = score, bestSlot = s, bestK = j;
            }
        }
        size_t next = s;
        size_t size = kFirstBatchPoints;
        while (next < end) {
            batch_.collect(points, next, size, rn_);
            trials_done_ += static_cast<long>(batch_.slots.size()) * rn_;
            // Trials at or above the best known now cannot win later either: the best only falls.
            const double threshold = best;
            const std::pair<Share, Share> split = shares(batch_.slots.size());
            const Share &mine = split.first, &theirs = split.second;
            threads_.worker->run([&] { outcomesIn(*second_, theirs, threshold); });
            outcomesIn(main_, mine, threshold);
            threads_.worker->wait();
            for (size_t i = 0; i < batch_.slots.size(); ++i) {
                const Point& q = points.at(batch_.slots[i]);
                if (q.x - d_ > best) return;
                const double dx = q.x - g_.x;
                for (int j = 0; j < rn_; ++j) {
                    const double score = dx + trials_.centroidX[static_cast<size_t>(j)];
                    if (score < best && batch_.outcome(j, i) == kFits)
                        best = score, bestSlot = batch_.slots[i], bestK = j;
                }
            }
            size = std::min<size_t>(size * 2, 2048);
        }
    }

private:
    // A thread's share of a batch: points [from, to), orientations first, first + step, ... Split by
    // orientation, each thread keeps meeting the same members in the same places, as one thread alone
    // would; a single orientation is split by points.
    struct Share {
        size_t from, to;
        int first, step;
    };

    std::pair<Share, Share> shares(size_t points) const {
        if (rn_ >= 2) return {Share{0, points, 0, 2}, Share{0, points, 1, 2}};
        const size_t half = (points + 1) / 2;
        return {Share{0, half, 0, 1}, Share{half, points, 0, 1}};
    }

    // The first fitting trial of a share, as point * RN + orientation, or -1. Stops past a point where the
    // other thread has found a fit: nothing later can come first.
    int firstFitIn(TrialTester& tester, const Share& share) {
        for (size_t i = share.from; i < share.to && i <= fitFoundAt_.load(std::memory_order_relaxed); ++i) {
            const Point& p = layout_.packingPoints.at(batch_.slots[i]);
            for (int k = share.first; k < rn_; k += share.step) {
                if (tester.fits(k, p.x - g_.x, p.y - g_.y, batch_.slots[i])) {
                    size_t known = fitFoundAt_.load(std::memory_order_relaxed);
                    while (i < known && !fitFoundAt_.compare_exchange_weak(known, i, std::memory_order_relaxed)) {}
                    return static_cast<int>(i) * rn_ + k;
                }
            }
        }
        return -1;
    }

    // Outcomes of every trial of a share that could still improve on `threshold`.
    void outcomesIn(TrialTester& tester, const Share& share, double threshold) {
        for (size_t i = share.from; i < share.to; ++i) {
            const Point& q = layout_.packingPoints.at(batch_.slots[i]);
            if (q.x - d_ > threshold) return;
            const double dx = q.x - g_.x, dy = q.y - g_.y;
            for (int j = share.first; j < rn_; j += share.step) {
                const double score = dx + trials_.centroidX[static_cast<size_t>(j)];
                if (score < threshold) batch_.outcome(j, i) = tester.fits(j, dx, dy, batch_.slots[i]) ? kFits : kFails;
            }
        }
    }

    // Whether the search has run long enough on one thread to be worth the second; starts it then.
    bool goParallel() {
        if (second_) return true;
        if (!parallel_ || trials_done_ < trialsBeforeParallel_) return false;
        second_.emplace(index_, layout_, trials_, threads_.secondBands, threads_.secondRows);
        if (!threads_.worker) threads_.worker.emplace();
        return true;
    }

    const MemberIndex& index_;
    const Layout& layout_;
    const Trials& trials_;
    const Point g_;
    const double d_;
    const int rn_;
    TrialTester main_;
    const bool parallel_;
    long trials_done_ = 0;  // tested or handed out in batches
    SearchThreads& threads_;
    const long trialsBeforeParallel_;
    std::optional<TrialTester> second_;
    Batch batch_;
    std::atomic<size_t> fitFoundAt_{SIZE_MAX};  // the earliest batch point where a thread found a fit
};

}  // namespace

struct PackingRun::Threads : SearchThreads {};

PackingRun::PackingRun(SearchTuning tuning) : threads_(std::make_unique<Threads>()) { threads_->tuning = tuning; }

PackingRun::~PackingRun() = default;

void placePart(Layout& layout, Part& part) {
    PackingRun run;
    run.placePart(layout, part);
}

void PackingRun::placePart(Layout& layout, Part& part) {
    const Point g = referenceVertex(part);  // refreshes the part's centroid, whatever RN is
    if (layout.rn < 1) return;
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

    // The bands of the trial copies and of this part's present place are of no use after it.
    struct ForgetAtEnd {
        SearchThreads& threads;
        const Trials& trials;
        const Part& part;
        ~ForgetAtEnd() { threads.forget(trials.copies, part); }
    } forgetAtEnd{*threads_, trials, part};

    TypeSlot* slot = layout.slotFor(part.name);
    const MemberIndex index(layout.parts);
    PackingPoints& points = layout.packingPoints;
    const size_t end = points.slotCount();
    size_t bestSlot = end;
    int bestK = 0;
    {
        PlacementSearch search(index, layout, trials, g, d, *threads_);
        bestSlot = search.firstFit(slot ? points.firstSlotNotBefore(slot->resumePoint) : 0, bestK);
        if (bestSlot == end) return;
        if (slot) slot->resumePoint = points.at(bestSlot);
        const Point& first = points.at(bestSlot);
        double best = (first.x - g.x) + trials.centroidX[static_cast<size_t>(bestK)];
        search.improve(bestSlot, best, bestSlot, bestK);
    }

    const Point target = points.at(bestSlot);
    part.moveBy(target.x - g.x, target.y - g.y);
    part.rotateAbout(target, bestK * step);
    slideWith(index, threads_->mainBands, layout, part, -1.0, 0.0);
    slideWith(index, threads_->mainBands, layout, part, 0.0, -1.0);
    fast::removeCoveredPoints(layout, part);
}

}  // namespace orvanest::fast
