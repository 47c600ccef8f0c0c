#pragma once

#include "fractal/row_workers.h"

namespace tolvar {

class Frame;

// The escape-time generators show their progress through the UiPort. When
// the user cancels, they throw Cancelled with the map partly written;
// Run puts back what they changed.

// Fractal types Mandelbrot (count mode) and MandelHigh (high mode, when
// "MandelHigh1" is checked): the height of each cell is its escape count
// in steps of Steepness. A "Bail Out Value" that a point which never
// escapes could never reach is refused before any cell is written.
void EscapeTimeMandel(Frame& frame, unsigned workers = DefaultWorkers());

// Fractal type JuliaBrot: the same orbits; the height is the final squared
// magnitude of z, rounded, times Steepness squared.
void JuliaBrot(Frame& frame, unsigned workers = DefaultWorkers());

} // namespace tolvar
