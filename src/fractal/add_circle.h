#pragma once

#include <cstdint>

namespace tolvar {

class Frame;

// Raises the disc of radius r around row x, column y by 16 x Steepness and
// writes its "Crc=" line. Offsets run from -r + 1 to r in both directions;
// cells outside rows and columns 0..MapRows / 0..MapCols are skipped. The
// caller does BeginOperation and RefreshViews.
void AddCircle(Frame& frame, std::int32_t x, std::int32_t y, std::int32_t r);

} // namespace tolvar
