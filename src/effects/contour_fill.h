#pragma once

#include <cstdint>

namespace tolvar {

class Frame;

// ContourFill's modes: level the disc to its mean, or cut it down to 0.
// Any mode other than CutToZero levels.
constexpr std::int32_t LevelToMean = 1;
constexpr std::int32_t CutToZero = 3;

// Levels the disc of radius r around (row0, col0) to the mean of the cells
// it covers (offsets -r..r, border lines included), or with mode CutToZero
// sets it to 0; writes its "CFl=" line first. The cells written are those a
// Crater of the same disc digs.
void ContourFill(Frame& frame, std::int32_t row0, std::int32_t col0, std::int32_t r, std::int32_t mode);

} // namespace tolvar
