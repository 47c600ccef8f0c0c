#include "views/wireframe_bitmap.h"

#include "core/number_text.h"
#include "views/mesh.h"
#include "views/pixel_line.h"
#include "views/triangle_fill.h"

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

Rgb SchemePen(ColourScheme scheme, long double z1, long double z2, long double z3)
{
    switch (scheme) {
    case ColourScheme::GreenOnBlack:
        return Green;
    case ColourScheme::BlackOnWhite:
        return Black;
    case ColourScheme::ContourColour:
        return ContourPen(z1, z2, z3);
    case ColourScheme::ContourGrey:
        return GreyPen(z1, z2, z3);
    }
    return Green;
}

Rgb FillColour(ColourScheme scheme, long double z1, long double z2, long double z3)
{
    if (scheme == ColourScheme::GreenOnBlack)
        return Black;
    if (scheme == ColourScheme::BlackOnWhite)
        return White;
    // Three fifths of a channel is never exactly half way, so this rounds to nearest.
    const auto darken = [](std::uint8_t c) { return static_cast<std::uint8_t>((3 * c + 2) / 5); };
    const Rgb pen = SchemePen(scheme, z1, z2, z3);
    return {darken(pen.red), darken(pen.green), darken(pen.blue)};
}

namespace {

void drawOutlines(RgbImage& picture, const AppState& state, const Projection& projection, ColourScheme scheme)
{
    ForEachMeshCell(state, projection, [&](const MeshCell& cell) {
        const Rgb pen = SchemePen(scheme, cell.p1.world.z, cell.p2.world.z, cell.p3.world.z);
        DrawPixelLine(picture, cell.p2.screen, cell.p1.screen, pen);
        DrawPixelLine(picture, cell.p1.screen, cell.p3.screen, pen);
        DrawPixelLine(picture, cell.p3.screen, cell.p2.screen, pen);
    });
}

void drawFilled(RgbImage& picture, const AppState& state, const Projection& projection, ColourScheme scheme)
{
    const ClipBox clip{0, 0, picture.width - 1, picture.height - 1};
    ForEachMeshTriangle(state, projection, [&](const MeshTriangle& t) {
        const long double za = t.a.world.z, zb = t.b.world.z, zc = t.c.world.z;
        const Rgb fill = FillColour(scheme, za, zb, zc);
        ForEachTriangleSpan(t.a.screen, t.b.screen, t.c.screen, clip, [&](int y, int left, int right) {
            std::fill(&picture.at(left, y), &picture.at(right, y) + 1, fill);
        });
        const Rgb pen = SchemePen(scheme, za, zb, zc);
        DrawPixelLine(picture, t.b.screen, t.a.screen, pen);
        DrawPixelLine(picture, t.a.screen, t.c.screen, pen);
        DrawPixelLine(picture, t.c.screen, t.b.screen, pen);
    });
}

} // namespace

void DrawWireframe(RgbImage& picture, int areaWidth, int areaHeight, const AppState& state, ColourScheme scheme,
                   MeshFill fill)
{
    const Projection projection(areaWidth, areaHeight, state.view.ViewSize, state.view.ViewRotation);
    picture.resize(projection.width(), projection.height(), scheme == ColourScheme::BlackOnWhite ? White : Black);
    if (fill == MeshFill::Filled)
        drawFilled(picture, state, projection, scheme);
    else
        drawOutlines(picture, state, projection, scheme);
}

} // namespace tolvar
