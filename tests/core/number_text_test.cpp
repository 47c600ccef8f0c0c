#include "core/error.h"
#include "core/number_text.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

using namespace tolvar;

namespace {

std::string messageOf(auto&& call)
{
    try {
        call();
    } catch (const Error& e) {
        return e.what();
    }
    return "(no error)";
}

} // namespace

TEST(StrToInt, AcceptsBlanksSignsAndHex)
{
    EXPECT_EQ(StrToInt("1280"), 1280);
    EXPECT_EQ(StrToInt("   -5"), -5);
    EXPECT_EQ(StrToInt("+7"), 7);
    EXPECT_EQ(StrToInt("007"), 7);
    EXPECT_EQ(StrToInt("2147483647"), 2147483647);
    EXPECT_EQ(StrToInt("-2147483648"), INT32_MIN);
    EXPECT_EQ(StrToInt("$FF"), 255);
    EXPECT_EQ(StrToInt(" $ff"), 255);
    EXPECT_EQ(StrToInt("-$1"), -1);
    EXPECT_EQ(StrToInt("$FFFFFFFF"), -1);
    EXPECT_EQ(StrToInt("$80000000"), INT32_MIN);
    // Leading zeros after "$", as many as the user likes.
    EXPECT_EQ(StrToInt("$000000001"), 1);
    EXPECT_EQ(StrToInt("$0000000000000000A"), 10);
    EXPECT_EQ(StrToInt("$00FFFFFFFF"), -1);
    EXPECT_EQ(StrToInt("-$0000000010"), -16);
    EXPECT_EQ(StrToInt("$000000000"), 0);
}

TEST(StrToInt, RefusesWithTheTextInTheMessage)
{
    for (const char* bad : {"", " ", "abc", "5 ", "1.5", "2147483648", "-2147483649", "99999999999", "$", "$123456789",
                            "$0100000000", "$1000000000", "$G", "0x10", "+", "--1", "\t5", "1e3"})
        EXPECT_EQ(messageOf([&] { StrToInt(bad); }), "'" + std::string(bad) + "' is not a valid integer value") << bad;
}

TEST(StrToFloat, AcceptsTheDecimalForms)
{
    EXPECT_EQ(StrToDouble(".1"), 0.1);
    EXPECT_EQ(StrToDouble("-.692"), -0.692);
    EXPECT_EQ(StrToDouble(" 1e3 "), 1000.0);
    EXPECT_EQ(StrToDouble("1."), 1.0);
    EXPECT_EQ(StrToDouble("+.5"), 0.5);
    EXPECT_EQ(StrToDouble("2.5E-1"), 0.25);
    EXPECT_EQ(StrToDouble("1e+2"), 100.0);
    EXPECT_EQ(StrToFloat("0.1"), 0.1L);
    // Beyond double range but within extended range.
    EXPECT_TRUE(std::isfinite(StrToFloat("1e400")));
}

TEST(StrToFloat, SpreadIsHeldInSinglePrecision)
{
    EXPECT_EQ(static_cast<double>(StrToSingle("0.1")), 0.10000000149011612);
    EXPECT_EQ(static_cast<double>(StrToSingle("0.3")), 0.30000001192092896);
}

TEST(StrToFloat, RefusesWithTheTextInTheMessage)
{
    for (const char* bad : {"", " ", ".", "-", "abc", "1,5", "1e", "1e+", "e5", "inf", "-inf", "nan", "0x1p3", "1..2",
                            "1 2", "1e99999"})
        EXPECT_EQ(messageOf([&] { StrToFloat(bad); }), "'" + std::string(bad) + "' is not a valid floating point value")
            << bad;
    EXPECT_EQ(messageOf([] { StrToDouble("1e400"); }), "'1e400' is not a valid floating point value");
    EXPECT_EQ(messageOf([] { StrToSingle("-1e39"); }), "'-1e39' is not a valid floating point value");
}

TEST(RoundToInt, HalvesGoToEven)
{
    EXPECT_EQ(RoundToInt(0.5L), 0);
    EXPECT_EQ(RoundToInt(1.5L), 2);
    EXPECT_EQ(RoundToInt(2.5L), 2);
    EXPECT_EQ(RoundToInt(-0.5L), 0);
    EXPECT_EQ(RoundToInt(-1.5L), -2);
    EXPECT_EQ(RoundToInt(2.5000001L), 3);
}

TEST(RoundToInt, KeepsTheLow32BitsWithinTheInt64Range)
{
    EXPECT_EQ(RoundToInt(4294967301.0L), 5);
    EXPECT_EQ(RoundToInt(2147483648.0L), INT32_MIN);
    EXPECT_EQ(RoundToInt(-0x1p63L), 0);
}

TEST(RoundToInt, OutsideTheInt64RangeIsAnInvalidOperation)
{
    for (const long double bad : {0x1p63L, -0x1p64L, 1e30L, static_cast<long double>(NAN), static_cast<long double>(INFINITY)})
        EXPECT_EQ(messageOf([&] { RoundToInt(bad); }), "Invalid floating point operation") << static_cast<double>(bad);
}

TEST(FloatToStr, WritesUpToFifteenSignificantDigitsWithoutTrailingZeros)
{
    const std::pair<long double, const char*> cases[] = {
        {3, "3"},        {0.5L, "0.5"}, {-2.5L, "-2.5"}, {1.0L / 3, "0.333333333333333"}, {0.00002L, "2e-05"},
        {1e17L / 3, "3.33333333333333e+16"}, {0, "0"}};
    for (const auto& [value, text] : cases)
        EXPECT_EQ(FloatToStr(value), text);
}
