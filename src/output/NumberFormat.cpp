#include "output/NumberFormat.h"

#include <charconv>
#include <cmath>
#include <system_error>

namespace orvanest {

std::string formatNumber(double value) {
    if (std::isnan(value)) return std::signbit(value) ? "-nan" : "nan";
    if (std::isinf(value)) return value < 0 ? "-inf" : "inf";
    // to_chars behaves as printf in the C locale, whatever locale the window system has set.
    char buffer[64];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::general, 6);
    std::string text(buffer, result.ptr);
    // The exponent is written with at least three digits: e-05 becomes e-005.
    const size_t e = text.find('e');
    if (e != std::string::npos) {
        const size_t digits = text.size() - (e + 2);
        if (digits < 3) text.insert(e + 2, 3 - digits, '0');
    }
    return text;
}

std::string formatFixed2(double value) {
    if (!std::isfinite(value)) return formatNumber(value);
    char buffer[400];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed, 2);
    if (result.ec != std::errc()) return formatNumber(value);
    return std::string(buffer, result.ptr);
}

}  // namespace orvanest
