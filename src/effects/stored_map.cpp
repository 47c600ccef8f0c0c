#include "effects/stored_map.h"

#include "core/frame.h"

#include <algorithm>
#include <cstdint>

namespace tolvar {
namespace {

// Sets each in-use cell of the map to mix(map cell, stored cell), low 16 bits.
template <typename Mix> void mixInto(Grid& map, const Grid& stored, int rows, int cols, Mix mix)
{
    for (int r = 1; r <= rows; ++r) {
        Height* cells = map.row(r);
        const Height* other = stored.row(r);
        for (int c = 1; c <= cols; ++c)
            cells[c] = static_cast<Height>(mix(std::int32_t{cells[c]}, std::int32_t{other[c]}));
    }
}

void copyInUse(const Grid& from, Grid& to, int rows, int cols)
{
    mixInto(to, from, rows, cols, [](std::int32_t, std::int32_t stored) { return stored; });
}

template <typename Mix> void combine(Frame& frame, const char* line, Mix mix)
{
    frame.LogCommand(line);
    AppState& s = frame.state();
    mixInto(s.HeightMap, s.ClipMap, s.MapRows, s.MapCols, mix);
    frame.RefreshViews();
}

} // namespace

void Store1Click(Frame& frame)
{
    frame.LogCommand("Cpy");
    AppState& s = frame.state();
    copyInUse(s.HeightMap, s.ClipMap, s.MapRows, s.MapCols);
    frame.ui().setEnabled("Combine1", true);
}

void Retrieve1Click(Frame& frame)
{
    frame.LogCommand("Pst");
    frame.BeginOperation();
    AppState& s = frame.state();
    copyInUse(s.ClipMap, s.HeightMap, s.MapRows, s.MapCols);
    frame.RefreshViews();
}

void Add1Click(Frame& frame)
{
    combine(frame, "Add", [](std::int32_t h, std::int32_t s) { return h + s; });
}

void BlendAve1Click(Frame& frame)
{
    combine(frame, "Ave", [](std::int32_t h, std::int32_t s) { return (h + s) / 2; });
}

void MaxBlend1Click(Frame& frame)
{
    combine(frame, "Max", [](std::int32_t h, std::int32_t s) { return std::max(h, s); });
}

void BlendMin1Click(Frame& frame)
{
    combine(frame, "Min", [](std::int32_t h, std::int32_t s) { return std::min(h, s); });
}

void Subtract1Click(Frame& frame)
{
    combine(frame, "Sub", [](std::int32_t h, std::int32_t s) { return h > s ? h - s : 0; });
}

} // namespace tolvar
