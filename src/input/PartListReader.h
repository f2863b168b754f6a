#pragma once

#include <string>

#include "layout/Layout.h"
#include "layout/Platform.h"

namespace orvanest {

inline constexpr const char* kPartListOpenError = "零件列表文件读取失败!";

// Reads a part list file (board header, then one DXF part file path per line up to "#FileEnd") into a
// freshly constructed layout. Answers false, after its message, when the load must be abandoned.
bool readPartListFile(Layout& layout, const std::string& path, Platform& platform);

}  // namespace orvanest
