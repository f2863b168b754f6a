#pragma once

#include <cstdint>
#include <string>

namespace orvanest {

// A PPD that would make more candidate points than this is refused; the grid is not built.
inline constexpr std::int64_t kMaxPackingPoints = 20'000'000;

// (nx + 1) x (ny + 1) for the board and PPD, with the counts the renewal would use; 0 when it makes none.
std::int64_t packingPointCount(double boardLength, double boardWidth, double ppd);
// The smallest PPD, written to six significant digits, whose grid stays within the limit.
double smallestFittingPpd(double boardLength, double boardWidth);
// "Warning!" text for a PPD whose grid would be too large.
std::string ppdTooSmallMessage(double boardLength, double boardWidth, double ppd);

}  // namespace orvanest
