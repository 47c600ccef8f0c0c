#pragma once

#include "core/grid.h"

#include <cstdint>

namespace tolvar::testing {

// A height that differs from cell to cell with no symmetry and no period: a
// hash of row, column and salt. Flat or symmetric maps hide swapped loops,
// transposed tiles and mirrored copies.
inline Height irregularHeight(int row, int col, std::uint32_t salt = 0)
{
    std::uint32_t h = static_cast<std::uint32_t>(row) * 73856093u ^ static_cast<std::uint32_t>(col) * 19349663u ^
                      (salt + 1) * 83492791u;
    h ^= h >> 13;
    h *= 0x5bd1e995u;
    h ^= h >> 15;
    return static_cast<Height>(h);
}

// Every cell of the grid, border ring included, ANDed with mask.
inline void fillIrregular(Grid& grid, std::uint32_t salt = 0, Height mask = 0xFFFF)
{
    for (int r = 0; r < Grid::Side; ++r)
        for (int c = 0; c < Grid::Side; ++c)
            grid(r, c) = static_cast<Height>(irregularHeight(r, c, salt) & mask);
}

} // namespace tolvar::testing
