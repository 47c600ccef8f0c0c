#pragma once

#include "surface/rgb_image.h"
#include "views/projection.h"

namespace tolvar {

// A one-pixel line as a classic desktop pen draws it with move-to and
// line-to: Bresenham steps along the longer axis, one pixel per step, from
// the start up to but excluding the end point, so a closed outline sets each
// corner once. On the shorter axis each pixel is the one nearest the ideal
// line; an exact tie stays on the start's side. Pixels outside the picture
// are clipped, however far outside the ends lie.
void DrawPixelLine(RgbImage& picture, ScreenPoint from, ScreenPoint to, Rgb colour);

} // namespace tolvar
