#pragma once

#include "core/grid.h"

#include <cstdint>
#include <span>
#include <string>

namespace tolvar {

class Frame;

// A text file of decimal numbers: every run of the digits 0-9 is a number,
// every other byte separates numbers, and lines do not matter.

// Stores the first 257 x 257 numbers row by row into rows and columns
// 1..257, each multiplied by steepness and kept to its low 12 bits. Throws
// "Read beyond end of file" when the text holds fewer numbers, and the
// conversion error for a run of digits beyond the 32-bit range.
void DecodeTextHeights(std::span<const std::uint8_t> text, std::int32_t steepness, Grid& map);

// Rows 1..257 as 257 lines of 257 numbers, each a cell's low 12 bits, every
// line ending in a line break: what DecodeTextHeights reads back with
// steepness 1.
std::string EncodeTextHeights(const Grid& map);

// File > TXT File > Open TXT File: always a 256 x 256 map. A failed import
// changes no cell.
void OpenTextHeightFile(Frame& frame);
// File > TXT File > Save TXT File.
void SaveTextHeightFile(Frame& frame);

} // namespace tolvar
