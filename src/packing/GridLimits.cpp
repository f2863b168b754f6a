#include "packing/GridLimits.h"

#include <cfloat>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>

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
    const auto fits = [&](double ppd) { return packingPointCount(boardLength, boardWidth, ppd) <= kMaxPackingPoints; };
    // Bracket the threshold between a PPD that is too small and one that fits; the count only falls
    // as the PPD grows.
    double high = std::sqrt(std::fabs(boardLength * boardWidth) / static_cast<double>(kMaxPackingPoints));
    if (!(high > 0.0))
        high = std::fmax(std::fabs(boardLength), std::fabs(boardWidth)) / static_cast<double>(kMaxPackingPoints);
    if (!(high > 0.0)) high = 1e-300;
    high = std::fmin(high, DBL_MAX);
    for (int guard = 0; guard < 4096 && !fits(high); ++guard) high *= 2.0;
    double low = high;
    for (int guard = 0; guard < 4096 && fits(low) && low > DBL_MIN; ++guard) low *= 0.5;
    if (fits(low)) return low;  // every PPD fits: there is nothing to name
    while (std::nextafter(low, high) < high) {
        const double middle = low + (high - low) / 2.0;
        if (middle <= low || middle >= high) break;
        (fits(middle) ? high : low) = middle;
    }
    // Round up to what the message shows, so that the value the user reads fits and is the least such.
    char text[64];
    std::snprintf(text, sizeof text, "%.5e", high);
    long mantissa = 0;
    int exponent = 0;
    for (const char* c = text; *c && *c != 'e'; ++c)
        if (*c >= '0' && *c <= '9') mantissa = mantissa * 10 + (*c - '0');
    exponent = std::atoi(std::strchr(text, 'e') + 1) - 5;
    const auto value = [](long m, int e) {
        char digits[64];
        std::snprintf(digits, sizeof digits, "%lde%d", m, e);
        return std::strtod(digits, nullptr);
    };
    if (value(mantissa, exponent) < high && ++mantissa == 1000000) {
        mantissa = 100000;
        ++exponent;
    }
    const double shown = value(mantissa, exponent);
    return std::isfinite(shown) ? shown : high;
}

std::string ppdTooSmallMessage(double boardLength, double boardWidth, double ppd) {
    char text[256];
    std::snprintf(text, sizeof text,
                  "PPD=%g would make more than %lld packing points; the smallest PPD for this board is %.6g.", ppd,
                  static_cast<long long>(kMaxPackingPoints), smallestFittingPpd(boardLength, boardWidth));
    return text;
}

}  // namespace orvanest
