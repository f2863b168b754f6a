#pragma once

#include <cstdint>
#include <string>

#include "layout/Layout.h"
#include "layout/Platform.h"

namespace orvanest {

// Orientations beyond this many per part are refused: each one is a full copy of the part per placement.
inline constexpr int kMaxRn = 3600;
// For the same reason RN times the vertices of the largest part may not pass this (about 1.2 GB of
// copies for one placement).
inline constexpr std::int64_t kMaxTrialVertices = 50'000'000;

// The RenewRN button: RN := the leading integer of `text`. A value below 1 or above kMaxRn, one whose
// copies of the largest part would pass kMaxTrialVertices, or text without a leading number, is refused
// with a "Warning!" message and RN stays. Answers whether RN was set.
bool renewRn(Layout& layout, const std::string& text, Platform& platform);

// The Renew PPD button: PPD := the leading number of `text`, then the packing points are renewed. A value
// of 0 or less, not finite, or one whose grid would be too large is refused and PPD stays.
bool renewPpd(Layout& layout, const std::string& text, Platform& platform);

// What the dialog's edit boxes show: "%d" and "%lf".
std::string formatRn(int rn);
std::string formatPpd(double ppd);

}  // namespace orvanest
