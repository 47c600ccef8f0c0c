#pragma once

#include "core/grid.h"

#include <cstdint>

namespace tolvar::testing {

// A disc added the plain way: every cell of the map in use is tested for
// lying within the offsets -r + 1..r of the centre and within distance r.
inline void addDisc(Grid& grid, int mapRows, int mapCols, std::int64_t x, std::int64_t y, std::int64_t r,
                    std::int32_t steepness)
{
    for (int row = 0; row <= mapRows; ++row)
        for (int col = 0; col <= mapCols; ++col) {
            const std::int64_t dr = row - x;
            const std::int64_t dc = col - y;
            const bool inSquare = dr > -r && dr <= r && dc > -r && dc <= r;
            if (inSquare && dr * dr + dc * dc <= r * r)
                grid(row, col) = static_cast<Height>(grid(row, col) + 16 * steepness);
        }
}

} // namespace tolvar::testing
