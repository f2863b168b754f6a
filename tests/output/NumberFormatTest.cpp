#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <random>

#include "output/NumberFormat.h"

namespace orvanest {
namespace {

TEST(FormatNumber, GeneralFormWithThreeDigitExponent) {
    struct Case {
        double value;
        const char* text;
    };
    const Case cases[] = {
        {6000, "6000"},
        {0, "0"},
        {-0.0, "-0"},
        {1234.5678, "1234.57"},
        {1.5e-5, "1.5e-005"},
        {11234567.8, "1.12346e+007"},
        {1234567, "1.23457e+006"},
        {999999.5, "1e+006"},
        {999999.4, "999999"},
        {0.0001, "0.0001"},
        {0.00001, "1e-005"},
        {3.4e-13, "3.4e-013"},
        {-2.5e-300, "-2.5e-300"},
        {1e100, "1e+100"},
        {80.54034, "80.5403"},
        {0.5, "0.5"},
        {100, "100"},
        {-17.25, "-17.25"},
    };
    for (const Case& c : cases) EXPECT_EQ(formatNumber(c.value), c.text) << c.text;
}

// Away from the exponent, the text is what the C library's %.6g gives (the test runs in the C locale).
TEST(FormatNumber, AgreesWithPrintfOnRandomDoubles) {
    std::mt19937_64 random(7);
    std::uniform_real_distribution<double> mantissa(-10.0, 10.0);
    std::uniform_int_distribution<int> exponent(-30, 30);
    for (int i = 0; i < 20000; ++i) {
        const double value = std::ldexp(mantissa(random), exponent(random) * 3);
        char buffer[64];
        std::snprintf(buffer, sizeof buffer, "%.6g", value);
        std::string expected = buffer;
        const size_t e = expected.find('e');
        if (e != std::string::npos && expected.size() - (e + 2) == 2) expected.insert(e + 2, "0");
        ASSERT_EQ(formatNumber(value), expected) << value;
    }
}

TEST(FormatFixed2, TwoDecimalsAsInMessages) {
    EXPECT_EQ(formatFixed2(3487.25), "3487.25");
    EXPECT_EQ(formatFixed2(80.54034), "80.54");
    EXPECT_EQ(formatFixed2(0.0), "0.00");
    EXPECT_EQ(formatFixed2(2.675), "2.67");  // the double below 2.675, as printf rounds it
    EXPECT_EQ(formatFixed2(1e20), "100000000000000000000.00");
}

}  // namespace
}  // namespace orvanest
