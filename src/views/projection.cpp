#include "views/projection.h"

#include "core/extended_trig.h"
#include "core/number_text.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace tolvar {
namespace {

constexpr long double Pi = std::numbers::pi_v<long double>;

int clampSide(int side, int limit) { return std::clamp(side, 0, limit); }

// Half to even, as RoundToInt. rint rounds that way in the default rounding
// mode, which the program never changes, and unlike nearbyint it does not
// save and restore the floating-point environment, which cost most of a
// redraw. Projected points lie well inside the int range; anything else
// takes the checked path.
int roundPoint(long double value)
{
    const long double rounded = std::rint(value);
    if (std::fabs(rounded) < 0x1p31L)
        return static_cast<int>(rounded);
    return RoundToInt(value);
}

} // namespace

Projection::Projection(int areaWidth, int areaHeight, int viewSize, int viewRotation)
    : width_(clampSide(areaWidth, MaxWidth)), height_(clampSide(areaHeight, MaxHeight)), cx_(width_ / 2),
      cy_(height_ / 2)
{
    k_ = (1024.0L / static_cast<long double>(std::max(width_, 1))) * (static_cast<long double>(viewSize) / 76.0L);
    const long double theta = static_cast<long double>(viewRotation) * Pi / 2.0L - Pi / 3.0L;
    const long double phi = Pi / 6.0L;
    cosTheta_ = CosExt(theta);
    sinTheta_ = SinExt(theta);
    cosPhi_ = CosExt(phi);
    sinPhi_ = SinExt(phi);
}

ScreenPoint Projection::project(const WorldPoint& p) const
{
    const long double u = cosTheta_ * p.x - sinTheta_ * p.y;
    const long double v = sinPhi_ * (sinTheta_ * p.x + cosTheta_ * p.y) + cosPhi_ * p.z;
    return {cx_ + roundPoint(u / k_), cy_ - roundPoint(v / k_)};
}

} // namespace tolvar
