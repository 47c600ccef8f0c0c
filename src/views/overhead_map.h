#pragma once

#include "core/app_state.h"

#include <cstdint>
#include <string>
#include <vector>

namespace tolvar {

// The overhead map (plan view) without its window: the plan bitmap, the
// statistics line and the point readout. The window keeps one plan, shows
// StretchPlan of it unscaled, and passes presses to PlanCellAt.

// Side of the square image control the plan is stretched over, in points.
inline constexpr int PlanViewSide = 256;

// An opaque RGB picture, rows from the top, each pixel 0xFFRRGGBB (the
// layout of QImage::Format_RGB32; painting it needs the full alpha byte).
struct RgbImage {
    static constexpr std::uint32_t Opaque = 0xFF000000u;

    int width = 0;
    int height = 0;
    std::vector<std::uint32_t> pixels;

    RgbImage() = default;
    // A blank (black) picture.
    RgbImage(int w, int h)
        : width(w), height(h), pixels(static_cast<std::size_t>(w) * static_cast<std::size_t>(h), Opaque)
    {
    }

    std::uint32_t& at(int x, int y) { return pixels[index(x, y)]; }
    std::uint32_t at(int x, int y) const { return pixels[index(x, y)]; }

private:
    std::size_t index(int x, int y) const
    {
        return static_cast<std::size_t>(y) * static_cast<std::size_t>(width) + static_cast<std::size_t>(x);
    }
};

// A height drawn as a colour: red its low byte, green its high byte.
constexpr std::uint32_t PlanColour(Height h)
{
    return RgbImage::Opaque | (std::uint32_t{h} & 0xFFu) << 16 | (std::uint32_t{h} >> 8) << 8;
}

// A blank plan for the map in use: MapCols + 1 wide, MapRows + 1 high.
// Pixel row 0 and pixel column 0 are never drawn.
RgbImage NewOverheadBitmap(const AppState& state);

struct MapStatistics {
    Height max = 0;
    Height min = 65535;
    std::uint64_t avg = 0;
};

// Draws every cell in use into the plan, cell (r, c) at pixel
// (c, MapRows + 1 - r), so row MapRows is at the top and column 1 at the
// left; a plan of another size is made anew first. Returns the largest,
// smallest and truncated average height (0 on an empty map).
MapStatistics DrawOverheadMap(const AppState& state, RgbImage& plan);

// "Max = 4095  Min = 0  Avg = 812"
std::string MapInfoText(const MapStatistics& stats);

// The stretch on one axis: of `pixels` bitmap pixels shown over `side`
// points, pixel p covers the points [StretchStart(p), StretchStart(p + 1)).
// When the bitmap is larger than the view, some pixels cover no point.
int StretchStart(int pixel, int pixels, int side = PlanViewSide);
// The pixel drawn at a point of 0..side-1: the exact inverse of the above.
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
