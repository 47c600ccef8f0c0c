#pragma once

namespace tolvar {

class Frame;

// Edit > Copy, Paste and Combine: a second map kept in ClipMap. Copy and the
// Combine commands take no undo snapshot and keep the map size, so an Undo
// after a Combine goes back to before the last full operation.

// Edit > Copy: stores the map and enables the Combine submenu.
void Store1Click(Frame& frame);
// Edit > Paste: brings the stored map back, as an operation that Undo reverses.
void Retrieve1Click(Frame& frame);

// Edit > Combine: each cell of the map mixed with the stored cell.
void Add1Click(Frame& frame);      // sum, wrapping above 65535
void BlendAve1Click(Frame& frame); // mean, rounded down
void MaxBlend1Click(Frame& frame); // the larger
void BlendMin1Click(Frame& frame); // the smaller
void Subtract1Click(Frame& frame); // the difference, 0 where the stored cell is not lower

} // namespace tolvar
