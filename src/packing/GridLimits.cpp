#include "packing/GridLimits.h"

#include <cmath>
#include <cstdio>

namespace orvanest {
namespace {

// Grid lines along one side: the truncated quotient plus one, or none for a negative quotient.
std::int64_t linesAlong(double side, double ppd) {
    const double q = side / ppd;
    if (!(q >= 0.0)) return 0;
    if (q > 4e9) return INT64_MAX / 4;
    return static_cast<std::int64_t>(q) + 1;
}

}  // namespace

std::int64_t packingPointCount(double boardLength, double boardWidth, double ppd) {
    if (!(ppd > 0.0) || !std::isfinite(ppd)) return 0;
    const std::int64_t nx = linesAlong(boardLength, ppd);
    const std::int64_t ny = linesAlong(boardWidth, ppd);
    if (nx == 0 || ny == 0) return 0;
    if (nx > kMaxPackingPoints || ny > kMaxPackingPoints) return kMaxPackingPoints + 1;
    return nx * ny;
}

double smallestFittingPpd(double boardLength, double boardWidth) {
    double ppd = std::sqrt(std::fabs(boardLength * boardWidth) / static_cast<double>(kMaxPackingPoints));
    if (!(ppd > 0.0)) ppd = std::fmax(std::fabs(boardLength), std::fabs(boardWidth)) / static_cast<double>(kMaxPackingPoints);
    if (!(ppd > 0.0)) ppd = 1e-300;
    while (packingPointCount(boardLength, boardWidth, ppd) > kMaxPackingPoints) ppd *= 1.0001;
    // Round up to what the message shows, so that the value the user reads fits as well.
    for (int attempt = 0; attempt < 100; ++attempt) {
        char text[64];
        std::snprintf(text, sizeof text, "%.6g", ppd);
        double shown = std::strtod(text, nullptr);
        if (shown < ppd) shown = std::nextafter(shown, HUGE_VAL);
        if (packingPointCount(boardLength, boardWidth, shown) <= kMaxPackingPoints) {
            std::snprintf(text, sizeof text, "%.6g", shown);
            if (packingPointCount(boardLength, boardWidth, std::strtod(text, nullptr)) <= kMaxPackingPoints)
                return std::strtod(text, nullptr);
        }
        ppd *= 1.000001;
    }
    return ppd;
}

std::string ppdTooSmallMessage(double boardLength, double boardWidth, double ppd) {
    char text[256];
    std::snprintf(text, sizeof text,
                  "PPD=%g would make more than %lld packing points; the smallest PPD for this board is %.6g.", ppd,
                  static_cast<long long>(kMaxPackingPoints), smallestFittingPpd(boardLength, boardWidth));
    return text;
}

}  // namespace orvanest
