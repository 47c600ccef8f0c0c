#pragma once

#include "core/grid.h"
#include "surface/rgb_image.h"

#include <cstdint>
#include <vector>

namespace tolvar {

// The lowest and highest map cell (rows and columns 1..size, border ring left out).
struct HeightRange {
    Height lowest = 0;
    Height highest = 0;

    bool operator==(const HeightRange&) const = default;
};
HeightRange MapHeightRange(const Grid& grid, int rows, int cols);

// The heights the shaded views colour: 0 to GameHeightLimit, so that a
// stroke leaves the colours of the cells it did not touch alone. A map
// that rises higher widens the scale to the next 4096 beyond its highest
// cell, and a stroke a little higher again keeps it.
HeightRange ColourScale(const Grid& grid, int rows, int cols);

// Cells the game cannot hold stand out in every shaded view.
inline constexpr Rgb AboveGameLimit{255, 0, 255};

// The colours of the shaded views: water blue below the sea level, deepening
// towards the lowest cell; from the sea level up, green, brown, grey and
// white at the highest cell; AboveGameLimit above GameHeightLimit. Kept as
// one table of every height, so that a view looks a colour up per cell
// instead of interpolating.
class HeightRamp {
public:
    HeightRamp(std::int32_t seaLevel, HeightRange range);

    Rgb operator()(Height h) const { return table_[h]; }

private:
    std::vector<Rgb> table_;
};

} // namespace tolvar
