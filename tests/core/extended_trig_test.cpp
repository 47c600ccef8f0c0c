#include "core/extended_trig.h"

#include <gtest/gtest.h>

#include <cmath>
#include <random>

using namespace tolvar;

// Printed by glibc 2.36's sinl and cosl; MinGW's own give other last bits
// for 100 and 2^40.
TEST(ExtendedTrig, GivesGlibcsBitsOnEveryPlatform)
{
    const struct {
        long double x, sin, cos;
    } cases[] = {
        {0x8p-4L, 0xf.57743a2582f7f44p-5L, 0xe.0a94032dbea7ceep-4L},
        {0xf.333333333333333p-3L, 0xf.240b8f8d1c2b949p-4L, -0xa.58635c9a22d620ap-5L},
        {0x8.666666666666666p-1L, -0xd.f1f96fe8096b69fp-4L, -0xf.b0377645638fdd1p-5L},
        {0xc.8p+3L, -0x8.1a12dbc626dc038p-4L, 0xd.cc0edfb32fefb2p-4L},
        {-0xe.8p-1L, -0xd.2b56db1513dc48ep-4L, 0x9.1637a86e1fdf307p-4L},
        {0x8p+37L, -0xc.fb89138b6aec68ep-5L, -0xe.9fc2bbd9d5441d9p-4L},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(SinExt(c.x), c.sin) << static_cast<double>(c.x);
        EXPECT_EQ(CosExt(c.x), c.cos) << static_cast<double>(c.x);
    }
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
