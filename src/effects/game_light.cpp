#include "effects/game_light.h"

#include "fractal/row_workers.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace tolvar {
namespace {

// Height units a metre, and metres between cells.
constexpr double UnitsPerMetre = 10;
constexpr double CellMetres = 10;
// The shadow ray looks at the terrain every half cell.
constexpr double RayStep = 0.5;

double radians(double degrees) { return degrees * std::numbers::pi / 180; }

// The cosine of 270 degrees comes out as -1.8e-16: a ray along the south
// edge would step off the map at once.
double snapped(double component) { return std::abs(component) < 1e-12 ? 0 : component; }

class LightBaker {
public:
    LightBaker(const Grid& heights, int side, Sun sun) : heights_(heights), side_(side)
    {
        const double azimuth = radians(sun.azimuth);
        const double elevation = radians(sun.elevation);
        east_ = snapped(std::cos(elevation) * std::sin(azimuth));
        north_ = snapped(std::cos(elevation) * std::cos(azimuth));
        up_ = std::sin(elevation);
        // A ray toward a sun straight overhead meets nothing.
        const double horizontal = std::hypot(east_, north_);
        overhead_ = horizontal < 1e-9;
        if (!overhead_) {
            stepCols_ = RayStep * east_ / horizontal;
            stepRows_ = RayStep * north_ / horizontal;
            stepRise_ = RayStep * CellMetres * UnitsPerMetre * up_ / horizontal;
        }
        highest_ = 0;
        for (int r = 1; r <= side; ++r)
            highest_ = std::max<double>(highest_, *std::max_element(heights.row(r) + 1, heights.row(r) + side + 1));
    }

    void bakeRow(int r, std::uint8_t* out) const
    {
        for (int c = 1; c <= side_; ++c) {
            const double facing = normalDotSun(r, c);
            const int lit = static_cast<int>(std::lround(255 * std::max(0.0, facing)));
            out[c - 1] = static_cast<std::uint8_t>(lit > 0 && inShadow(r, c) ? lit / ShadowDivisor : lit);
        }
    }

private:
    double at(int r, int c) const { return heights_(r, c); }

    // Central differences of the four neighbours, one-sided at the edges;
    // slopes in metres a metre.
    double normalDotSun(int r, int c) const
    {
        const int west = std::max(1, c - 1), east = std::min(side_, c + 1);
        const int south = std::max(1, r - 1), north = std::min(side_, r + 1);
        const double slopeEast = (at(r, east) - at(r, west)) / (UnitsPerMetre * CellMetres * (east - west));
        const double slopeNorth = (at(north, c) - at(south, c)) / (UnitsPerMetre * CellMetres * (north - south));
        return (-slopeEast * east_ - slopeNorth * north_ + up_) / std::sqrt(slopeEast * slopeEast + slopeNorth * slopeNorth + 1);
    }

    // The heights between cells, bilinear.
    double between(double r, double c) const
    {
        const int r0 = std::min(side_ - 1, static_cast<int>(r));
        const int c0 = std::min(side_ - 1, static_cast<int>(c));
        const double fr = r - r0, fc = c - c0;
        const double south = at(r0, c0) + (at(r0, c0 + 1) - at(r0, c0)) * fc;
        const double north = at(r0 + 1, c0) + (at(r0 + 1, c0 + 1) - at(r0 + 1, c0)) * fc;
        return south + (north - south) * fr;
    }

    // Walks from the cell toward the sun until the ray leaves the map or
    // rises above its highest cell.
    bool inShadow(int r, int c) const
    {
        if (overhead_ || side_ < 2)
            return false;
        double row = r, col = c, ray = at(r, c);
        for (;;) {
            row += stepRows_;
            col += stepCols_;
            ray += stepRise_;
            if (ray >= highest_ || row < 1 || col < 1 || row > side_ || col > side_)
                return false;
            if (between(row, col) > ray)
                return true;
        }
    }

    const Grid& heights_;
    int side_;
    double east_ = 0, north_ = 0, up_ = 1;
    bool overhead_ = true;
    double stepRows_ = 0, stepCols_ = 0, stepRise_ = 0;
    double highest_ = 0;
};

} // namespace

std::vector<std::uint8_t> BakeGameLight(const Grid& heights, int side, Sun sun, unsigned workers)
{
    std::vector<std::uint8_t> light(static_cast<std::size_t>(side) * static_cast<std::size_t>(side));
    if (side < 1)
        return light;
    const LightBaker baker(heights, side, sun);
    ForEachRow(
        side, workers,
        [&](int r, const StopFlag&) { baker.bakeRow(r, light.data() + static_cast<std::size_t>(r - 1) * side); },
        [](int) { return true; });
    return light;
}

} // namespace tolvar
