#pragma once

namespace tolvar {

class Frame;

// Effects > Volcanic > Earthquake (Height): a random fault line drifting
// diagonally across the map; one side of it is raised by 20 x Steepness.
void Earthquake1Click(Frame& frame);

} // namespace tolvar
