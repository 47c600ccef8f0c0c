#include "frame_fixture.h"
#include "irregular_map.h"

#include "effects/effect_commands.h"
#include "effects/thermal.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <numeric>

using namespace tolvar;
using namespace tolvar::testing;

namespace {

std::int64_t mapSum(const Grid& map, int n)
{
    std::int64_t sum = 0;
    for (int r = 1; r <= n; ++r)
        sum += std::accumulate(map.row(r) + 1, map.row(r) + n + 1, std::int64_t{0});
    return sum;
}

// The largest difference between two cells side by side or one above the other.
int steepestDrop(const Grid& map, int n)
{
    int steepest = 0;
    for (int r = 1; r <= n; ++r)
        for (int c = 1; c <= n; ++c) {
            if (c < n)
                steepest = std::max(steepest, std::abs(map(r, c) - map(r, c + 1)));
            if (r < n)
                steepest = std::max(steepest, std::abs(map(r, c) - map(r + 1, c)));
        }
    return steepest;
}

const auto always = [](int) { return true; };

class Erosion : public FrameTest {
protected:
    Erosion() { logHistory(); }

    void click(const char* item, const char* size, const char* bailOut, const char* steepness)
    {
        ui.texts[Box::cboHeight] = size;
        ui.texts[Box::ediIterations] = bailOut;
        ui.texts[Box::cboSteep] = steepness;
        const auto table = EffectCommands();
        std::find_if(table.begin(), table.end(), [&](auto& c) { return std::string_view(c.item) == item; })
            ->run(frame);
    }
};

} // namespace

// The sum of the map stays through every pass, the border lines stay, and
// one worker and two give the same map.
TEST(Thermal, ConservesTheMapAndIgnoresTheWorkerCount)
{
    Grid one;
    fillIrregular(one, 3, 0x0FFF);
    const Grid start = one;
    Grid two = one;
    ThermalErosion(one, 100, 1, 3, 1, always);
    EXPECT_EQ(mapSum(one, 100), mapSum(start, 100));
    EXPECT_NE(one, start);
    for (int k = 0; k < Grid::Side; ++k)
        EXPECT_TRUE(one(0, k) == start(0, k) && one(101, k) == start(101, k) && one(k, 0) == start(k, 0) &&
                    one(k, 101) == start(k, 101) && one(k, 300) == start(k, 300));
    ThermalErosion(one, 100, 39, 3, 1, always);
    ThermalErosion(two, 100, 40, 3, 2, always);
    EXPECT_EQ(one, two);
    EXPECT_EQ(mapSum(two, 100), mapSum(start, 100));
}

// A rough cone of slope 50 per cell settles to drops of at most the talus
// (it takes some 800 passes).
TEST(Thermal, ASteepConeSettlesToTheTalus)
{
    constexpr int n = 40;
    Grid map;
    for (int r = 1; r <= n; ++r)
        for (int c = 1; c <= n; ++c) {
            const double distance = std::hypot(r - 19.3, c - 22.6);
            map(r, c) = static_cast<Height>(std::max(0.0, 2000 - 50 * distance) + (irregularHeight(r, c) & 15));
        }
    const std::int64_t sum = mapSum(map, n);
    ASSERT_GT(steepestDrop(map, n), 50);
    ThermalErosion(map, n, 2000, 6, 2, always);
    EXPECT_LE(steepestDrop(map, n), 6);
    EXPECT_EQ(mapSum(map, n), sum);
}

// Drops of up to 7 with a talus of 7: nothing moves. The line comes first,
// the busy cursor goes off again.
TEST_F(Erosion, AGentleMapStaysAsItWas)
{
    fillIrregular(map(), 9, 7);
    const Grid start = map();
    click("Thermal1", "640", "50", "7");
    EXPECT_EQ(map(), start);
    EXPECT_EQ(ui.history, std::vector<std::string>{"Thr=50,7"});
    EXPECT_EQ(ui.calls.front(), "busy on");
    EXPECT_FALSE(ui.busy);
}

TEST_F(Erosion, RefusedBoxesLeaveTheMapAsItWas)
{
    struct Case {
        const char* item;
        const char* bailOut;
        const char* steepness;
        const char* message;
    };
    fillIrregular(map(), 4, 0x0FFF);
    const Grid start = map();
    for (const auto& [item, bailOut, steepness, message] :
         {Case{"Thermal1", "0", "1", "Bail Out Value 0 is not a number of Thermal passes: it takes 1 to 100000"},
          Case{"Thermal1", "100001", "1",
               "Bail Out Value 100001 is not a number of Thermal passes: it takes 1 to 100000"},
          Case{"Thermal1", "10", "-1", "Steepness -1 is not a Thermal talus: it takes 0 or more height units per cell"},
          Case{"RainRivers1", "-5", "1",
               "Bail Out Value -5 is not a number of Rain/Rivers droplets: it takes 1 to 100000 hundred"},
          Case{"RainRivers1", "10", "0", "Steepness 0 is not a Rain/Rivers strength: it takes 1 to 100"}}) {
        try {
            click(item, "1280", bailOut, steepness);
            ADD_FAILURE() << item << " took " << bailOut << ", " << steepness;
        } catch (const Error& e) {
            EXPECT_STREQ(e.what(), message);
        }
        EXPECT_EQ(map(), start);
        EXPECT_FALSE(ui.busy);
    }
}

// Cancel puts back the map, the undo copy and the seed; the line stays.
TEST_F(Erosion, CancelPutsEverythingBack)
{
    for (const char* item : {"Thermal1", "RainRivers1"}) {
        fillIrregular(map(), 6, 0x0FFF);
        state().UndoMap = map();
        state().UndoMap(7, 7) ^= 1;
        state().random.RandomSeed = 99;
        const AppState before = state();
        ui.cancelAtStep = 3;
        ui.history.clear();
        EXPECT_THROW(click(item, "5120", "1000", "2"), Cancelled) << item;
        EXPECT_TRUE(state() == before) << item;
        EXPECT_EQ(ui.history.size(), 1u);
        EXPECT_FALSE(ui.busy);
    }
}

// The same seed gives the same map, another seed another.
TEST_F(Erosion, RainRepeatsWithItsSeed)
{
    const auto rain = [&](std::uint32_t seed) {
        fillIrregular(map(), 2, 0x3FFF);
        state().random.RandomSeed = seed;
        click("RainRivers1", "1280", "20", "2");
        return map();
    };
    const Grid first = rain(5);
    EXPECT_EQ(rain(5), first);
    EXPECT_NE(rain(6), first);
    EXPECT_EQ(ui.history.back(), "Rai=20,2");
}

// Droplets running down a rough plane carry material off it and cut
// channels: more cells end lower than both their left and right neighbours.
TEST_F(Erosion, RainCutsChannelsIntoATiltedPlane)
{
    constexpr int n = 128;
    for (int r = 1; r <= n; ++r)
        for (int c = 1; c <= n; ++c)
            map()(r, c) = static_cast<Height>(20 * r + (irregularHeight(r, c) & 1));
    const auto valleys = [&] {
        int count = 0;
        for (int r = 1; r <= n; ++r)
            for (int c = 2; c < n; ++c)
                count += map()(r, c) < map()(r, c - 1) && map()(r, c) < map()(r, c + 1);
        return count;
    };
    const std::int64_t sum = mapSum(map(), n);
    const int before = valleys();
    state().random.RandomSeed = 17;
    click("RainRivers1", "1280", "100", "1");
    EXPECT_LT(mapSum(map(), n), sum);
    EXPECT_GT(valleys(), before);
}
