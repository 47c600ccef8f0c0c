#pragma once

#include "core/grid.h"

#include <cstdint>
#include <span>

namespace tolvar {

class Frame;

// A text file of decimal numbers: every run of the digits 0-9 is a number,
// every other byte separates numbers, and lines do not matter.

// Stores the first 257 x 257 numbers row by row into rows and columns
// 1..257, each multiplied by steepness and kept to its low 12 bits. Throws
// "Read beyond end of file" when the text holds fewer numbers, and the
// conversion error for a run of digits beyond the 32-bit range.
void DecodeTextHeights(std::span<const std::uint8_t> text, std::int32_t steepness, Grid& map);

// File > TXT File > Open TXT File: always a 256 x 256 map. A failed import
// changes no cell.
void OpenTextHeightFile(Frame& frame);

} // namespace tolvar
