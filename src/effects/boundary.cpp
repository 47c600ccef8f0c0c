#include "effects/boundary.h"

#include "core/error.h"
#include "core/extended_trig.h"
#include "effects/map_operation.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <numbers>
#include <vector>

namespace tolvar {
namespace {

constexpr Height WallHeight = 4000;

// Distance of line i from the nearer of lines 0 and n.
int edgeDistance(int i, int n, int half)
{
    return i < half ? i : n - i;
}

void bevel(Grid& map, int n, const FractalParams& p)
{
    const auto step = static_cast<std::uint32_t>(p.Steepness);
    for (int i = 0; i <= n; ++i) {
        const int a = edgeDistance(i, n, p.HalfRows);
        Height* cells = map.row(i);
        for (int j = 0; j <= n; ++j) {
            const auto m = static_cast<std::uint32_t>(std::min(a, edgeDistance(j, n, p.HalfCols)));
            // Signed 32-bit arithmetic that wraps; a negative cap cuts every cell.
            const auto limit = static_cast<std::int32_t>(10u * m * step);
            if (cells[j] > limit)
                cells[j] = static_cast<Height>(limit);
        }
    }
}

// cos((d / R + 1) x pi / 4) for the row and column offsets a, b (0..side - 1)
// from the centre. It depends on a² + b² only, so it is worked out once per
// pair a <= b rather than once per cell.
std::vector<long double> domeMask(int radius, int side)
{
    constexpr long double quarterPi = std::numbers::pi_v<long double> / 4;
    std::vector<long double> mask(static_cast<std::size_t>(side * side));
    for (int a = 0; a < side; ++a)
        for (int b = a; b < side; ++b) {
            const long double d = sqrtl(static_cast<long double>(a) * a + static_cast<long double>(b) * b);
            const long double angle = d / radius * quarterPi + quarterPi;
            mask[static_cast<std::size_t>(a * side + b)] = mask[static_cast<std::size_t>(b * side + a)] = CosExt(angle);
        }
    return mask;
}

void dome(Grid& map, int n, const FractalParams& p)
{
    const int radius = n / 2;
    // The first cell would divide 0 by 0.
    if (radius == 0)
        throw Error("Invalid floating point operation");
    // Rows and columns 0..n + 1 lie at most half + 1 from the centre.
    const int side = std::max(p.HalfRows, p.HalfCols) + 2;
    const std::vector<long double> mask = domeMask(radius, side);
    const long double steepness = p.Steepness;
    for (int i = 0; i <= n + 1; ++i) {
        const long double* factors = mask.data() + std::abs(i - p.HalfRows) * side;
        Height* cells = map.row(i);
        for (int j = 0; j <= n + 1; ++j) {
            const long double v = static_cast<long double>(cells[j]) * factors[std::abs(j - p.HalfCols)] * steepness;
            // llrintl rounds half to even and converts in one fistp; rintl
            // followed by a cast would switch the x87 control word to
            // truncation and back for every cell.
            cells[j] = static_cast<Height>(llrintl(std::max(v, 0.0L)));
        }
    }
}

void wall(Grid& map, int n)
{
    for (int r = 1; r <= n - 1; ++r) {
        map(r, 1) = WallHeight;
        map(r, n - 1) = WallHeight;
    }
    for (int c = 1; c <= n - 1; ++c) {
        map(1, c) = WallHeight;
        map(n - 1, c) = WallHeight;
    }
}

} // namespace

void Blend1Click(Frame& frame)
{
    RewriteMap(frame, {}, [](AppState& s) { bevel(s.HeightMap, s.MapRows, s.params); });
}

void Dome1Click(Frame& frame)
{
    RewriteMap(frame, {}, [](AppState& s) { dome(s.HeightMap, s.MapRows, s.params); });
}

void Wall1Click(Frame& frame)
{
    RewriteMap(frame, {}, [](AppState& s) { wall(s.HeightMap, s.MapRows); });
}

} // namespace tolvar
