#pragma once

#include <string>

#include "layout/Layout.h"
#include "layout/Platform.h"

namespace orvanest {

inline constexpr const char* kIdSequenceError = "零件编号排样序列文件读取失败!";

// Rebuilds the part list in the order of a part-id sequence file (ids count from 0 in order of area).
// A file that cannot be read or is not a permutation leaves the order unchanged; answers false then.
bool applyIdSequence(Layout& layout, const std::string& path, Platform& platform);

}  // namespace orvanest
