#include "FuzzHarness.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <fstream>

#include "input/LoadLayout.h"
#include "packing/GridLimits.h"
#include "packing/PackingPointGrid.h"
#include "packing/Placement.h"
#include "support/LayoutChecker.h"
#include "support/RecordingPlatform.h"
#include "support/TestJobs.h"

namespace orvanest::fuzzing {
namespace {

// Beyond this many parts a load is the whole test: packing them all would only slow the fuzzer down.
constexpr std::size_t kMaxPartsPacked = 400;
constexpr int kPartsPlaced = 6;
constexpr std::int64_t kGridPoints = 1000;

// Sign of the turn a -> b -> c: 1 left, -1 right, 0 in line.
int turn(const Point& a, const Point& b, const Point& c) {
    const double cross = (b.x - a.x) * (c.y - a.y) - (b.y - a.y) * (c.x - a.x);
    return (cross > 0.0) - (cross < 0.0);
}

bool onSegment(const Point& a, const Point& b, const Point& p) {
    return turn(a, b, p) == 0 && std::fmin(a.x, b.x) <= p.x && p.x <= std::fmax(a.x, b.x) &&
           std::fmin(a.y, b.y) <= p.y && p.y <= std::fmax(a.y, b.y);
}

bool segmentsMeet(const Point& a, const Point& b, const Point& c, const Point& d) {
    const int t1 = turn(a, b, c), t2 = turn(a, b, d), t3 = turn(c, d, a), t4 = turn(c, d, b);
    if (t1 != t2 && t3 != t4 && t1 != 0 && t2 != 0 && t3 != 0 && t4 != 0) return true;
    return onSegment(a, b, c) || onSegment(a, b, d) || onSegment(c, d, a) || onSegment(c, d, b);
}

// A loop of at least three vertices whose edges meet only where neighbours share a vertex.
bool isSimple(const Polygon& loop) {
    const int n = loop.count();
    if (n < 3) return false;
    for (int i = 0; i < n; ++i) {
        const Point& a = loop.vertex(i);
        const Point& b = loop.vertex((i + 1) % n);
        if (a.x == b.x && a.y == b.y) return false;
        // The next edge must not fold back over this one.
        const Point& c = loop.vertex((i + 2) % n);
        if (onSegment(a, b, c) || onSegment(b, c, a)) return false;
        for (int j = i + 2; j < n; ++j) {
            if (i == 0 && j == n - 1) continue;
            if (segmentsMeet(a, b, loop.vertex(j), loop.vertex((j + 1) % n))) return false;
        }
    }
    return true;
}

// The overlap tests decide by vertices and crossing edges, which is sound for simple loops; for loops
// that touch or cross themselves the program promises no conflict-free layout. Long loops are not
// examined (the test is quadratic) and count as not simple.
bool allLoopsSimple(const Layout& layout) {
    constexpr int kMaxExamined = 256;
    for (const Part& part : layout.parts) {
        if (part.outer.count() > kMaxExamined || !isSimple(part.outer)) return false;
        for (const Polygon& hole : part.inners)
            if (hole.count() > kMaxExamined || !isSimple(hole)) return false;
    }
    return true;
}

}  // namespace

const std::filesystem::path& scratchFolder() {
    static const testing::TemporaryFolder folder;
    return folder.path();
}

std::string writeScratchFile(const std::string& name, const std::uint8_t* data, std::size_t size) {
    const std::filesystem::path path = scratchFolder() / name;
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
    require(static_cast<bool>(out), "the scratch file could not be written");
    return path.string();
}

std::string writeScratchFile(const std::string& name, const std::string& content) {
    return writeScratchFile(name, reinterpret_cast<const std::uint8_t*>(content.data()), content.size());
}

void require(bool condition, const char* what) {
    if (condition) return;
    std::fprintf(stderr, "fuzz property violated: %s\n", what);
    std::abort();
}

// Every part shrunk about its centroid by a billionth. The packing method moves a part back by the
// negated step after a refused move, and (y + s) - s is not always y: a part can end up overlapping its
// neighbour by a rounding error, as the plain method does too. Shrinking clears such overlaps and no
// real one.
Layout shrunkByRounding(const Layout& layout) {
    Layout shrunk = layout;
    for (Part& part : shrunk.parts) {
        const Point c = part.computeCentroid();
        auto shrink = [&c](Polygon& loop) {
            std::vector<Point> vertices = loop.vertices();
            for (Point& v : vertices) v = Point(c.x + (v.x - c.x) * (1.0 - 1e-9), c.y + (v.y - c.y) * (1.0 - 1e-9));
            loop.setVertices(std::move(vertices));
        };
        shrink(part.outer);
        for (Polygon& hole : part.inners) shrink(hole);
        part.refreshBoundingBox();
    }
    return shrunk;
}

void packBriefly(Layout& layout) {
    if (layout.parts.size() > kMaxPartsPacked) return;
    double ppd = layout.ppd;
    if (!(ppd > 0.0) || !std::isfinite(ppd)) ppd = 1.0;
    while (packingPointCount(layout.boardLength, layout.boardWidth, ppd) > kGridPoints) ppd *= 2.0;
    layout.ppd = ppd;
    renewPackingPoints(layout);
    layout.firstStep = false;
    const std::size_t partCount = layout.parts.size();
    int placed = 0;
    for (Part& part : layout.parts) {
        if (placed++ == kPartsPlaced) break;
        placePart(layout, part);
    }
    require(layout.parts.size() == partCount, "packing changed the number of parts");
    if (!allLoopsSimple(layout)) return;
    if (testing::checkLayout(layout).empty()) return;
    const std::string fault = testing::checkLayout(shrunkByRounding(layout));
    if (!fault.empty()) std::fprintf(stderr, "%s\n", fault.c_str());
    require(fault.empty(), "the packed layout has a conflict beyond rounding");
}

void loadAndPackBriefly(const std::string& path, int kind) {
    testing::RecordingPlatform platform;
    std::optional<Layout> layout = loadLayout(path, kind, platform);
    if (!layout) {
        require(!platform.messages.empty(), "a load was abandoned without a message");
        return;
    }
    packBriefly(*layout);
}

}  // namespace orvanest::fuzzing
