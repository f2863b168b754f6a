#pragma once

#include <string>

#include "layout/Layout.h"
#include "layout/Platform.h"

namespace orvanest {

inline constexpr const char* kDxfWriteError = "排样文件输出失败!";

// The board outline and every part where it lies, as one DXF file. Answers false after the message.
bool writeDxfLayout(const Layout& layout, const std::string& path, Platform& platform);
// One DXF file per part type, "<name>x<copies>.dxf", in `directory`. Answers false after the message;
// the files written before stay.
bool exportParts(const Layout& layout, const std::string& directory, Platform& platform);

// The file contents the two writers produce.
std::string dxfLayoutText(const Layout& layout);
std::string dxfPartText(const Part& part);

}  // namespace orvanest
