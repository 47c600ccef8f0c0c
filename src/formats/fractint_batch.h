#pragma once

#include <string>
#include <string_view>

namespace tolvar {

class Frame;

// The fractal window of a Fractint parameter file, as the texts the main
// window's Real Part, Imaginary Part and Spread boxes take.
struct FractalCorners {
    std::string real;      // x minimum, as written
    std::string imaginary; // y minimum, as written
    std::string spread;    // y maximum - y minimum, up to 15 significant digits
};

// Reads the first "corners=" entry: "xmin/xmax/ymin/ymax", ending at the
// first blank; parts after the fourth are ignored. Lines ending in a
// backslash go on in the next line, after its leading blanks. Throws when no
// line holds the entry or a part is not a number.
FractalCorners ReadCorners(std::string_view text);

// File > Open @BatchFile: sets the three boxes, or none of them.
void OpenBatchFile(Frame& frame);

} // namespace tolvar
