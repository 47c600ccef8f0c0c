#include "views/height_ramp.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace tolvar {
namespace {

struct Stop {
    double at;
    Rgb colour;
};

constexpr Rgb Shallow{80, 150, 210};
constexpr Rgb Deep{15, 45, 110};
constexpr std::array<Stop, 4> Land{{
    {0.0, {46, 125, 50}},   // green
    {0.35, {150, 115, 60}}, // brown
    {0.7, {135, 135, 135}}, // grey
    {1.0, {255, 255, 255}}, // white
}};

std::uint8_t mix(std::uint8_t a, std::uint8_t b, double f)
{
    return static_cast<std::uint8_t>(std::nearbyint(a + (b - a) * f));
}

Rgb mix(Rgb a, Rgb b, double f)
{
    return {mix(a.red, b.red, f), mix(a.green, b.green, f), mix(a.blue, b.blue, f)};
}

Rgb landColour(double t)
{
    t = std::clamp(t, 0.0, 1.0);
    std::size_t i = 1;
    while (i + 1 < Land.size() && t > Land[i].at)
        ++i;
    const Stop& lo = Land[i - 1];
    const Stop& hi = Land[i];
    return mix(lo.colour, hi.colour, (t - lo.at) / (hi.at - lo.at));
}

} // namespace

HeightRange MapHeightRange(const Grid& grid, int rows, int cols)
{
    if (rows < 1 || cols < 1)
        return {};
    HeightRange range{grid(1, 1), grid(1, 1)};
    for (int r = 1; r <= rows; ++r) {
        const auto [lo, hi] = std::minmax_element(grid.row(r) + 1, grid.row(r) + 1 + cols);
        range.lowest = std::min(range.lowest, *lo);
        range.highest = std::max(range.highest, *hi);
    }
    return range;
}

HeightRange ColourScale(const Grid& grid, int rows, int cols)
{
    constexpr int Band = GameHeightLimit + 1;
    const int highest = MapHeightRange(grid, rows, cols).highest;
    return {0, static_cast<Height>((highest / Band + 1) * Band - 1)};
}

HeightRamp::HeightRamp(std::int32_t seaLevel, HeightRange range) : table_(65536)
{
    const double sea = seaLevel;
    const double depth = std::max(1.0, sea - range.lowest);
    const double rise = std::max(1.0, range.highest - sea);
    for (std::size_t h = 0; h < table_.size(); ++h) {
        const double height = static_cast<double>(h);
        table_[h] = h > GameHeightLimit ? AboveGameLimit
                    : height < sea      ? mix(Shallow, Deep, std::min(1.0, (sea - height) / depth))
                                        : landColour((height - sea) / rise);
    }
}

} // namespace tolvar
