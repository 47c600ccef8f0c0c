#pragma once

#include "core/grid.h"

#include <cstdint>
#include <vector>

namespace tolvar {

// Where the sun stands: degrees clockwise from north, degrees above the horizon.
struct Sun {
    double azimuth = 315;
    double elevation = 45;
};

// A shadowed cell keeps this share of the light it would have in the sun.
inline constexpr int ShadowDivisor = 2;

// The light the game shows on each cell of a side x side map, as its light
// file holds it: 255 x the cosine between the surface normal and the sun,
// 0 where the cell faces away, and the lit value divided by ShadowDivisor
// where the terrain hides the sun. Heights are the grid's as the game reads
// them (0.1 m units, cells 10 m apart; row 1 is the south edge, column 1 the
// west edge). Values are in map order: cell (r, c) at (r - 1) * side + c - 1.
// Rows are lit on up to `workers` threads.
std::vector<std::uint8_t> BakeGameLight(const Grid& heights, int side, Sun sun, unsigned workers);

} // namespace tolvar
