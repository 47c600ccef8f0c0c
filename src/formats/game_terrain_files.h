#pragma once

#include "core/grid.h"

#include <cstdint>
#include <memory>
#include <span>
#include <string>
#include <vector>

namespace tolvar {

// The game's light and material files beside a height file, in the zone
// layout of the height file: a zone is 128 x 128 cells.
inline constexpr int ZoneCells = 128;
// A material entry covers 2 x 2 cells, so a zone holds 64 x 64 of them.
inline constexpr int MaterialZoneSide = ZoneCells / 2;

std::int64_t ZoneCount(int side);
// A byte a cell.
std::int64_t LightFileBytes(int side);
// A little-endian 16-bit entry a tile.
std::int64_t MaterialFileBytes(int side);

// The heights the game reads from a height file written with this ceiling:
// the low 12 bits of each cell, capped.
std::unique_ptr<Grid> GameHeights(const Grid& map, int side, Height ceiling);

// Light values in map order (as BakeGameLight gives them) to file order,
// and back.
std::vector<std::uint8_t> EncodeLightFile(std::span<const std::uint8_t> light, int side);
std::vector<std::uint8_t> DecodeLightFile(std::span<const std::uint8_t> bytes, int side);

// Tile materials in map order (as PaintMaterials gives them) to a file of
// solid tiles, and a file's Base materials back to map order.
std::vector<std::uint8_t> EncodeMaterialFile(std::span<const std::uint8_t> materials, int side);
std::vector<std::uint8_t> DecodeMaterialFile(std::span<const std::uint8_t> bytes, int side);

// "NAME.lgt" beside "NAME.hgt".
std::string CompanionPath(const std::string& heightPath, const char* extension);

} // namespace tolvar
