#pragma once

#include <memory>
#include <thread>

#include "geometry/Part.h"
#include "layout/Layout.h"

namespace orvanest::fast {

// The program's engine: the same decisions as the plain method, tested only against the members whose
// boxes come near, on unmoved trial copies seen through an offset, with the packing points walked by
// column. Every answer equals the plain method's to the last bit.

void placePart(Layout& layout, Part& part);

// When a search hands half its trials to a second thread. A search that has taken trialsBeforeParallel
// trials on its own goes on two threads; after a search of longSearch trials or more, the run's next
// search does so after trialsBeforeParallelAfterLong. The defaults are measured (the benchmark jobs,
// whose searches take a few thousand trials, lose a tenth and more when they split sooner; the
// 500-part generated job, whose searches are long, runs a tenth faster when they split almost at
// once); tests force the thread.
struct SearchTuning {
    long trialsBeforeParallel = 30000;
    long longSearch = 20000;
    long trialsBeforeParallelAfterLong = 500;
    bool secondThread = std::thread::hardware_concurrency() > 1;
};

// The placements of one packing run, which keep one second search thread between them instead of
// starting one per long search.
class PackingRun {
public:
    explicit PackingRun(SearchTuning tuning = {});
    ~PackingRun();
    PackingRun(const PackingRun&) = delete;
    PackingRun& operator=(const PackingRun&) = delete;
    void placePart(Layout& layout, Part& part);

private:
    struct Threads;
    std::unique_ptr<Threads> threads_;
};

// isPlacementValid for one member that moves while all the others stay where they are.
class MovingPartCheck {
public:
    MovingPartCheck(const Layout& layout, const Part& part);
    ~MovingPartCheck();
    MovingPartCheck(const MovingPartCheck&) = delete;
    MovingPartCheck& operator=(const MovingPartCheck&) = delete;
    bool valid() const;

private:
    struct Index;
    const Layout& layout_;
    const Part& part_;
    std::unique_ptr<Index> index_;
};

bool isPlacementValid(const Layout& layout, const Part& part);
// Slides a member by the halving-step rule in direction (unitX, unitY), each -1, 0 or 1.
void slide(Layout& layout, Part& part, double unitX, double unitY);
void removeCoveredPoints(Layout& layout, const Part& part);

}  // namespace orvanest::fast
