#include "fractal/add_circle.h"

#include "core/frame.h"
#include "core/number_text.h"

#include <algorithm>

namespace tolvar {

void AddCircle(Frame& frame, std::int32_t x, std::int32_t y, std::int32_t r)
{
    frame.LogCommand("Crc=" + IntToStr(x) + "," + IntToStr(y) + "," + IntToStr(r));
    if (r <= 0)
        return;

    AppState& s = frame.state();
    FractalParams& p = s.params;
    // Positions and squares in 64 bits: a replayed radius in the billions
    // must neither overflow nor walk cells that lie off the grid.
    const std::int64_t cx = x;
    const std::int64_t cy = y;
    const std::int64_t radius = r;
    const std::int64_t radiusSquared = radius * radius;
    const std::int64_t firstRow = std::max<std::int64_t>(0, cx - radius + 1);
    const std::int64_t lastRow = std::min<std::int64_t>(s.MapRows, cx + radius);
    const std::int64_t firstCol = std::max<std::int64_t>(0, cy - radius + 1);
    const std::int64_t lastCol = std::min<std::int64_t>(s.MapCols, cy + radius);
    const std::uint32_t raise = static_cast<std::uint32_t>(p.Steepness) * 16u;

    for (std::int64_t row = firstRow; row <= lastRow; ++row) {
        const std::int64_t dr = row - cx;
        for (std::int64_t col = firstCol; col <= lastCol; ++col) {
            const std::int64_t dc = col - cy;
            if (dr * dr + dc * dc <= radiusSquared) {
                const int rr = static_cast<int>(row);
                const int cc = static_cast<int>(col);
                s.HeightMap.store(rr, cc, s.HeightMap(rr, cc) + raise);
            }
        }
    }
    // The walk over the whole square ends on its last cell.
    p.CellRow = static_cast<std::int32_t>(static_cast<std::uint32_t>(cx + radius));
    p.CellCol = static_cast<std::int32_t>(static_cast<std::uint32_t>(cy + radius));
}

} // namespace tolvar
