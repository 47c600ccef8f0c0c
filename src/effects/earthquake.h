#pragma once

namespace tolvar {

class Frame;

// Effects > Volcanic > Earthquake (Height): a random fault line drifting
// diagonally across the map; one side of it is raised by 20 x Steepness.
void Earthquake1Click(Frame& frame);

// Effects > Volcanic > EarthQuake (Shear): the same fault from the same
// draws; the cells of the map in use on that side slide along the fault by
// Steepness cells (a negative Steepness slides them back). A source off the
// map is the nearest cell of the map's edge; cells on the line stay.
void EarthQuake2Click(Frame& frame);

} // namespace tolvar
