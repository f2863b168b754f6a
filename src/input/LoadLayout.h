#pragma once

#include <optional>
#include <string>

#include "layout/Layout.h"
#include "layout/Platform.h"

namespace orvanest {

// Which reader a load uses: 1 the part data text file, anything else the part list file.
inline constexpr int kLoadPartData = 1;
inline constexpr int kLoadPartList = 2;

// Builds a new layout from the file, with every step of a load after the reading. Answers nothing when
// the load was abandoned (its messages already shown), so the caller keeps the layout it had.
std::optional<Layout> loadLayout(const std::string& path, int kind, Platform& platform);

}  // namespace orvanest
