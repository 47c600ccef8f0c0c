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
    const bool blackOnWhite = scheme == ColourScheme::BlackOnWhite;
    picture.resize(projection.width(), projection.height(), blackOnWhite ? White : Black);
    const Rgb fixedPen = blackOnWhite ? Black : Green;

    ForEachMeshCell(state, projection, [&](const MeshCell& cell) {
        Rgb pen = fixedPen;
        if (scheme == ColourScheme::ContourColour)
            pen = ContourPen(cell.p1.world.z, cell.p2.world.z, cell.p3.world.z);
        else if (scheme == ColourScheme::ContourGrey)
            pen = GreyPen(cell.p1.world.z, cell.p2.world.z, cell.p3.world.z);
        DrawPixelLine(picture, cell.p2.screen, cell.p1.screen, pen);
        DrawPixelLine(picture, cell.p1.screen, cell.p3.screen, pen);
        DrawPixelLine(picture, cell.p3.screen, cell.p2.screen, pen);
    });
}

} // namespace tolvar
