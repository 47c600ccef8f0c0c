#pragma once

#include "core/grid.h"

#include <cstddef>
#include <cstdint>
#include <span>

namespace tolvar {

class Frame;

// A raw Vistapro DEM file: a 2048-byte header, then 258 x 258 little-endian
// 16-bit elevations, row after row.
inline constexpr std::size_t VistaproFileBytes = 2048 + 258 * 258 * 2;

// Copies the elevations unchanged into rows and columns 0..257. Refuses a
// compressed file, and a file shorter than VistaproFileBytes with "Read
// beyond end of file"; bytes after those are ignored.
void DecodeVistaproDem(std::span<const std::uint8_t> file, Grid& map);

// File > DEM File > Open Vistapro DEM File. A failed import changes no cell.
void OpenVistaproDemFile(Frame& frame);

} // namespace tolvar
