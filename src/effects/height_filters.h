#pragma once

namespace tolvar {

class Frame;

// Effects that rewrite every cell by a fixed rule.

// Effects > Smooth: the mean of each cell's 3 x 3 block, taken from the snapshot.
void Smooth1Click(Frame& frame);
// Effects > Erosion > Wind: a cell higher than its upper-left neighbour lifts
// that neighbour to one above itself.
void Wind1Click(Frame& frame);
// Effects > Special > Invert: each cell becomes the maximum minus itself.
void Invert1Click(Frame& frame);
// Effects > Special > Adjust Height > Increase: times Steepness.
void Increase1Click(Frame& frame);
// Effects > Special > Adjust Height > Decrease: divided by Steepness.
void Reduce1Click(Frame& frame);
// Effects > Water > Flood: lowers by Sea Level; what lies below becomes 0.
void Flood1Click(Frame& frame);
// Effects > Water > Lower: the lowest point becomes 0.
void Lower1Click(Frame& frame);
// Effects > Special > Add Noise: raises each cell by a random 0..Steepness-1.
void AddNoise1Click(Frame& frame);

} // namespace tolvar
