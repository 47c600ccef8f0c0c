#pragma once

#include "core/app_state.h"
#include "surface/rgb_image.h"
#include "views/colour_scheme.h"

namespace tolvar {

// The pens of the contour schemes for a cell whose corners stand at z1..z3
// (tenths of a height).
Rgb ContourPen(long double z1, long double z2, long double z3);
Rgb GreyPen(long double z1, long double z2, long double z3);
// The pen of a scheme for a cell or triangle with corners at z1..z3.
Rgb SchemePen(ColourScheme scheme, long double z1, long double z2, long double z3);
// What a filled triangle is painted with: the background for the plain
// schemes, the contour pen darkened to 60 % for the contour ones, so that
// the lines stay visible.
Rgb FillColour(ColourScheme scheme, long double z1, long double z2, long double z3);

// Renders the viewed window of the map as a full triangle mesh into a new
// picture of the clamped drawing area (at most 1024 x 768).
void DrawWireframe(RgbImage& picture, int areaWidth, int areaHeight, const AppState& state, ColourScheme scheme,
                   MeshFill fill = MeshFill::Outline);

} // namespace tolvar
