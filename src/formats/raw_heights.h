#pragma once

#include "core/grid.h"

#include <cstdint>
#include <optional>
#include <span>
#include <vector>

namespace tolvar {

class Frame;

// Raw heights, as game engines and terrain tools exchange them: bare
// little-endian 16-bit words holding widened heights, the map's top row
// (row MapRows) first, each row from column 1.

// Where a raw file's words sit: a map of side n, in rows of n words or of
// n + 1 (the 2^k + 1 sizes, whose last row and column are dropped).
struct RawLayout {
    int side;
    int stride;
};

// The layout of a file of this many bytes, or nothing for any length but
// n x n or (n + 1) x (n + 1) words with n = 128, 256, 384 or 512.
std::optional<RawLayout> RawLayoutOf(std::int64_t bytes);

// Rows and columns 1..side as n x n words.
std::vector<std::uint8_t> EncodeRawHeights(const Grid& map, int side);

// Stores the words of a file of this layout into rows and columns 1..side.
void DecodeRawHeights(std::span<const std::uint8_t> bytes, RawLayout layout, Grid& map);

// File > Binary File > Open Binary File: the file's length sets the map
// size; any other length is refused before the file is read.
void OpenBinaryFile(Frame& frame);
// File > Binary File > Save Binary File: the map in use, which must have
// one of the sizes Open accepts.
void SaveBinaryFile(Frame& frame);

} // namespace tolvar
