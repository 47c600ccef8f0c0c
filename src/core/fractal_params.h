#pragma once

#include <cstdint>

namespace tolvar {

// The parameters BeginOperation reads from the main window's boxes, with the
// work values the generators and effects share.
struct FractalParams {
    double Real = 0;
    double Imaginary = 0;
    double Distortion = 0;
    std::int32_t HalfRows = 0;
    std::int32_t HalfCols = 0;
    float Spread = 0;
    std::int32_t Steepness = 0;
    std::int32_t Iterations = 0;
    std::int32_t SeaLevel = 0;
    std::int32_t Shift = 0;

    double ZRe = 0;
    double ZIm = 0;
    std::uint16_t CurRow = 0;
    std::uint16_t CurCol = 0;
    std::int32_t CellRow = 0;
    std::int32_t CellCol = 0;

    bool FirstOperation = true;
    bool Replaying = false;

    bool operator==(const FractalParams&) const = default;
};

} // namespace tolvar
