#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace orvanest {

// A leading C-locale number: white space skipped, optional sign, digits, point, exponent; reading stops
// at the first character that cannot continue it. `found` is false when the text holds no number (the
// value is then 0); `finite` is false for nan, inf and values out of the double range.
struct ParsedNumber {
    double value = 0.0;
    size_t consumed = 0;  // characters up to the end of the number (0 when none)
    bool found = false;
    bool finite = true;
};
ParsedNumber parseLeadingNumber(std::string_view text);

// A leading decimal integer with optional sign, as %d reads it. `inRange` is false beyond int32.
struct ParsedInteger {
    std::int64_t value = 0;
    size_t consumed = 0;
    bool found = false;
    bool inRange = true;
};
ParsedInteger parseLeadingInteger(std::string_view text);

// Input files beyond this size are refused rather than read into memory.
inline constexpr std::uintmax_t kMaxInputFileBytes = 512ULL << 20;
// And beyond this many lines: enough for the vertex and segment limits, written one number a line.
inline constexpr std::uintmax_t kMaxInputLines = 40'000'000;

// The lines of a text file, whole, without their LF or CR LF line ends.
struct TextLines {
    std::vector<std::string> lines;
    bool lastLineEnded = true;  // the file ended with a line end (or was empty)
};
// Answers false when the file cannot be opened or read.
bool readTextLines(const std::string& path, TextLines& out, std::string* error = nullptr);

}  // namespace orvanest
