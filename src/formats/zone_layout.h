#pragma once

#include <cstddef>

namespace tolvar {

// The game's files hold a map in square zones: zones in rows from the
// south-west corner, west to east, then south to north, and inside a zone
// its cells in the same order. Row 1 is the south edge, column 1 the west.
// Visits the entries of the whole zones of a rows x cols grid in file
// order: visit(index, row, col), rows and columns counted from 1.
template <typename Visit> void ForEachZoneCell(int rows, int cols, int zoneSide, Visit visit)
{
    std::size_t index = 0;
    for (int zoneRow = 0; zoneRow < rows / zoneSide; ++zoneRow)
        for (int zoneCol = 0; zoneCol < cols / zoneSide; ++zoneCol)
            for (int r = 1; r <= zoneSide; ++r)
                for (int c = 1; c <= zoneSide; ++c)
                    visit(index++, zoneRow * zoneSide + r, zoneCol * zoneSide + c);
}

} // namespace tolvar
