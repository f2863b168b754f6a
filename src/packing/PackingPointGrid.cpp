#include "packing/PackingPointGrid.h"

#include <cstdint>
#include <vector>

#include "packing/FastEngine.h"
#include "packing/GridLimits.h"
#include "packing/Overlap.h"

namespace orvanest {
namespace {

// A double truncated toward zero to 32 bits; out of range (or NaN) gives the most negative value, as
// the processor's conversion does, so such a count makes no grid line.
std::int32_t truncateToInt32(double value) {
    if (!(value > -2147483649.0 && value < 2147483648.0)) return INT32_MIN;
    return static_cast<std::int32_t>(value);
}

// Grid coordinate i of n over a side: the product first, then the division. With n = 0 the side is
// not divided and the single grid line lies at 0.
double gridCoordinate(std::int32_t i, double side, std::int32_t n) {
    if (n == 0) return 0.0;
    return static_cast<double>(i) * side / static_cast<double>(n);
}

}  // namespace

bool renewPackingPoints(Layout& layout) {
    layout.packingPoints.clear();
    const double length = layout.boardLength;
    const double width = layout.boardWidth;
    const double ppd = layout.ppd;
    if (packingPointCount(length, width, ppd) > kMaxPackingPoints) return false;
    if (!(ppd > 0.0) || !(length > 0.0) || !(width > 0.0)) return true;

    const std::int32_t ny = truncateToInt32(width / ppd);
    const std::int32_t nx = truncateToInt32(length / ppd);
    if (nx >= 0 && ny >= 0) {
        // Ascending x, then ascending y: the order that front insertion from the far corner gives.
        std::vector<double> xs, ys;
        xs.reserve(static_cast<size_t>(nx) + 1);
        ys.reserve(static_cast<size_t>(ny) + 1);
        for (std::int32_t i = 0; i <= nx; ++i) xs.push_back(gridCoordinate(i, length, nx));
        for (std::int32_t j = 0; j <= ny; ++j) ys.push_back(gridCoordinate(j, width, ny));
        layout.packingPoints.assignGrid(std::move(xs), std::move(ys));
    }
    for (const Part& part : layout.parts) removeCoveredPoints(layout, part);
    return true;
}

void removeCoveredPoints(Layout& layout, const Part& part) {
    if (!layout.useLiteralEngine) {
        fast::removeCoveredPoints(layout, part);
        return;
    }
    PackingPoints& points = layout.packingPoints;
    for (size_t slot = points.nextAlive(0); slot < points.slotCount(); slot = points.nextAlive(slot + 1)) {
        const Point& p = points.at(slot);
        if (p.x > part.xmax) break;
        if (coversPoint(part, p)) points.erase(slot);
    }
    points.compactIfSparse();
}

Point referenceVertex(Part& part) {
    const Point c = part.computeCentroid();
    Point best = part.outer.nearestVertex(c);
    double bestDistance = best.distanceTo(c);
    for (const Polygon& hole : part.inners) {
        const Point candidate = hole.nearestVertex(c);
        const double d = candidate.distanceTo(c);
        if (d < bestDistance) {
            bestDistance = d;
            best = candidate;
        }
    }
    return best;
}

}  // namespace orvanest
