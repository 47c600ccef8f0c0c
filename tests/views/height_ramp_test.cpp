#include "views/height_ramp.h"

#include "irregular_map.h"

#include <gtest/gtest.h>

namespace tolvar {
namespace {

TEST(HeightRamp, ColoursWorkedByHandForSeaLevel1000Range200To3000)
{
    const HeightRamp ramp(1000, {200, 3000});
    const struct {
        Height height;
        Rgb colour;
    } cases[] = {
        {0, {15, 45, 110}},      // below the lowest: deepest water
        {200, {15, 45, 110}},    // the lowest
        {600, {48, 98, 160}},    // half way down: 47.5 and 97.5 round to even
        {999, {80, 150, 210}},   // just under the sea: shallow water
        {1000, {46, 125, 50}},   // the shore is green
        {1700, {150, 115, 60}},  // 35 % up: brown
        {2350, {136, 134, 130}}, // between brown and grey
        {3000, {255, 255, 255}}, // the highest is white
        {4095, {255, 255, 255}},
        {4096, {255, 0, 255}}, // above what the game holds
        {65535, {255, 0, 255}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ramp(c.height), c.colour) << c.height;
}

TEST(HeightRamp, RangeCoversTheMapCellsOnly)
{
    Grid grid;
    testing::fillIrregular(grid, 3, 0x7FFF);
    for (Height& h : grid.cells)
        h |= 0x100;
    grid(0, 3) = grid(3, 0) = 0; // border ring and cells past the map
    grid(6, 2) = grid(2, 8) = 65535;
    grid(3, 4) = 11;
    grid(5, 7) = 40000; // the last map cell
    const HeightRange range = MapHeightRange(grid, 5, 7);
    EXPECT_EQ(range.lowest, 11);
    EXPECT_EQ(range.highest, 40000);
    // 40000 lies in the tenth band of 4096: 36864 to 40959.
    EXPECT_EQ(ColourScale(grid, 5, 7).highest, 40959);
    for (Height& h : grid.cells)
        h &= 0x0FFF;
    EXPECT_EQ(ColourScale(grid, 5, 7).highest, 4095);
    grid(3, 4) = 4096;
    EXPECT_EQ(ColourScale(grid, 5, 7).highest, 8191);
}

} // namespace
} // namespace tolvar
