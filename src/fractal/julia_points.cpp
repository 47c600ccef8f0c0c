#include "fractal/julia_points.h"

#include "core/extended_trig.h"
#include "core/frame.h"
#include "core/number_text.h"

#include <cmath>

namespace tolvar {
namespace {

using Ext = long double;

// ArcCos as the two-argument arctangent, giving 0..pi.
Ext arcCos(Ext x) { return std::atan2(std::sqrt(1.0L - x * x), x); }

// The cell index of one coordinate of the orbit; the products are formed
// left to right.
std::int64_t cellIndex(double z, float spread, std::int32_t halfRows)
{
    const Ext scaled = static_cast<Ext>(z) * static_cast<Ext>(spread) * static_cast<Ext>(halfRows) * 0.5L;
    return std::int64_t{RoundToInt(scaled)} + halfRows + 1;
}

} // namespace

void JuliaPoints(Frame& frame)
{
    frame.BusyCursorOn();
    frame.BeginOperation();
    AppState& s = frame.state();
    FractalParams& p = s.params;

    double a = static_cast<double>(1.0L - 4.0L * static_cast<Ext>(p.Real));
    double b = static_cast<double>(-4.0L * static_cast<Ext>(p.Imaginary));
    const std::uint16_t points = static_cast<std::uint16_t>(p.Iterations);
    for (unsigned n = 0; n < points; ++n) {
        const Ext aa = a;
        const Ext bb = b;
        const double r = static_cast<double>(std::sqrt(aa * aa + bb * bb) + 1e-9L);
        const Ext half = b > 0 ? 0.5L : -0.5L;
        const double theta = static_cast<double>(arcCos(aa / static_cast<Ext>(r)) * half);
        const Ext root = static_cast<double>(std::sqrt(static_cast<Ext>(r)));
        const double u = static_cast<double>(CosExt(static_cast<Ext>(theta)) * root);
        const double v = static_cast<double>(SinExt(static_cast<Ext>(theta)) * root);
        // The next root is taken of the point before this step, minus c.
        a = static_cast<double>(static_cast<Ext>(p.ZRe) - static_cast<Ext>(p.Real));
        b = static_cast<double>(static_cast<Ext>(p.ZIm) - static_cast<Ext>(p.Imaginary));
        const bool negate = s.random.RandomReal() >= 0.5L;
        p.ZRe = negate ? -u : u;
        p.ZIm = negate ? -v : v;

        const std::int64_t row = cellIndex(p.ZRe, p.Spread, p.HalfRows);
        const std::int64_t col = cellIndex(p.ZIm, p.Spread, p.HalfRows);
        if (row >= 1 && row <= s.MapRows && col >= 1 && col <= s.MapCols) {
            const int rr = static_cast<int>(row) + 1;
            const int cc = static_cast<int>(col) + 1;
            s.HeightMap.store(rr, cc, s.HeightMap(rr, cc) + static_cast<std::uint32_t>(p.Steepness));
        }
    }
    frame.RefreshViews();
}

} // namespace tolvar
