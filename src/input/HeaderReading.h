#pragma once

#include <string>
#include <vector>

#include "layout/Layout.h"
#include "layout/Platform.h"

namespace orvanest {

// The three header lines shared by the part data file and the part list file: labels of 13, 12 and 14
// characters (not examined), each followed by a number. Sets the board and its derived records and
// reports a negative size ("板数据错误!", reading goes on). Answers false, after the message, for a zero
// or non-finite size.
bool readBoardHeader(Layout& layout, const std::vector<std::string>& lines, const std::string& path, Platform& platform,
                     const std::string& readFailureMessage);

}  // namespace orvanest
