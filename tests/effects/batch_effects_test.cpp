#include "batch_runner.h"
#include "effect_model.h"
#include "irregular_map.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>

using namespace tolvar;
using namespace tolvar::testing;

// Every item, clicked by name on an opened irregular map, in one run.
TEST(BatchEffects, EveryItemRunsThroughTheDriverAsTheModelSays)
{
    const std::string dir = scratchDirectory();
    EffectModel model;
    model.steepness = 2;
    model.seed = 7;
    std::string words;
    for (int r = 1; r <= 128; ++r)
        for (int c = 1; c <= 128; ++c) {
            model.map(r, c) = irregularHeight(r, c) & 0x0FFF;
            words += {static_cast<char>(model.map(r, c) & 0xFF), static_cast<char>(model.map(r, c) >> 8)};
        }
    std::ofstream(dir + "/start.hgt", std::ios::binary) << words;

    const auto result = runBatch({"dialog=" + dir + "/start.hgt", "Open1", "cboSteep=2", "ediRandSeed=7",
                                  "SetRandSeed1", "Meteor1", "LevelMeteor1", "MeteorExplosive1", "Angled1",
                                  "Volcano1", "Earthquake1", "Plateaus1", "Canyon1", "River1", "RiverLevel1",
                                  "grid=" + dir + "/end.raw"});
    ASSERT_EQ(result.status, 0) << result.err;
    for (const int kind : {0, 1, 2})
        model.shower(kind);
    model.angled();
    model.volcano();
    model.earthquake();
    model.shower(3);
    for (const int kind : {3, 1, 2})
        model.walk(kind);

    std::ifstream in(dir + "/end.raw", std::ios::binary);
    const std::string bytes{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    ASSERT_EQ(bytes.size(), model.map.cells.size() * 2);
    Grid end;
    for (std::size_t k = 0; k < end.cells.size(); ++k)
        end.cells[k] = static_cast<Height>(static_cast<unsigned char>(bytes[2 * k]) |
                                           static_cast<unsigned char>(bytes[2 * k + 1]) << 8);
    EXPECT_EQ(end, model.map);
    std::filesystem::remove_all(dir);
}
