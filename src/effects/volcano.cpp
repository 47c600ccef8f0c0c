#include "effects/volcano.h"

#include "core/frame.h"
#include "effects/crater.h"

#include <algorithm>
#include <numbers>

namespace tolvar {
namespace {

// Between the middle of a side and three quarters of the way along it.
std::int32_t coneCentre(Random& random, std::int32_t side)
{
    const std::int32_t half = side / 2;
    const std::int32_t a = random.RandomInt(half);
    const std::int32_t b = random.RandomInt(half);
    return half + (a + b) / 4;
}

} // namespace

void Volcano1Click(Frame& frame)
{
    constexpr long double pi = std::numbers::pi_v<long double>;
    frame.BeginOperation();
    AppState& s = frame.state();
    Random& random = s.random;
    const std::int32_t row = coneCentre(random, s.MapRows);
    const std::int32_t col = coneCentre(random, s.MapCols);
    std::int32_t radius = std::min(s.MapRows, s.MapCols) / 4;
    long double dist = radius;
    const long double breach = random.RandomReal() * 2.0L * pi;
    // Each ring has twice the circles of the last, smaller and nearer the
    // centre, all within the same 315 degrees: the rest is the breach.
    for (std::int32_t circles = 2; circles <= 128; circles *= 2) {
        radius = radius * 4 / 5;
        dist = dist * 7.0L * 0.125L;
        for (std::int32_t n = 0; n < circles; ++n)
            AddCircleOnRing(frame, row, col, dist, random.RandomReal() * 7.0L * pi / 4.0L + breach, radius);
    }
    frame.RefreshViews();
}

} // namespace tolvar
