#pragma once

namespace tolvar {

class Frame;

// Walks that cross the map from the top border row or the left border
// column to the opposite side, striking a disc of radius 4..7 at each step.

// Effects > Volcanic > Canyon: each disc is cut to 0, then dug.
void Canyon1Click(Frame& frame);
// Effects > Water > River (Contour): each disc is dug into the ground.
void River1Click(Frame& frame);
// Effects > Water > River (Level): each disc is levelled to its mean, then dug.
void RiverLevel1Click(Frame& frame);

} // namespace tolvar
