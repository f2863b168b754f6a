#pragma once

#include <string>

#include "layout/Layout.h"
#include "layout/Platform.h"

namespace orvanest {

inline constexpr const char* kPartDataOpenError = "零件数据文件读取失败!";

// Reads a part data text file (board header, then "Part" blocks) into a freshly constructed layout.
// Answers false, after its message, when the load must be abandoned; the layout is then unusable.
bool readPartDataFile(Layout& layout, const std::string& path, Platform& platform);

}  // namespace orvanest
