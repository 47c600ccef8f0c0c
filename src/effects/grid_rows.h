#pragma once

#include "core/grid.h"

#include <cstddef>

namespace tolvar {

// Row r of a grid as a plain array of Grid::Side cells, for tight inner loops.
inline Height* rowOf(Grid& grid, int r)
{
    return grid.cells.data() + static_cast<std::size_t>(r) * Grid::Side;
}

inline const Height* rowOf(const Grid& grid, int r)
{
    return grid.cells.data() + static_cast<std::size_t>(r) * Grid::Side;
}

} // namespace tolvar
