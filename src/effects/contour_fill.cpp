#include "effects/contour_fill.h"

#include "core/frame.h"
#include "core/number_text.h"
#include "core/disc_cells.h"

namespace tolvar {

void ContourFill(Frame& frame, std::int32_t row0, std::int32_t col0, std::int32_t r, std::int32_t mode)
{
    frame.LogCommand("CFl=" + IntToStr(row0) + "," + IntToStr(col0) + "," + IntToStr(r) + "," + IntToStr(mode));
    if (r < 0)
        return;
    AppState& s = frame.state();
    // A 64-bit sum: a large disc of high ground would overflow 32 bits and
    // level the disc to a meaningless height.
    std::int64_t sum = 0;
    std::int64_t count = 0;
    forEachDiscCell(row0, col0, r, -std::int64_t{r}, s.MapRows + 1, s.MapCols + 1,
                    [&](int row, int col, std::int64_t) {
                        sum += s.HeightMap(row, col);
                        ++count;
                    });
    if (count == 0)
        return;
    const Height level = mode == CutToZero ? 0 : static_cast<Height>(sum / count);
    forEachDiscCell(row0, col0, r, 1 - std::int64_t{r}, s.MapRows, s.MapCols,
                    [&](int row, int col, std::int64_t) { s.HeightMap(row, col) = level; });
}

} // namespace tolvar
