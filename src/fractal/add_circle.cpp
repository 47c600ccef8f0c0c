#include "fractal/add_circle.h"

#include "core/disc_cells.h"
#include "core/frame.h"
#include "core/number_text.h"

namespace tolvar {

void AddCircle(Frame& frame, std::int32_t x, std::int32_t y, std::int32_t r)
{
    frame.LogCommand("Crc=" + IntToStr(x) + "," + IntToStr(y) + "," + IntToStr(r));
    if (r <= 0)
        return;

    AppState& s = frame.state();
    FractalParams& p = s.params;
    const std::uint32_t raise = static_cast<std::uint32_t>(p.Steepness) * 16u;
    forEachDiscCell(x, y, r, 1 - std::int64_t{r}, s.MapRows, s.MapCols,
                    [&](int row, int col, std::int64_t) { s.HeightMap.store(row, col, s.HeightMap(row, col) + raise); });
    // The walk over the whole square ends on its last cell.
    p.CellRow = static_cast<std::int32_t>(static_cast<std::uint32_t>(std::int64_t{x} + r));
    p.CellCol = static_cast<std::int32_t>(static_cast<std::uint32_t>(std::int64_t{y} + r));
}

} // namespace tolvar
