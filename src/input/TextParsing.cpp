#include "input/TextParsing.h"

#include <algorithm>
#include <cerrno>
#include <charconv>
#include <cmath>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <sstream>

namespace orvanest {
namespace {

bool isCSpace(char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r'; }
bool isDigit(char c) { return c >= '0' && c <= '9'; }

bool startsWithNoCase(std::string_view text, std::string_view word) {
    if (text.size() < word.size()) return false;
    for (size_t i = 0; i < word.size(); ++i) {
        char c = text[i];
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
        if (c != word[i]) return false;
    }
    return true;
}

// The power of ten of the first significant digit of a number that is not zero: 2 for 123.4, -2 for
// 0.05e0, 398 for 1e400. The exponent is clamped, which keeps its sign.
long decimalExponent(std::string_view body) {
    const size_t e = body.find_first_of("eE");
    const std::string_view mantissa = body.substr(0, e);
    const size_t point = std::min(mantissa.find('.'), mantissa.size());
    const size_t first = std::min(mantissa.find_first_not_of("0."), mantissa.size());
    long position = first < point ? static_cast<long>(point - first) - 1 : -static_cast<long>(first - point);
    if (e == std::string_view::npos) return position;
    size_t k = e + 1;
    const bool negative = k < body.size() && body[k] == '-';
    if (k < body.size() && (body[k] == '+' || body[k] == '-')) ++k;
    long exponent = 0;
    for (; k < body.size(); ++k) exponent = std::min(exponent * 10 + (body[k] - '0'), 1'000'000'000L);
    return position + (negative ? -exponent : exponent);
}

}  // namespace

ParsedNumber parseLeadingNumber(std::string_view text) {
    ParsedNumber result;
    size_t i = 0;
    while (i < text.size() && isCSpace(text[i])) ++i;
    size_t start = i;
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
        negative = text[i] == '-';
        ++i;
    }
    const std::string_view rest = text.substr(i);
    // Words the C conversion accepts: they are numbers, but not finite ones.
    for (std::string_view word : {std::string_view("infinity"), std::string_view("inf"), std::string_view("nan")}) {
        if (startsWithNoCase(rest, word)) {
            result.found = true;
            result.finite = false;
            result.value = word == "nan" ? std::nan("") : (negative ? -HUGE_VAL : HUGE_VAL);
            result.consumed = i + word.size();
            return result;
        }
    }
    // Digits, an optional point, digits, then an exponent only if it has digits.
    size_t j = i;
    size_t digits = 0;
    while (j < text.size() && isDigit(text[j])) ++j, ++digits;
    if (j < text.size() && text[j] == '.') {
        ++j;
        while (j < text.size() && isDigit(text[j])) ++j, ++digits;
    }
    if (digits == 0) return result;
    if (j < text.size() && (text[j] == 'e' || text[j] == 'E')) {
        size_t k = j + 1;
        if (k < text.size() && (text[k] == '+' || text[k] == '-')) ++k;
        if (k < text.size() && isDigit(text[k])) {
            while (k < text.size() && isDigit(text[k])) ++k;
            j = k;
        }
    }
    const std::string_view body = text.substr(i, j - i);
    double magnitude = 0.0;
    const auto [ptr, ec] = std::from_chars(body.data(), body.data() + body.size(), magnitude);
    (void)ptr;
    result.found = true;
    result.consumed = j;
    (void)start;
    if (ec == std::errc::result_out_of_range) {
        // Overflow is not finite; underflow reads as zero, as strtod gives it. The decimal exponent of
        // the first significant digit tells which (a long integer overflows without any exponent).
        const bool huge = decimalExponent(body) > 0;
        result.finite = !huge;
        magnitude = huge ? HUGE_VAL : 0.0;
    }
    result.value = negative ? -magnitude : magnitude;
    if (!std::isfinite(result.value)) result.finite = false;
    return result;
}

ParsedInteger parseLeadingInteger(std::string_view text) {
    ParsedInteger result;
    size_t i = 0;
    while (i < text.size() && isCSpace(text[i])) ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
        negative = text[i] == '-';
        ++i;
    }
    std::int64_t value = 0;
    size_t digits = 0;
    while (i < text.size() && isDigit(text[i])) {
        if (value <= 10'000'000'000LL) value = value * 10 + (text[i] - '0');
        ++i;
        ++digits;
    }
    if (digits == 0) return result;
    result.found = true;
    result.consumed = i;
    result.value = negative ? -value : value;
    result.inRange = result.value >= INT32_MIN && result.value <= INT32_MAX;
    return result;
}

bool readTextLines(const std::string& path, TextLines& out, std::string* error) {
    std::error_code ec;
    if (std::filesystem::is_directory(path, ec)) {
        if (error) *error = "is a folder";
        return false;
    }
    const auto size = std::filesystem::file_size(path, ec);
    if (!ec && size > kMaxInputFileBytes) {
        if (error) *error = "larger than " + std::to_string(kMaxInputFileBytes >> 20) + " MiB";
        return false;
    }
    std::ifstream file(path, std::ios::binary);
    if (!file) {
        if (error) *error = std::strerror(errno);
        return false;
    }
    std::ostringstream buffer;
    buffer << file.rdbuf();
    if (file.bad()) {
        if (error) *error = "read error";
        return false;
    }
    const std::string content = buffer.str();
    // Each line costs a string object besides its bytes, so a file of little but line ends would need
    // many times its size: the lines are limited as well.
    const auto lineCount = static_cast<std::uintmax_t>(std::count(content.begin(), content.end(), '\n')) + 1;
    if (lineCount > kMaxInputLines) {
        if (error) *error = "more than " + std::to_string(kMaxInputLines) + " lines";
        return false;
    }
    out.lines.clear();
    out.lines.reserve(static_cast<size_t>(lineCount));
    out.lastLineEnded = true;
    size_t start = 0;
    while (start < content.size()) {
        const size_t end = content.find('\n', start);
        if (end == std::string::npos) {
            std::string line = content.substr(start);
            if (!line.empty() && line.back() == '\r') line.pop_back();
            out.lines.push_back(std::move(line));
            out.lastLineEnded = false;
            break;
        }
        std::string line = content.substr(start, end - start);
        if (!line.empty() && line.back() == '\r') line.pop_back();
        out.lines.push_back(std::move(line));
        start = end + 1;
    }
    return true;
}

}  // namespace orvanest
