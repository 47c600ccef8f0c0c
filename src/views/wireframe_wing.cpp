#include "views/wireframe_wing.h"

#include "views/mesh.h"
#include "views/step_quotient.h"
#include "views/triangle_fill.h"
#include "views/wireframe_bitmap.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <utility>
#include <vector>

namespace tolvar {
namespace {

constexpr std::uint8_t IndexBlack = 0;
constexpr std::uint8_t IndexGreen = 31;
constexpr std::uint8_t IndexWhite = 216;

void clearInside(TWinG& surface, std::uint8_t index)
{
    const int width = surface.Width();
    for (int y = 1; y < surface.Height(); ++y)
        if (width > 1)
            std::memset(surface.scanLine(y) + 1, index, static_cast<std::size_t>(width - 1));
}

bool inside(const TWinG& surface, ScreenPoint p)
{
    return 0 < p.x && p.x < surface.Width() && 0 < p.y && p.y < surface.Height();
}

void plot(TWinG& surface, std::int64_t x, std::int64_t y, std::uint8_t index)
{
    if (0 < x && x < surface.Width() && 0 < y && y < surface.Height())
        surface.SetPixel(static_cast<int>(x), static_cast<int>(y), index);
}

int distance2(Rgb a, Rgb b)
{
    const int dr = a.red - b.red, dg = a.green - b.green, db = a.blue - b.blue;
    return dr * dr + dg * dg + db * db;
}

void drawOutlines(TWinG& surface, const AppState& state, const Projection& projection, std::uint8_t lines)
{
    ForEachMeshCell(state, projection, [&](const MeshCell& cell) {
        const ScreenPoint s1 = cell.p1.screen;
        const ScreenPoint s2 = cell.p2.screen;
        if (!inside(surface, s1) || !inside(surface, s2))
            return;
        const ScreenPoint s3 = cell.p3.screen;
        DrawSurfaceLine(surface, s2.x, s2.y, s1.x, s1.y, lines);
        DrawSurfaceLine(surface, s1.x, s1.y, s3.x, s3.y, lines);
    });
}

// A triangle's segments b-a and a-c are its cell's two mesh segments, or
// for the triangle across the diagonal the two that close the cell. Only
// cells with all four corners on the surface are drawn, so that every fill
// ends at the lines of its cell rather than at the surface's edge.
void drawFilled(TWinG& surface, const AppState& state, const Projection& projection, ColourScheme scheme,
                const WinGColours& colours)
{
    const ClipBox clip{1, 1, surface.Width() - 1, surface.Height() - 1};
    const bool contour = scheme == ColourScheme::ContourColour || scheme == ColourScheme::ContourGrey;
    // The contour schemes use a handful of fill colours; each is looked up once.
    std::vector<std::pair<Rgb, std::uint8_t>> entries;
    const auto fillIndex = [&](const MeshTriangle& t) {
        if (!contour)
            return colours.background;
        const Rgb colour = FillColour(scheme, t.a.world.z, t.b.world.z, t.c.world.z);
        for (const auto& [known, index] : entries)
            if (known == colour)
                return index;
        entries.emplace_back(colour, NearestEntry(surface.colourTable(), colour));
        return entries.back().second;
    };
    ForEachMeshTriangle(state, projection, [&](const MeshTriangle& t) {
        const MeshCell& cell = t.cell;
        if (!inside(surface, cell.p1.screen) || !inside(surface, cell.p2.screen) ||
            !inside(surface, cell.p3.screen) || !inside(surface, cell.p4.screen))
            return;
        const ScreenPoint a = t.a.screen, b = t.b.screen, c = t.c.screen;
        const std::uint8_t index = fillIndex(t);
        ForEachTriangleSpan(a, b, c, clip, [&](int y, int left, int right) {
            std::memset(surface.scanLine(y) + left, index, static_cast<std::size_t>(right - left + 1));
        });
        DrawSurfaceLine(surface, b.x, b.y, a.x, a.y, colours.lines);
        DrawSurfaceLine(surface, a.x, a.y, c.x, c.y, colours.lines);
    });
}

} // namespace

std::uint8_t NearestEntry(const ColourTable& table, Rgb colour)
{
    std::size_t best = 0;
    for (std::size_t i = 1; i < table.size(); ++i)
        if (distance2(table[i], colour) < distance2(table[best], colour))
            best = i;
    return static_cast<std::uint8_t>(best);
}

WinGColours WinGColoursFor(ColourScheme scheme)
{
    if (scheme == ColourScheme::BlackOnWhite)
        return {IndexWhite, IndexBlack, IndexBlack};
    return {IndexBlack, IndexGreen, IndexWhite};
}

void BuildCubePalette(TPalette256& palette)
{
    int n = 0;
    for (int r = 0; r <= 5; ++r)
        for (int g = 0; g <= 5; ++g)
            for (int b = 0; b <= 5; ++b) {
                ++n;
                palette.entries[static_cast<std::size_t>(n)] = {static_cast<std::uint8_t>(50 * r),
                                                                static_cast<std::uint8_t>(50 * g),
                                                                static_cast<std::uint8_t>(50 * b), TPalette256::ReservedFlag};
                palette.Rebuild();
            }
}

void DrawSurfaceLine(TWinG& surface, int x1, int y1, int x2, int y2, std::uint8_t index)
{
    if (x1 == x2 && y1 == y2)
        return;
    std::int64_t xs = x1, ys = y1, xe = x2, ye = y2;
    const bool swapEnds = std::abs(xe - xs) > std::abs(ye - ys) ? xe < xs : ye < ys;
    if (swapEnds) {
        std::swap(xs, xe);
        std::swap(ys, ye);
    }
    const std::int64_t ex = xe - xs;
    const std::int64_t ey = ye - ys;
    // Steps whose stepping coordinate is off the surface set nothing, so
    // only the ones on it are walked, however far away the ends lie.
    if (ex >= ey) {
        const std::int64_t first = std::max<std::int64_t>(0, 1 - xs);
        const std::int64_t last = std::min(ex - 1, surface.Width() - 1 - xs);
        StepQuotient dy(ey, ex, first);
        for (std::int64_t t = first; t <= last; ++t, dy.next())
            plot(surface, xs + t, ys + dy.roundedHalfEven(), index);
    } else {
        const std::int64_t first = std::max<std::int64_t>(0, 1 - ys);
        const std::int64_t last = std::min(ey - 1, surface.Height() - 1 - ys);
        StepQuotient dx(ex, ey, first);
        for (std::int64_t t = first; t <= last; ++t, dx.next())
            plot(surface, xs + dx.roundedHalfEven(), ys + t, index);
    }
}

void DrawZoomOverlay(TWinG& surface, const AppState& state, std::uint8_t index)
{
    const int h = surface.Height();
    const int q = h / 4;
    const auto line = [&](int x1, int y1, int x2, int y2) { DrawSurfaceLine(surface, x1, y1, x2, y2, index); };
    line(1, 3 * q, q, 3 * q);
    line(1, 3 * q, 1, h - 1);
    line(1, h - 1, q, h - 1);
    line(q, h - 1, q, 3 * q);
    // An empty map has no window to place in the outline.
    if (state.MapRows == 0)
        return;

    const ViewState& v = state.view;
    const int k = v.ViewSize * q / state.MapRows;
    const int top = 3 * q + v.ViewStepsDown * k / 2;
    const int left = 1 + v.ViewStepsRight * k / 2;
    const int bottom = top + k - 1;
    const int right = left + k - 1;
    line(left, top, right, top);
    line(left, top, left, bottom);
    line(left, bottom, right, bottom);
    line(right, bottom, right, top);

    const int corners[4][2] = {{left, bottom}, {left, top}, {right, top}, {right, bottom}};
    const auto& viewer = corners[v.ViewRotation & 3];
    line(viewer[0], viewer[1], (left + right) / 2, (top + bottom) / 2);
}

void DrawWinGWireframe(TWinG& surface, int areaWidth, int areaHeight, const AppState& state, ColourScheme scheme,
                       bool zoomOverlay, MeshFill fill)
{
    const WinGColours colours = WinGColoursFor(scheme);
    const Projection projection(areaWidth, areaHeight, state.view.ViewSize, state.view.ViewRotation);
    surface.SetHeight(static_cast<std::uint16_t>(projection.height()));
    surface.SetWidth(static_cast<std::uint16_t>(projection.width()));
    clearInside(surface, colours.background);

    if (fill == MeshFill::Filled)
        drawFilled(surface, state, projection, scheme, colours);
    else
        drawOutlines(surface, state, projection, colours.lines);
    if (zoomOverlay)
        DrawZoomOverlay(surface, state, colours.overlay);
}

} // namespace tolvar
