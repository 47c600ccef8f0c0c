#pragma once

#include <cstdint>
#include <vector>

namespace tolvar {

class Frame;

// Fractal type Diamond-Square: midpoint displacement over rows and columns
// 0..MapRows / 0..MapCols, border row and column 0 included. Run calls
// BeginOperation before it and RefreshViews after it.
void DiamondSquare(Frame& frame);

// The displacement range R of each level 1..levels. A range whose rounded
// product leaves the 64-bit integer range raises "Invalid floating point
// operation"; one that only leaves 32 bits keeps its low 32 bits.
std::vector<std::int32_t> DiamondSquareRanges(std::int32_t steepness, double distortion, int levels);

} // namespace tolvar
