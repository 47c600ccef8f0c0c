#include "batch_runner.h"
#include "effect_model.h"
#include "irregular_map.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

using namespace tolvar::testing;

// Every item clicked by name, one after another, on an opened irregular map.
TEST(BatchEffects, EveryItemRunsThroughTheDriverAsTheModelSays)
{
    const std::string dir = scratchDirectory();
    EffectModel model(128, 2, 7);
    std::string words;
    for (int r = 1; r <= 128; ++r)
        for (int c = 1; c <= 128; ++c) {
            const auto h = model.map(r, c) = irregularHeight(r, c) & 0x0FFF;
            words += {static_cast<char>(h & 0xFF), static_cast<char>(h >> 8)};
        }
    std::ofstream(dir + "/start.hgt", std::ios::binary) << words;
    std::vector<std::string> steps{"dialog=" + dir + "/start.hgt", "Open1", "cboSteep=2", "ediRandSeed=7",
                                   "SetRandSeed1"};
    for (const char* item : {"Meteor1", "LevelMeteor1", "MeteorExplosive1", "Angled1", "Volcano1", "Earthquake1",
                             "Plateaus1", "Canyon1", "River1", "RiverLevel1"}) {
        steps.push_back(item);
        model.run(item);
    }
    steps.push_back("grid=" + dir + "/end.raw");

    const auto result = runBatch(steps);
    ASSERT_EQ(result.status, 0) << result.err;
    const std::string bytes = readFile(dir + "/end.raw");
    std::string expected;
    for (const auto h : model.map.cells)
        expected += {static_cast<char>(h & 0xFF), static_cast<char>(h >> 8)};
    EXPECT_EQ(bytes, expected);
    std::filesystem::remove_all(dir);
}

// The erosions, the shear and the tiles clicked by name, each changing the
// map, then a Thermal run too long to wait for, cancelled in its dialog.
TEST(BatchEffects, TheErosionsShearAndTilesRunThroughTheDriver)
{
    const std::string dir = scratchDirectory();
    std::string words;
    for (int k = 0; k < 128 * 128; ++k) {
        const auto h = irregularHeight(k / 128, k % 128) & 0x0FFF;
        words += {static_cast<char>(h & 0xFF), static_cast<char>(h >> 8)};
    }
    std::ofstream(dir + "/start.hgt", std::ios::binary) << words;
    std::vector<std::string> steps{"dialog=" + dir + "/start.hgt", "Open1", "grid=" + dir + "/start.raw", "cboSteep=3",
                                   "ediIterations=5"};
    const char* items[] = {"Thermal1",     "RainRivers1",  "EarthQuake2",  "Rotate2", "BottomToTop2",
                           "TopToBottom2", "LeftToRight2", "RightToLeft2", "N1"};
    for (const char* item : items)
        steps.insert(steps.end(), {item, "grid=" + dir + "/" + item + ".raw"});
    steps.insert(steps.end(), {"ediIterations=100000", "cancel-after=1200", "Thermal1", "grid=" + dir + "/cancel.raw"});
    const auto result = runBatch(steps);
    ASSERT_EQ(result.status, 0) << result.err;
    std::string previous = readFile(dir + "/start.raw");
    for (const char* item : items) {
        const std::string grid = readFile(dir + "/" + item + ".raw");
        EXPECT_FALSE(grid == previous) << item;
        previous = grid;
    }
    EXPECT_TRUE(readFile(dir + "/cancel.raw") == previous);
    std::filesystem::remove_all(dir);
}
