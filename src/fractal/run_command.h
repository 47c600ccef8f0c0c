#pragma once

#include "core/command.h"

#include <string_view>

namespace tolvar {

class Frame;

// Fractal > Run: writes the ten parameter lines, then runs the generator of
// the checked type. An escape-time Run the user cancels puts back all it
// changed but its lines, then throws Cancelled.
void RunFractal(Frame& frame);

// Fractal > Type > one of "Circle1", "Mountains1", "Julia1", "JuliaBrot1",
// "Mandelbrot1", "MandelHigh1": checks that item alone and writes its "Typ="
// line. The map is not touched.
void SelectFractalType(Frame& frame, std::string_view item);

// Run1 and the six type items.
CommandTable FractalCommands();

} // namespace tolvar
