#include "views/sculpt_picture.h"

#include "core/number_text.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

namespace tolvar {
namespace {

// The light: azimuth 315 degrees (north-west), altitude 45 degrees, as
// (east, north, up).
constexpr double LightEast = -0.5;
constexpr double LightNorth = 0.5;
constexpr double LightUp = 0.70710678118654752;
// Heights are exaggerated less than they are spaced: a cell step of this
// many units reads as a 45-degree slope.
constexpr double UnitsPerCellWidth = 16.0;

std::uint8_t scaled(std::uint8_t channel, double factor)
{
    return static_cast<std::uint8_t>(std::min(255.0, channel * factor + 0.5));
}

} // namespace

Gradient HornGradient(const Grid& map, int rows, int cols, int row, int col)
{
    const int n = std::min(row + 1, rows), s = std::max(row - 1, 1);
    const int e = std::min(col + 1, cols), w = std::max(col - 1, 1);
    const auto z = [&](int r, int c) { return static_cast<double>(map(r, c)); };
    const double east = ((z(n, e) + 2 * z(row, e) + z(s, e)) - (z(n, w) + 2 * z(row, w) + z(s, w))) / 8.0;
    const double north = ((z(n, w) + 2 * z(n, col) + z(n, e)) - (z(s, w) + 2 * z(s, col) + z(s, e))) / 8.0;
    return {east, north};
}

SculptPicture::SculptPicture(const Grid& map, int rows, int cols, const HeightRamp& ramp, SculptLook look)
    : map_(map), rows_(rows), cols_(cols), ramp_(ramp), look_(look)
{
}

void SculptPicture::paint(const CellRect& cells, RgbImage& picture) const
{
    for (int row = cells.firstRow; row <= cells.lastRow; ++row)
        for (int col = cells.firstCol; col <= cells.lastCol; ++col)
            picture.at(col - 1, rows_ - row) = map_(row, col) > GameHeightLimit ? AboveGameLimit
                                               : look_.contours                 ? contoured(row, col)
                                                                                : shaded(row, col);
}

// The ramp colour lit by the cosine of the angle to the light, so that level
// ground keeps the ramp's own colour.
Rgb SculptPicture::shaded(int row, int col) const
{
    const Gradient g = HornGradient(map_, rows_, cols_, row, col);
    const double east = g.east / UnitsPerCellWidth, north = g.north / UnitsPerCellWidth;
    const double lit =
        (-east * LightEast - north * LightNorth + LightUp) / std::sqrt(1.0 + east * east + north * north);
    const double factor = std::max(0.0, lit) / LightUp;
    const Rgb colour = ramp_(map_(row, col));
    return {scaled(colour.red, factor), scaled(colour.green, factor), scaled(colour.blue, factor)};
}

// A cell lies on a contour when a line falls between it and its east or
// north neighbour.
Rgb SculptPicture::contoured(int row, int col) const
{
    const Height h = map_(row, col);
    const int band = h / look_.interval;
    const bool line = (col < cols_ && map_(row, col + 1) / look_.interval != band) ||
                      (row < rows_ && map_(row + 1, col) / look_.interval != band);
    const Rgb colour = ramp_(h);
    return line ? Rgb{scaled(colour.red, 0.35), scaled(colour.green, 0.35), scaled(colour.blue, 0.35)} : colour;
}

std::string SculptStatusText(const Grid& map, int rows, int cols, int row, int col)
{
    if (row < 1 || row > rows || col < 1 || col > cols)
        return {};
    const Gradient g = HornGradient(map, rows, cols, row, col);
    char slope[32];
    std::snprintf(slope, sizeof slope, "%.1f", std::hypot(g.east, g.north));
    return "Row " + IntToStr(row) + "  Column " + IntToStr(col) + "  Height " + IntToStr(map(row, col)) + "  Slope " +
           slope;
}

} // namespace tolvar
