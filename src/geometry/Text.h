#pragma once

#include <string>
#include <string_view>

namespace orvanest {

// Cuts `text` to at most `maxBytes` bytes without splitting a UTF-8 character.
inline std::string truncateUtf8(std::string_view text, size_t maxBytes) {
    if (text.size() <= maxBytes) return std::string(text);
    size_t end = maxBytes;
    // Step back over continuation bytes (10xxxxxx) so the cut lands on a character boundary.
    while (end > 0 && (static_cast<unsigned char>(text[end]) & 0xC0) == 0x80) --end;
    return std::string(text.substr(0, end));
}

inline constexpr size_t kMaxNameBytes = 99;
inline constexpr size_t kMaxLabelBytes = 55;

}  // namespace orvanest
