#pragma once

namespace tolvar {

class Frame;

// Fractal type Julia: follows a random backward orbit of the Julia set of
// c = Real + i Imaginary and raises each cell it lands on by Steepness,
// adding to the map that is there.
void JuliaPoints(Frame& frame);

} // namespace tolvar
