#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "geometry/Curves.h"
#include "geometry/Part.h"
#include "geometry/Segment.h"
#include "layout/Platform.h"

namespace orvanest {

inline constexpr const char* kTooFewVerticesMessage = "读取得到的零件顶点数目少于3!";
inline constexpr const char* kOpenOutlineMessage = "读取得到的零件顶点无法构成多边形面域!";
// Segment ends closer than this join into one chain.
inline constexpr double kJoinDistance = 0.01;
// A drawing with more segments than this (chords of arcs and circles included) is refused.
inline constexpr std::int64_t kMaxDxfSegments = 2'000'000;

// The message shown when a DXF part file cannot be read: 零件"<path>"读取失败!
std::string dxfReadFailureText(const std::string& path);

// Reads one DXF part file (LINE, ARC, CIRCLE and TEXT entities) into a default-constructed part.
// Answers false, after its message, when the drawing cannot be read or does not form closed loops.
bool readDxfPart(Part& part, const std::string& path, Platform& platform);

// A segment pool in pool order, indexed by the cells of its end points so that the first segment
// touching a point is found without scanning the whole pool.
class SegmentPool {
public:
    static constexpr size_t kNone = static_cast<size_t>(-1);

    explicit SegmentPool(const SegmentList& segments);

    bool empty() const { return aliveCount_ == 0; }
    size_t size() const { return aliveCount_; }
    // Removes and answers the first segment of the pool.
    Segment takeFirst();
    // The first segment in pool order with an end point within kJoinDistance of `p`, or kNone.
    size_t firstTouching(const Point& p);
    // Removes and answers the segment at `index`.
    Segment take(size_t index);

private:
    struct CellKey {
        double x, y;
        bool operator==(const CellKey& other) const { return x == other.x && y == other.y; }
    };
    struct Cell {
        std::uint32_t begin = 0;  // members_[begin, end) in ascending pool order
        std::uint32_t end = 0;
        std::uint32_t head = 0;  // members before it are all removed
    };
    static CellKey keyOf(const Point& p);
    static size_t hashOf(const CellKey& key);
    // The cell of `key`, or kNone; with `create` a new cell is made when missing.
    size_t findCell(const CellKey& key, bool create);
    bool touches(size_t index, const Point& p) const;
    size_t firstTouchingIn(Cell& cell, const Point& p, size_t best);

    std::vector<Segment> segments_;
    std::vector<std::uint8_t> alive_;
    size_t aliveCount_ = 0;
    size_t first_ = 0;
    std::vector<CellKey> slotKeys_;
    std::vector<std::uint32_t> slotCells_;  // open addressing; kEmptySlot marks a free slot
    std::vector<Cell> cells_;
    std::vector<std::uint32_t> members_;
};

// Takes one chain out of the pool: the first segment, then again and again the first segment in pool
// order with an end within kJoinDistance of the chain's end (its start tested before its end). The
// points are put at the front of `points`, so the list holds the chain backwards.
void chainLoop(SegmentPool& pool, PointList& points);
// The same, rescanning the list from its front after every match: the reference for chainLoop.
void chainLoopByRescanning(SegmentList& pool, PointList& points);

enum class LoopCheck { Closed, TooFewPoints, Open };
// A chain of 2 points or fewer is too short; otherwise its last point must coincide with its first.
LoopCheck checkLoop(const PointList& points);

// Turns the whole pool into loops, each put at the front of `polygons`. Answers false after the
// message of the first chain that is not a loop.
bool buildLoops(const SegmentList& segments, PolygonList& polygons, Platform& platform, const std::string& path);

// The first polygon of greatest area (which must exceed 0) becomes the outer loop, the others the
// holes in walking order. Answers false when no polygon has an area.
bool chooseOuterLoop(Part& part, const PolygonList& polygons);

}  // namespace orvanest
