#pragma once

namespace tolvar {

class Frame;

// Effects > Special > Boundary.

// Bevel: caps each cell at 10 x Steepness per cell of distance from the
// nearest of row 0, column 0, row N and column N.
void Blend1Click(Frame& frame);
// Dome: scales the map by Steepness times a cosine mask that is 0.7071 at
// the centre and falls to 0 at half the map's width; beyond it cells become 0.
void Dome1Click(Frame& frame);
// Wall: 4000 along row 1, column 1, row N - 1 and column N - 1.
void Wall1Click(Frame& frame);

} // namespace tolvar
