#include "effect_test.h"
#include "irregular_map.h"

#include "effects/thermal.h"

#include <algorithm>
#include <array>
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

class Erosion : public EffectTest {
protected:
    void click(const char* item, const char* size, const char* bailOut, const char* steepness)
    {
        ui.texts[Box::cboHeight] = size;
        ui.texts[Box::ediIterations] = bailOut;
        ui.texts[Box::cboSteep] = steepness;
        EffectTest::click(item);
    }
};

} // namespace

// The sum of the map stays through every pass, and one worker and two
// give the same map.
TEST(Thermal, ConservesTheMapAndIgnoresTheWorkerCount)
{
    Grid one;
    fillIrregular(one, 3, 0x0FFF);
    const Grid start = one;
    Grid two = one;
    ThermalErosion(one, 100, 1, 3, 1, always);
    EXPECT_EQ(mapSum(one, 100), mapSum(start, 100));
    EXPECT_NE(one, start);
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

// On a map whose drops are at most 7, a talus of 7 moves nothing; refused
// boxes stop with their message. The line comes first either way.
TEST_F(Erosion, AGentleMapOrARefusedBoxLeavesTheMapAsItWas)
{
    fillIrregular(map(), 9, 7);
    const Grid start = map();
    for (const auto& [item, bailOut, steepness, message] :
         {std::array<const char*, 4>{"Thermal1", "50", "7", ""},
          {"Thermal1", "100001", "1", "Bail Out Value 100001 is not a number of Thermal passes: it takes 1 to 100000"},
          {"Thermal1", "10", "-1", "Steepness -1 is not a Thermal talus: it takes 0 or more height units per cell"},
          {"RainRivers1", "0", "1",
           "Bail Out Value 0 is not a number of Rain/Rivers droplets: it takes 1 to 100000 hundred"},
          {"RainRivers1", "10", "101", "Steepness 101 is not a Rain/Rivers strength: it takes 1 to 100"}}) {
        ui.history.clear();
        try {
            click(item, "640", bailOut, steepness);
            EXPECT_STREQ(message, "");
        } catch (const Error& e) {
            EXPECT_STREQ(e.what(), message);
        }
        EXPECT_EQ(map(), start);
        EXPECT_EQ(ui.history.at(0), (item[0] == 'T' ? "Thr=" : "Rai=") + std::string(bailOut) + "," + steepness);
        EXPECT_FALSE(ui.busy);
    }
}

// Cancel puts back the map, the undo copy and the seed; the line stays.
TEST_F(Erosion, CancelPutsEverythingBack)
{
    for (const char* item : {"Thermal1", "RainRivers1"}) {
        fillIrregular(map(), 6, 0x0FFF);
        fillIrregular(state().UndoMap, 7);
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

// Droplets running down a rough plane carry material off it and cut
// channels: more cells end lower than both neighbours across the slope.
// The plane turned a quarter, tilted along the columns, erodes alike. The
// same seed gives the same map, another seed another.
TEST_F(Erosion, RainCutsChannelsIntoATiltedPlaneAsItsSeedSays)
{
    constexpr int n = 128;
    Grid plane, turned;
    for (int r = 1; r <= n; ++r)
        for (int c = 1; c <= n; ++c)
            plane(r, c) = static_cast<Height>(20 * r + (irregularHeight(r, c) & 1));
    for (int r = 1; r <= n; ++r)
        for (int c = 1; c <= n; ++c)
            turned(r, c) = plane(c, n + 1 - r);
    const auto rain = [&](const Grid& start, std::uint32_t seed) {
        map() = start;
        state().random.RandomSeed = seed;
        click("RainRivers1", "1280", "100", "1");
        return map();
    };
    // Cells lower than both neighbours dr rows and dc columns away.
    const auto valleys = [&](const Grid& m, int dr, int dc) {
        int count = 0;
        for (int r = 1 + dr; r <= n - dr; ++r)
            for (int c = 1 + dc; c <= n - dc; ++c)
                count += m(r, c) < m(r - dr, c - dc) && m(r, c) < m(r + dr, c + dc);
        return count;
    };
    const Grid rained = rain(plane, 17), turnedRained = rain(turned, 17);
    const std::int64_t removed[] = {mapSum(plane, n) - mapSum(rained, n), mapSum(turned, n) - mapSum(turnedRained, n)};
    const int cut[] = {valleys(rained, 0, 1) - valleys(plane, 0, 1),
                       valleys(turnedRained, 1, 0) - valleys(turned, 1, 0)};
    EXPECT_GT(removed[0], 0);
    EXPECT_GT(cut[0], 0);
    EXPECT_TRUE(removed[1] > removed[0] / 2 && removed[1] < 2 * removed[0]) << removed[0] << " " << removed[1];
    EXPECT_TRUE(cut[1] > cut[0] / 2 && cut[1] < 2 * cut[0]) << cut[0] << " " << cut[1];
    EXPECT_EQ(rain(plane, 17), rained);
    EXPECT_NE(rain(plane, 18), rained);
    EXPECT_LT(*std::max_element(rained.cells.begin(), rained.cells.end()), 30000); // no wrap below 0
    EXPECT_EQ(ui.history.back(), "Rai=100,1");
}
