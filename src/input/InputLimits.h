#pragma once

#include <cstdint>
#include <string>

namespace orvanest {

// Limits that keep a hostile or broken file from exhausting the machine. A job beyond them is refused
// with a message that names the file and line.
inline constexpr std::int64_t kMaxParts = 1'000'000;
inline constexpr std::int64_t kMaxTotalVertices = 20'000'000;

// The text of a failure message: the program's message, then where and why.
inline std::string locatedMessage(const std::string& message, const std::string& path, int line,
                                  const std::string& reason) {
    std::string text = message + " (" + path;
    if (line > 0) text += ":" + std::to_string(line);
    if (!reason.empty()) text += ": " + reason;
    return text + ")";
}

}  // namespace orvanest
