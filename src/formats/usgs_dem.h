#pragma once

#include "core/grid.h"

#include <cstdint>
#include <span>

namespace tolvar {

class Frame;

// A USGS Digital Elevation Model in its ASCII form of 1024-byte blocks: the
// A record in block 1, then one profile per map column, each profile starting
// in a block of its own.

struct UsgsDemImport {
    int rows = 0;               // MapRows: the last map row a profile fills
    int cols = 0;               // MapCols: one profile per column
    std::int32_t steepness = 0; // every elevation is divided by it
    std::int32_t shift = 0;     // the first profile to import, counting from 1
};

// Fills rows 0..min(m, rows) of columns 1..cols with the profiles' elevations,
// divided by steepness and kept to 12 bits when the quotient exceeds 4095.
// Throws at the first field that is not an integer, at a zero steepness, and
// when the file ends before a block it needs.
void DecodeUsgsDem(std::span<const std::uint8_t> file, const UsgsDemImport& import, Grid& map);

// File > DEM File > Open USGS DEM File. A failed import changes no cell.
void OpenUsgsDemFile(Frame& frame);

} // namespace tolvar
