#pragma once

#include <string>

#include "layout/Layout.h"
#include "layout/Platform.h"

namespace orvanest {

// A picture of the layout for a browser: board, parts with their holes, free rectangles; y points up.
bool writeSvg(const Layout& layout, const std::string& path, Platform& platform);

}  // namespace orvanest
