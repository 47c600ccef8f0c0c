#pragma once

namespace tolvar {

class Frame;

// Effects > Special > Tile: the whole map, shrunk by half along each
// direction it is mirrored or turned, fills the map with copies of itself.
// Two cells, or a 2 x 2 block, become their mean rounded half to even. In
// the plan row MapRows is at the top, so the top half is the rows above
// MapRows / 2 and the left half the columns up to MapCols / 2.

// Rotate: the shrunken map in the top-left quarter, turned by 90, 180 and
// 270 degrees about the centre into the other three.
void Rotate2Click(Frame& frame);
// Reflect: the shrunken map in the half named first, its mirror in the other.
void BottomToTop2Click(Frame& frame);
void TopToBottom2Click(Frame& frame);
void LeftToRight2Click(Frame& frame);
void RightToLeft2Click(Frame& frame);
// Reflect > Both Ways: the shrunken map in the top-left quarter, mirrored
// into the other three.
void N1Click(Frame& frame);

} // namespace tolvar
