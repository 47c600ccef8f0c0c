#include "effects/crater.h"

#include "core/extended_trig.h"
#include "core/frame.h"
#include "core/number_text.h"
#include "core/disc_cells.h"
#include "effects/int32_wrap.h"
#include "fractal/add_circle.h"

#include <cmath>
#include <numbers>

namespace tolvar {
namespace {

// The depth at squared distance `squared` from the centre of a crater of
// radius r; the product wraps at 32 bits like the rest of the cell arithmetic.
std::int32_t craterDepth(std::int64_t squared, std::int64_t r, std::int32_t steepness)
{
    const double d = std::sqrt(static_cast<double>(squared));
    // fabs: d x d can land a rounding residue below r squared on the rim.
    const double h = 5.0 * std::sqrt(std::fabs(static_cast<double>(r * r) - d * d));
    const auto rounded = static_cast<std::uint32_t>(std::nearbyint(std::sqrt(h)));
    return static_cast<std::int32_t>(rounded * static_cast<std::uint32_t>(steepness) * 5u);
}

} // namespace

void Crater(Frame& frame, std::int32_t row0, std::int32_t col0, std::int32_t r)
{
    frame.LogCommand("Mtr=" + IntToStr(row0) + "," + IntToStr(col0) + "," + IntToStr(r));
    if (r <= 0)
        return;
    AppState& s = frame.state();
    const std::int32_t steepness = s.params.Steepness;
    forEachDiscCell(row0, col0, r, 1 - std::int64_t{r}, s.MapRows, s.MapCols,
                    [&](int row, int col, std::int64_t squared) {
                        const std::int32_t depth = craterDepth(squared, r, steepness);
                        const std::int32_t cell = s.HeightMap(row, col);
                        s.HeightMap.store(row, col, depth < cell ? std::int64_t{cell} - depth : 0);
                    });
}

void AddCircleOnRing(Frame& frame, std::int32_t row0, std::int32_t col0, long double dist, long double angle,
                     std::int32_t radius)
{
    const long double c = CosExt(angle);
    const long double s = SinExt(angle);
    const std::int32_t x = RoundToInt(dist * c + dist * s);
    const std::int32_t y = RoundToInt(dist * c - dist * s);
    AddCircle(frame, wrappingAdd(row0, x), wrappingAdd(col0, y), radius);
}

void CraterRidge(Frame& frame, std::int32_t row0, std::int32_t col0, std::int32_t r)
{
    constexpr long double pi = std::numbers::pi_v<long double>;
    // 0 to 360 degrees inclusive: the last circle lands on the first.
    for (int k = 0; k <= 180; ++k)
        AddCircleOnRing(frame, row0, col0, static_cast<long double>(r), static_cast<long double>(k) * pi / 90.0L, 1);
}

} // namespace tolvar
