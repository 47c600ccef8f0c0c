#pragma once

#include <algorithm>
#include <cstdint>

namespace tolvar {

// Visits, row by row, the cells of the disc of radius r around (row0, col0)
// whose offsets from the centre lie in firstOffset..r on both axes, clipped
// to rows 0..lastRow and columns 0..lastCol: visit(row, col, squaredDistance).
// The walk is bounded by the grid, so a huge radius costs no more than the
// grid; 64-bit squares keep such radii from overflowing.
template <typename Visit>
void forEachDiscCell(std::int64_t row0, std::int64_t col0, std::int64_t r, std::int64_t firstOffset, int lastRow,
                     int lastCol, Visit visit)
{
    const std::int64_t radiusSquared = r * r;
    const std::int64_t top = std::max<std::int64_t>(0, row0 + firstOffset);
    const std::int64_t bottom = std::min<std::int64_t>(lastRow, row0 + r);
    const std::int64_t left = std::max<std::int64_t>(0, col0 + firstOffset);
    const std::int64_t right = std::min<std::int64_t>(lastCol, col0 + r);
    for (std::int64_t row = top; row <= bottom; ++row) {
        const std::int64_t dr = row - row0;
        for (std::int64_t col = left; col <= right; ++col) {
            const std::int64_t dc = col - col0;
            const std::int64_t squared = dr * dr + dc * dc;
            if (squared <= radiusSquared)
                visit(static_cast<int>(row), static_cast<int>(col), squared);
        }
    }
}

} // namespace tolvar
