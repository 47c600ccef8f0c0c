#include "core/extended_trig.h"

#include <gtest/gtest.h>

#include <charconv>
#include <cmath>
#include <cstring>
#include <fstream>
#include <random>
#include <sstream>
#include <string>

using namespace tolvar;

namespace {

// "3fff:8000000000000000": the sign and exponent word, then the mantissa.
bool parseExtended(const std::string& text, long double& value)
{
    std::uint16_t word = 0;
    std::uint64_t mantissa = 0;
    const char* end = text.data() + text.size();
    const auto [colon, e1] = std::from_chars(text.data(), end, word, 16);
    if (e1 != std::errc() || colon == end || *colon != ':')
        return false;
    const auto [last, e2] = std::from_chars(colon + 1, end, mantissa, 16);
    if (e2 != std::errc() || last != end)
        return false;
    unsigned char bytes[sizeof(long double)] = {};
    std::memcpy(bytes, &mantissa, 8);
    std::memcpy(bytes + 8, &word, 2);
    std::memcpy(&value, bytes, sizeof value);
    return true;
}

// The ten bytes that hold the value; the rest of a long double is padding.
bool sameBits(long double a, long double b)
{
    return std::memcmp(&a, &b, 10) == 0;
}

} // namespace

// glibc's own sinl and cosl of irregular angles in every quadrant, tiny,
// near multiples of pi/2 and huge, made on Linux by tests/data/trig/make_table.c:
// the copy compiled into every build must give the same bits, whatever the
// platform's own C library gives.
TEST(ExtendedTrig, GivesGlibcsBitsOnEveryPlatform)
{
    std::ifstream table(std::string(TOLVAR_TEST_DATA) + "/trig/sincos.tsv");
    ASSERT_TRUE(table) << "no table";
    int rows = 0;
    for (std::string line; std::getline(table, line);) {
        if (line.empty() || line.front() == '#')
            continue;
        std::istringstream fields(line);
        std::string x, sin, cos;
        long double angle = 0, expectedSin = 0, expectedCos = 0;
        fields >> x >> sin >> cos;
        ASSERT_TRUE(parseExtended(x, angle) && parseExtended(sin, expectedSin) && parseExtended(cos, expectedCos))
            << line;
        EXPECT_TRUE(sameBits(SinExt(angle), expectedSin)) << "sin of " << x;
        EXPECT_TRUE(sameBits(CosExt(angle), expectedCos)) << "cos of " << x;
        ++rows;
    }
    EXPECT_GT(rows, 500);
}

#ifdef __GLIBC__
TEST(ExtendedTrig, MatchesTheCLibraryWhereThatIsGlibc)
{
    std::mt19937_64 random(8);
    std::uniform_real_distribution<long double> angle(-20.0L, 20.0L);
    for (int i = 0; i < 20000; ++i) {
        const long double x = angle(random);
        ASSERT_EQ(SinExt(x), sinl(x)) << static_cast<double>(x);
        ASSERT_EQ(CosExt(x), cosl(x)) << static_cast<double>(x);
    }
}
#endif
