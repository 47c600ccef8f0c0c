#include "views/pixel_line.h"

#include "views/step_quotient.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>

namespace tolvar {
namespace {

// One axis of a segment: where it starts, which way it goes, how far, and
// how many pixels the picture has along it.
struct Axis {
    std::int64_t start;
    std::int64_t sign;
    std::int64_t length;
    std::int64_t limit;
};

Axis axis(int from, int to, int limit)
{
    const std::int64_t d = static_cast<std::int64_t>(to) - from;
    return {from, d < 0 ? -1 : 1, std::abs(d), limit};
}

} // namespace

void DrawPixelLine(RgbImage& picture, ScreenPoint from, ScreenPoint to, Rgb colour)
{
    Axis major = axis(from.x, to.x, picture.width);
    Axis minor = axis(from.y, to.y, picture.height);
    const bool xMajor = major.length >= minor.length;
    if (!xMajor)
        std::swap(major, minor);
    const std::int64_t n = major.length;
    if (n == 0)
        return;

    // Only the steps whose major coordinate lies on the picture are walked.
    std::int64_t first = 0;
    std::int64_t last = n - 1;
    if (major.sign > 0) {
        first = std::max(first, -major.start);
        last = std::min(last, major.limit - 1 - major.start);
    } else {
        first = std::max(first, major.start - (major.limit - 1));
        last = std::min(last, major.start);
    }
    // The minor offset rounds length x t / n to nearest, ties down.
    StepQuotient offset(2 * minor.length, 2 * n, first, n - 1);
    for (std::int64_t t = first; t <= last; ++t, offset.next()) {
        const std::int64_t m = major.start + major.sign * t;
        const std::int64_t q = minor.start + minor.sign * offset.floor();
        if (q < 0 || q >= minor.limit)
            continue;
        const int x = static_cast<int>(xMajor ? m : q);
        const int y = static_cast<int>(xMajor ? q : m);
        picture.at(x, y) = colour;
    }
}

} // namespace tolvar
