#pragma once

#include <string>

namespace orvanest {

// The text of a failed write: the program's message, then the file and the reason.
inline std::string outputFailureText(const std::string& message, const std::string& path, const std::string& reason) {
    return message + " (" + path + (reason.empty() ? "" : ": " + reason) + ")";
}

}  // namespace orvanest
