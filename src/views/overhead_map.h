#pragma once

#include "core/app_state.h"
#include "surface/rgb_image.h"

#include <cstdint>
#include <string>
#include <vector>

namespace tolvar {

// The overhead map (plan view) without its window: the plan bitmap, the
// statistics line and the point readout. The window keeps one plan, shows
// StretchPlan of it unscaled, and passes presses to PlanCellAt.

// Side of the square image control the plan is stretched over, in points.
inline constexpr int PlanViewSide = 256;

// A height drawn as a colour: red its low byte, green its high byte.
constexpr Rgb PlanColour(Height h)
{
    return {static_cast<std::uint8_t>(h & 0xFF), static_cast<std::uint8_t>(h >> 8), 0};
}

// A blank plan for the map in use: MapCols + 1 wide, MapRows + 1 high.
// Pixel row 0 and pixel column 0 are never drawn.
RgbImage NewOverheadBitmap(const AppState& state);

struct MapStatistics {
    Height max = 0;
    Height min = 65535;
    std::uint64_t avg = 0;
    // Cells higher than the game reads.
    std::uint64_t aboveGameLimit = 0;
};

// Draws every cell in use into the plan, cell (r, c) at pixel
// (c, MapRows + 1 - r), so row MapRows is at the top and column 1 at the
// left; a plan of another size is made anew first. Returns the largest,
// smallest and truncated average height (0 on an empty map).
MapStatistics DrawOverheadMap(const AppState& state, RgbImage& plan);

// "Max = 4095  Min = 0  Avg = 812", followed by "  (above 4095: 3)" when
// cells are higher than the game reads.
std::string MapInfoText(const MapStatistics& stats);

// The stretch on one axis: of `pixels` bitmap pixels shown over `side`
// points, pixel p covers the points [p x side div pixels, (p + 1) x side div
// pixels); when the bitmap is larger than the view, some cover no point.
// This is the pixel drawn at a point of 0..side-1, used both to draw the
// plan and to read a press back.
int PixelAtPoint(int point, int pixels, int side = PlanViewSide);

// The plan as the window shows it: stretched over side x side points.
RgbImage StretchPlan(const RgbImage& plan, int side = PlanViewSide);

struct PlanCell {
    int row = 0;
    int col = 0;
};

// The cell drawn at press position (x, y) of the view; positions beyond the
// view count as its nearest edge. Pixel row 0 names row MapRows + 1 and
// pixel column 0 names column 0: outside the map, inside the grid.
PlanCell PlanCellAt(const RgbImage& plan, int x, int y, int side = PlanViewSide);

// The readout "(row,col):height" of a cell.
std::string PointInfoText(const Grid& map, PlanCell cell);

} // namespace tolvar
