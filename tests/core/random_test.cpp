#include "core/random.h"

#include <gtest/gtest.h>

#include <array>

using tolvar::Random;

TEST(Random, FiveIntsFromSeedZero)
{
    Random random;
    std::array<std::int32_t, 5> drawn{};
    for (auto& value : drawn)
        value = random.RandomInt(1000);
    EXPECT_EQ(drawn, (std::array<std::int32_t, 5>{0, 31, 861, 202, 272}));
    EXPECT_EQ(random.RandomSeed, 1172187917u);
}

TEST(Random, RealsAreTheSeedTimesTwoToMinus32)
{
    Random random;
    EXPECT_EQ(random.RandomReal(), 0x1p-32L);
    EXPECT_EQ(random.RandomReal(), 134775814.0L / 4294967296.0L);
}

TEST(Random, IntsFromSeed12345)
{
    Random random{12345};
    EXPECT_EQ(random.RandomInt(256), 98);
    EXPECT_EQ(random.RandomInt(256), 74);
    EXPECT_EQ(random.RandomInt(256), 20);
}

TEST(Random, ZeroBoundGivesZeroButAdvances)
{
    Random random;
    EXPECT_EQ(random.RandomInt(0), 0);
    EXPECT_EQ(random.RandomSeed, 1u);
}

TEST(Random, NegativeBoundIsReadUnsigned)
{
    // With n = -1 the bound is 2^32 - 1, so the result is the new seed minus 1.
    Random random;
    EXPECT_EQ(random.RandomInt(-1), 0);
    EXPECT_EQ(static_cast<std::uint32_t>(random.RandomInt(-1)), 134775813u);
    random.RandomSeed = 0xF0000000u;
    const std::uint32_t next = 0xF0000000u * 134775813u + 1u;
    EXPECT_EQ(static_cast<std::uint32_t>(random.RandomInt(-1)), next - 1u);
}

TEST(Random, ClockSeedIsMillisecondsOfTheUtcDay)
{
    using namespace std::chrono;
    Random random;
    const auto moment = sys_days{year{2026} / December / 7} + hours{13} + minutes{45} + seconds{7} + milliseconds{250};
    random.SeedFromClock(moment);
    EXPECT_EQ(random.RandomSeed, 49507250u);
    random.SeedFromClock(sys_days{year{1999} / January / 1} + hours{23} + minutes{59} + seconds{59} + milliseconds{999});
    EXPECT_EQ(random.RandomSeed, 86399999u);
}
