#include "irregular_map.h"

#include "core/error.h"
#include "effects/game_light.h"
#include "effects/game_materials.h"

#include <gtest/gtest.h>
#include <memory>

using namespace tolvar;

namespace {

constexpr int Side = 256;

// Row 1 is the south edge and column 1 the west edge, as in the height file.
template <typename Height> std::unique_ptr<Grid> mapOf(Height height)
{
    auto grid = std::make_unique<Grid>();
    for (int r = 1; r <= Side; ++r)
        for (int c = 1; c <= Side; ++c)
            (*grid)(r, c) = static_cast<tolvar::Height>(height(r, c));
    return grid;
}

int lightAt(const std::vector<std::uint8_t>& light, int r, int c) { return light[(r - 1) * Side + (c - 1)]; }

// Every cell of the map has this light.
void expectEverywhere(const std::vector<std::uint8_t>& light, int value)
{
    for (int r = 1; r <= Side; ++r)
        for (int c = 1; c <= Side; ++c)
            ASSERT_EQ(lightAt(light, r, c), value) << "cell " << r << "," << c;
}

} // namespace

// 6 units a cell over 10 m is a slope of 0.06. A plane rising east and
// south has the normal (-0.06 east, +0.06 north, 1) / 1.003594; the default
// sun (azimuth 315, elevation 45) is (-0.5, 0.5, 0.70711). The cosine is
// (0.03 + 0.03 + 0.70711) / 1.003594 = 0.76436, x 255 = 194.9 -> 195. The
// mirrored plane: (-0.03 - 0.03 + 0.70711) / 1.003594 = 0.64479 -> 164.4 ->
// 164. A plane rising east and north: (0.03 - 0.03 + 0.70711) / 1.003594 ->
// 179.7 -> 180, so a map read upside down would show 180 on the first.
// Flat under any sun 45 degrees high: 255 x 0.70711 = 180.3 -> 180.
TEST(GameLight, PlanesAndFlatGroundGetTheWorkedValues)
{
    const Sun sun;
    expectEverywhere(BakeGameLight(*mapOf([](int r, int c) { return 900 + 6 * (c - 1) + 6 * (Side - r); }), Side, sun, 2), 195);
    expectEverywhere(BakeGameLight(*mapOf([](int r, int c) { return 900 + 6 * (Side - c) + 6 * (r - 1); }), Side, sun, 2), 164);
    expectEverywhere(BakeGameLight(*mapOf([](int r, int c) { return 900 + 6 * (c - 1) + 6 * (r - 1); }), Side, sun, 1), 180);
    expectEverywhere(BakeGameLight(*mapOf([](int, int) { return 1234; }), Side, {123.4, 45}, 2), 180);
}

// A wall 2000 units (200 m) high: under a sun 45 degrees high its shadow is
// 200 m = 20 cells long. Flat ground in the sun gets 180, in the shadow
// 180 / 2 = 90. Cells within 2 of the wall or the shadow's end may differ.
TEST(GameLight, AWallShadesTwentyCellsOnTheSideAwayFromTheSun)
{
    // Sun in the west: the shadow lies east, at higher columns.
    const auto northSouthWall = mapOf([](int, int c) { return c == 100 ? 2000 : 0; });
    const std::vector<std::uint8_t> west = BakeGameLight(*northSouthWall, Side, {270, 45}, 2);
    for (const int r : {1, 77, 256}) {
        for (int c = 102; c <= 118; ++c)
            EXPECT_EQ(lightAt(west, r, c), 90) << r << "," << c;
        for (const int c : {1, 50, 98, 123, 200, 256})
            EXPECT_EQ(lightAt(west, r, c), 180) << r << "," << c;
    }
    // Sun in the south: the shadow lies north, at higher rows.
    const auto eastWestWall = mapOf([](int r, int) { return r == 60 ? 2000 : 0; });
    const std::vector<std::uint8_t> south = BakeGameLight(*eastWestWall, Side, {180, 45}, 2);
    for (const int c : {1, 130, 256}) {
        for (int r = 62; r <= 78; ++r)
            EXPECT_EQ(lightAt(south, r, c), 90) << r << "," << c;
        for (const int r : {1, 58, 83, 256})
            EXPECT_EQ(lightAt(south, r, c), 180) << r << "," << c;
    }
}

// Tile (i, j) starts at cell (2i + 1, 2j + 1); a cell of 3000 among cells
// of 0 to 40 is a cliff for the four tiles whose 3 x 3 cells hold it: cell
// (131, 5) lies in the blocks of tiles (64, 1), (64, 2), (65, 1), (65, 2).
// A rise of 70 units a cell is 35.0 degrees (atan 0.70), 71 is 35.4.
TEST(GameMaterials, BandsByTileMeanAndCliffsAroundASteepCell)
{
    auto grid = mapOf([](int r, int c) { return tolvar::testing::irregularHeight(r, c) % 41; });
    (*grid)(131, 5) = 3000;
    MaterialRules rules{ParseMaterialBands(" 20:9\t0:3  25:5 "), 35, 12};
    const std::vector<std::uint8_t> tiles = PaintMaterials(*grid, Side, rules);
    for (int i = 0; i < Side / 2; ++i)
        for (int j = 0; j < Side / 2; ++j) {
            const bool cliff = (i == 64 || i == 65) && (j == 1 || j == 2);
            const Grid& g = *grid;
            const double mean = (g(2 * i + 1, 2 * j + 1) + g(2 * i + 1, 2 * j + 2) + g(2 * i + 2, 2 * j + 1) +
                                 g(2 * i + 2, 2 * j + 2)) / 4.0;
            const int band = mean >= 25 ? 5 : mean >= 20 ? 9 : 3;
            ASSERT_EQ(tiles[i * Side / 2 + j], cliff ? 12 : band) << i << "," << j;
        }
    // The steepest pair decides: 70 units is not steeper than 35 degrees, 71 is.
    auto ramp = mapOf([](int, int c) { return c == 3 ? 71 : 0; });
    EXPECT_EQ(PaintMaterials(*ramp, Side, rules)[0], 12);
    (*ramp)(1, 3) = 70;
    for (int r = 2; r <= Side; ++r)
        (*ramp)(r, 3) = 70;
    EXPECT_EQ(PaintMaterials(*ramp, Side, rules)[0], 3);
}

TEST(GameMaterials, ABadBandIsNamed)
{
    const auto message = [](const char* text) {
        try {
            ParseMaterialBands(text);
        } catch (const Error& e) {
            return std::string(e.what());
        }
        return std::string("accepted");
    };
    EXPECT_EQ(message("0:0 1000:x 2000:2"), "Material bands: '1000:x' is not HEIGHT:MATERIAL");
    EXPECT_EQ(message("0:0 1000"), "Material bands: '1000' is not HEIGHT:MATERIAL");
    EXPECT_EQ(message("0:16"), "Material bands: '0:16' has a material outside 0 to 15");
    EXPECT_EQ(message("4096:1"), "Material bands: '4096:1' has a height outside 0 to 4095");
    EXPECT_EQ(message("  "), "Material bands: the text holds no HEIGHT:MATERIAL band");
}
