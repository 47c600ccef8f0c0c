#include "effects/shift_map.h"

#include "core/error.h"
#include "core/frame.h"
#include "core/number_text.h"

namespace tolvar {

void ShiftMap(Frame& frame, int columnStep, int rowStep)
{
    frame.BeginOperation();
    if (columnStep != -1 || rowStep != 0)
        return;

    AppState& s = frame.state();
    const int n = s.MapRows;
    const std::int32_t shift = s.params.Shift;
    // Beyond these bounds the sweep would read or write outside the grid.
    if (shift < 0 || shift > n)
        throw Error("Shift " + IntToStr(shift) + " is out of range: it must lie between 0 and " + IntToStr(n));
    // Ascending, with every source at or right of its target, each source
    // is read before it is overwritten; the last Shift columns stay.
    for (int r = 0; r <= n; ++r) {
        Height* cells = s.HeightMap.row(r);
        for (int c = 0; c <= n - shift; ++c)
            cells[c] = cells[c + shift];
    }
}

void Left1Click(Frame& frame)
{
    ShiftMap(frame, -1, 0);
}

void Right1Click(Frame& frame)
{
    ShiftMap(frame, 1, 0);
}

void Up1Click(Frame& frame)
{
    ShiftMap(frame, 0, 1);
}

void Down1Click(Frame& frame)
{
    ShiftMap(frame, 0, -1);
}

} // namespace tolvar
