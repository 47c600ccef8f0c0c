#pragma once

#include "core/grid.h"

#include <cstdint>
#include <string_view>
#include <vector>

namespace tolvar {

// A material starts at a height: "1000:1" gives material 1 from 1000 up.
struct MaterialBand {
    int height;
    int material;
};

// The material painting of a game map, from the Game Terrain boxes.
struct MaterialRules {
    std::vector<MaterialBand> bands;
    double cliffSlope = 35; // degrees
    int cliffMaterial = 4;
};

inline constexpr int MaterialCount = 16;

// "HEIGHT:MATERIAL HEIGHT:MATERIAL ..." with heights 0 to 4095 and materials
// 0 to 15; throws Error naming the first part that is not so.
std::vector<MaterialBand> ParseMaterialBands(std::string_view text);

// The material of each 2 x 2 tile of a side x side map of game heights:
// the band the mean of its four cells reaches (the lowest band below all),
// or the cliff material where two neighbouring cells of its own four and
// the next row and column differ by a slope steeper than the cliff slope.
// Tiles in map order: tile (i, j), counted from 0 at the south-west, starts
// at cell (2i + 1, 2j + 1) and stands at i * side / 2 + j.
std::vector<std::uint8_t> PaintMaterials(const Grid& heights, int side, const MaterialRules& rules);

// The game's material entry of a solid tile: Base = Next = material, cap,
// no rotation or flip, and a variant drawn from a hash of the tile's place.
std::uint16_t SolidTileEntry(int material, int tileRow, int tileCol);

} // namespace tolvar
