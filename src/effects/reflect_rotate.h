#pragma once

namespace tolvar {

class Frame;

// Effects > Special > Reflect: one half mirrored onto the other. The mirror
// pairs are c and N - c, so the axis is column (or row) N / 2 and the last
// column (or row) keeps its values.
void FoldRLVertical1Click(Frame& frame);   // Right To Left
void FoldLRVertical1Click(Frame& frame);   // Left To Right
void FoldTBHorizontal1Click(Frame& frame); // Top To Bottom
void FoldBTHorizontal1Click(Frame& frame); // Bottom To Top

// Effects > Special > Rotate: a quarter turn of the map.
void RotLeft1Click(Frame& frame);
void RotRight1Click(Frame& frame);

} // namespace tolvar
