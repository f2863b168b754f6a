#pragma once

#include <string>

namespace orvanest {

// A number as C's %.6g writes it, with the exponent in three digits: 6000, 1234.57, 1.5e-005,
// 1.12346e+007. The DXF writers and the report share it.
std::string formatNumber(double value);

// A number as C's %.2f writes it in the C locale (3487.25), for the texts of messages.
std::string formatFixed2(double value);

}  // namespace orvanest
