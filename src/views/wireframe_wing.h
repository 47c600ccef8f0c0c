#pragma once

#include "core/app_state.h"
#include "surface/palette256.h"
#include "surface/wing.h"
#include "views/colour_scheme.h"

#include <cstdint>

namespace tolvar {

// Palette indices of the cube palette that the WinG view draws with.
struct WinGColours {
    std::uint8_t background;
    std::uint8_t lines;
    std::uint8_t overlay;
};

// Black on White keeps its own colours; every other scheme draws green on black.
WinGColours WinGColoursFor(ColourScheme scheme);

// A 6 x 6 x 6 cube of the levels 0, 50, .. 250 in entries 1..216, entry
// 1 + 36 r + 6 g + b, each rebuilt into the palette as it is set.
void BuildCubePalette(TPalette256& palette);

// The surface's own plotter: the ends are ordered first, so a segment and its
// reverse set the same pixels; the end point is never set, and only pixels
// with 0 < x < Width and 0 < y < Height are.
void DrawSurfaceLine(TWinG& surface, int x1, int y1, int x2, int y2, std::uint8_t index);

// An outline of the whole map in the bottom-left quarter with the viewed
// window and a line from the viewer's corner to its centre.
void DrawZoomOverlay(TWinG& surface, const AppState& state, std::uint8_t index);

// The entry of the colour table nearest to a colour (the lowest of equals).
std::uint8_t NearestEntry(const ColourTable& table, Rgb colour);

// Sizes the surface to the clamped drawing area and draws the mesh (two
// segments per cell) and, if asked, the zoom overlay on it. Filled, each
// triangle is painted far to near with the background, or for the contour
// schemes with the table entry nearest to its darkened contour colour, and
// then its two mesh segments are drawn.
void DrawWinGWireframe(TWinG& surface, int areaWidth, int areaHeight, const AppState& state, ColourScheme scheme,
                       bool zoomOverlay, MeshFill fill = MeshFill::Outline);

} // namespace tolvar
