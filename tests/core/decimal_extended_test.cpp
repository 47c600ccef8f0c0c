#include "core/decimal_extended.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <cfloat>
#include <cmath>
#include <cstdlib>
#include <random>
#include <string>

using tolvar::DecimalToExtended;

namespace {

long double scaled(unsigned long long mantissa, int exponent)
{
    return std::ldexp(static_cast<long double>(mantissa), exponent);
}

} // namespace

// Bit patterns worked out by hand; the long texts are exact binary fractions
// that sit on or just past a halfway point.
TEST(DecimalToExtended, RoundsToNearestTiesToEven)
{
    const struct {
        const char* text;
        long double expected;
    } cases[] = {
        {"0.1", scaled(0xCCCCCCCCCCCCCCCDull, -67)},
        {".692", scaled(0xB126E978D4FDF3B6ull, -64)},
        {"1.0000000000000000000542101086242752217003726400434970855712890625", 1.0L}, // 1 + 2^-64
        {"1.00000000000000000005421010862427522170037264004349708557128906251", 1.0L + 0x1p-63L},
        {"1.0000000000000000001626303258728256651011179201304912567138671875", 1.0L + 0x1p-62L}, // 1 + 3 x 2^-64
        {"18446744073709551617", 0x1p64L},           // 2^64 + 1
        {"36893488147419103231", 0x1p65L},           // 2^65 - 1 carries into the exponent
        {"0.000e-99999", 0.0L},
    };
    for (const auto& c : cases) {
        const auto value = DecimalToExtended(c.text);
        ASSERT_TRUE(value) << c.text;
        EXPECT_EQ(*value, c.expected) << c.text;
    }
}

TEST(DecimalToExtended, RefusesMalformedTextAndValuesOutsideTheNormalRange)
{
    for (const char* text : {"", ".", "1e", "1e+", "e5", "1.2.3", "-1", "1x", "1.2e4932", "1e99999", "3.3e-4932"})
        EXPECT_FALSE(DecimalToExtended(text)) << text;
    EXPECT_TRUE(DecimalToExtended("1.1e4932"));
    EXPECT_TRUE(DecimalToExtended("3.4e-4932"));
}

// The C library's own parser, in the C locale, is an independent reference
// where it is correctly rounded (glibc; MinGW's strtold, unlike its
// from_chars).
TEST(DecimalToExtended, AgreesWithStrtoldOnIrregularTexts)
{
    std::mt19937_64 random(20261208);
    for (int i = 0; i < 5000; ++i) {
        std::string text;
        for (auto digits = 1 + random() % 30; digits > 0; --digits)
            text += static_cast<char>('0' + random() % 10);
        text.insert(random() % (text.size() + 1), ".");
        text += "e" + std::to_string(static_cast<int>(random() % 9800) - 4900);
        errno = 0;
        const long double expected = std::strtold(text.c_str(), nullptr);
        const bool inRange = errno == 0 && (expected == 0 || expected >= LDBL_MIN) && expected <= LDBL_MAX;
        const auto value = DecimalToExtended(text);
        ASSERT_EQ(value.has_value(), inRange) << text;
        if (value) {
            ASSERT_EQ(*value, expected) << text;
        }
    }
}
