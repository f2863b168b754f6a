#pragma once

#include <string>

#include "layout/Layout.h"
#include "layout/Platform.h"

namespace orvanest {

// A picture of the layout for a browser: board, parts with their holes, free rectangles; y points up.
// Answers false after the message when the file could not be written.
bool writeSvg(const Layout& layout, const std::string& path, Platform& platform);

// The SVG document writeSvg writes.
std::string svgText(const Layout& layout);

}  // namespace orvanest
