#include "batch_runner.h"
#include "effect_model.h"
#include "irregular_map.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <vector>

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
    std::ifstream in(dir + "/end.raw", std::ios::binary);
    const std::string bytes{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    std::string expected;
    for (const auto h : model.map.cells)
        expected += {static_cast<char>(h & 0xFF), static_cast<char>(h >> 8)};
    EXPECT_EQ(bytes, expected);
    std::filesystem::remove_all(dir);
}

namespace {

using Words = std::vector<std::uint16_t>;

Words readGrid(const std::string& path)
{
    const std::string bytes = readFile(path);
    Words words(bytes.size() / 2);
    for (std::size_t k = 0; k < words.size(); ++k)
        words[k] = static_cast<std::uint16_t>(static_cast<unsigned char>(bytes[2 * k]) |
                                              static_cast<unsigned char>(bytes[2 * k + 1]) << 8);
    return words;
}

// Whether cell (r, c) of the 128 map equals the cell `image` gives for it.
template <typename Image> bool holdsEverywhere(const Words& g, Image image)
{
    const auto at = [&](int r, int c) { return g[static_cast<std::size_t>(r * 514 + c)]; };
    for (int r = 1; r <= 128; ++r)
        for (int c = 1; c <= 128; ++c)
            if (const auto [ir, ic] = image(r, c); at(r, c) != at(ir, ic))
                return false;
    return true;
}

} // namespace

// The erosions, the shear and the tiles clicked by name, then a Thermal run
// too long to wait for, cancelled in its progress dialog.
TEST(BatchEffects, TheErosionsShearAndTilesRunThroughTheDriver)
{
    const std::string dir = scratchDirectory();
    std::string words;
    std::int64_t startSum = 0;
    for (int r = 1; r <= 128; ++r)
        for (int c = 1; c <= 128; ++c) {
            const auto h = irregularHeight(r, c) & 0x0FFF;
            startSum += h;
            words += {static_cast<char>(h & 0xFF), static_cast<char>(h >> 8)};
        }
    std::ofstream(dir + "/start.hgt", std::ios::binary) << words;
    std::vector<std::string> steps{"dialog=" + dir + "/start.hgt", "Open1", "cboSteep=3", "ediIterations=5"};
    const char* items[] = {"Thermal1",     "RainRivers1",  "EarthQuake2",  "Rotate2", "BottomToTop2",
                           "TopToBottom2", "LeftToRight2", "RightToLeft2", "N1"};
    for (const char* item : items)
        steps.insert(steps.end(), {item, "grid=" + dir + "/" + item + ".raw"});
    steps.insert(steps.end(), {"ediIterations=100000", "cancel-after=1200", "Thermal1", "grid=" + dir + "/cancel.raw"});
    const auto result = runBatch(steps);
    ASSERT_EQ(result.status, 0) << result.err;

    std::map<std::string, Words> grids;
    for (const char* item : items)
        grids[item] = readGrid(dir + "/" + item + ".raw");
    std::int64_t thermalSum = 0;
    for (int r = 1; r <= 128; ++r)
        for (int c = 1; c <= 128; ++c)
            thermalSum += grids["Thermal1"][static_cast<std::size_t>(r * 514 + c)];
    EXPECT_EQ(thermalSum, startSum);
    EXPECT_NE(grids["RainRivers1"], grids["Thermal1"]);
    EXPECT_NE(grids["EarthQuake2"], grids["RainRivers1"]);
    const auto turn = [](int r, int c) { return std::pair{c, 129 - r}; };
    const auto rows = [](int r, int c) { return std::pair{129 - r, c}; };
    const auto columns = [](int r, int c) { return std::pair{r, 129 - c}; };
    EXPECT_TRUE(holdsEverywhere(grids["Rotate2"], turn));
    EXPECT_TRUE(holdsEverywhere(grids["BottomToTop2"], rows));
    EXPECT_TRUE(holdsEverywhere(grids["TopToBottom2"], rows));
    EXPECT_TRUE(holdsEverywhere(grids["LeftToRight2"], columns));
    EXPECT_TRUE(holdsEverywhere(grids["RightToLeft2"], columns));
    EXPECT_TRUE(holdsEverywhere(grids["N1"], rows) && holdsEverywhere(grids["N1"], columns));
    EXPECT_EQ(readGrid(dir + "/cancel.raw"), grids["N1"]);
    std::filesystem::remove_all(dir);
}
