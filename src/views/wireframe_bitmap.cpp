#include "views/wireframe_bitmap.h"

#include "core/number_text.h"
#include "views/mesh.h"
#include "views/pixel_line.h"

#include <algorithm>
#include <array>
#include <utility>

namespace tolvar {
namespace {

constexpr Rgb Black{0, 0, 0};
constexpr Rgb White{255, 255, 255};
constexpr Rgb Green{0, 255, 0};

long double meanOf(long double z1, long double z2, long double z3) { return (z1 + z2 + z3) * (1.0L / 3.0L); }

// Mean heights above each threshold, the last that holds wins.
constexpr std::array<std::pair<long double, Rgb>, 9> ContourBands{{
    {0.0L, {0, 0, 255}},
    {5.0L, {0, 255, 255}},
    {10.0L, {128, 128, 0}},
    {15.0L, {0, 128, 0}},
    {25.0L, {0, 255, 0}},
    {35.0L, {0, 128, 128}},
    {45.0L, {128, 128, 128}},
    {50.0L, {192, 192, 192}},
    {60.0L, {255, 255, 255}},
}};

} // namespace

Rgb ContourPen(long double z1, long double z2, long double z3)
{
    if (z1 > 400.0L || z2 > 400.0L || z3 > 400.0L)
        return {255, 0, 0};
    const long double mean = meanOf(z1, z2, z3);
    Rgb pen{0, 0, 128};
    for (const auto& [threshold, colour] : ContourBands)
        if (mean > threshold)
            pen = colour;
    return pen;
}

Rgb GreyPen(long double z1, long double z2, long double z3)
{
    const auto level = static_cast<std::uint8_t>(RoundToInt(meanOf(z1, z2, z3)));
    const std::uint8_t g = std::max<std::uint8_t>(level, 128);
    return {g, g, g};
}

void DrawWireframe(RgbImage& picture, int areaWidth, int areaHeight, const AppState& state, ColourScheme scheme)
{
    const Projection projection(areaWidth, areaHeight, state.view.ViewSize, state.view.ViewRotation);
    picture.resize(projection.width(), projection.height());
    const bool blackOnWhite = scheme == ColourScheme::BlackOnWhite;
    std::fill(picture.pixels.begin(), picture.pixels.end(), blackOnWhite ? White : Black);
    const Rgb fixedPen = blackOnWhite ? Black : Green;

    ForEachMeshCell(state, [&](const MeshCell& cell) {
        Rgb pen = fixedPen;
        if (scheme == ColourScheme::ContourColour)
            pen = ContourPen(cell.p1.z, cell.p2.z, cell.p3.z);
        else if (scheme == ColourScheme::ContourGrey)
            pen = GreyPen(cell.p1.z, cell.p2.z, cell.p3.z);
        const ScreenPoint s1 = projection.project(cell.p1);
        const ScreenPoint s2 = projection.project(cell.p2);
        const ScreenPoint s3 = projection.project(cell.p3);
        DrawPixelLine(picture, s2, s1, pen);
        DrawPixelLine(picture, s1, s3, pen);
        DrawPixelLine(picture, s3, s2, pen);
    });
}

} // namespace tolvar
