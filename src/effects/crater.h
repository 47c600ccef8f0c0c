#pragma once

#include <cstdint>

namespace tolvar {

class Frame;

// Digs a bowl of radius r around (row0, col0), deepest at the centre by
// Round(sqrt(5r)) x 5 x Steepness, and writes its "Mtr=" line first. Offsets
// run from 1 - r to r; rows and columns 0..MapRows / 0..MapCols are dug.
void Crater(Frame& frame, std::int32_t row0, std::int32_t col0, std::int32_t r);

// A raised rim: 181 circles of radius 1 on the ring of radius r x sqrt(2)
// around (row0, col0), two degrees apart, each writing its "Crc=" line.
void CraterRidge(Frame& frame, std::int32_t row0, std::int32_t col0, std::int32_t r);

// AddCircle of the given radius at the point dist x (cos a + sin a,
// cos a - sin a) from (row0, col0), rounded half to even.
void AddCircleOnRing(Frame& frame, std::int32_t row0, std::int32_t col0, long double dist, long double angle,
                     std::int32_t radius);

} // namespace tolvar
