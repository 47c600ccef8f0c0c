#pragma once

#include "core/grid.h"
#include "core/prompter.h"

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

namespace tolvar {

class Frame;

// The Battlezone height file: bare little-endian 16-bit words in 128 x 128
// tiles, tile rows from the top of the file, within a tile row by row. The
// file length alone gives the map size.

// The map side of a file of this many words: 128, 256, 384 or 512, or 0 for
// any other count.
int HeightFileSide(std::int64_t words);

// The words a map of this size takes: its whole tiles only.
std::size_t HeightFileWords(int rows, int cols);

// The file contents of the map's whole tiles, each cell written as
// min(height, ceiling); the default ceiling writes every cell unchanged.
std::vector<std::uint8_t> EncodeHeightFile(const Grid& map, int rows, int cols, Height ceiling = 0xFFFF);

// How many cells of the whole tiles are higher than GameHeightLimit.
std::size_t CellsAboveGameLimit(const Grid& map, int rows, int cols);

// Stores the words of bytes (HeightFileWords(rows, cols) of them at least)
// into the map's tiles, keeping the low 12 bits of each.
void DecodeHeightFile(std::span<const std::uint8_t> bytes, Grid& map, int rows, int cols);

// File > Open: replaces the map by a height file; the size follows the
// file's length. A file too short for the size leaves the map untouched.
void OpenHeightFile(Frame& frame);
// The same for a file named on the command line, without the dialog.
void OpenHeightFileNamed(Frame& frame, const std::string& path);
inline constexpr FileDialog HeightSaveDialog{"dlgSave", "hgt", "Battlezone Height Files", "*.hgt", true};

// Where Save writes and the height no cell of the file may pass, or nothing
// when the user cancels the question or the dialog. Maps the game reads
// whole are written as they are, unasked.
struct HeightSaveTarget {
    Height ceiling;
    std::string path;
};
std::optional<HeightSaveTarget> AskHeightSaveTarget(Frame& frame);

// File > Save: writes the map; a failed save leaves the old file intact.
// When cells are higher than the game reads, asks first whether to clip
// them in the file.
void SaveHeightFile(Frame& frame);

} // namespace tolvar
