#include "fractal/circle_field.h"

#include "core/frame.h"
#include "core/number_text.h"
#include "fractal/add_circle.h"

#include <algorithm>

namespace tolvar {
namespace {

int levelCount(int mapRows)
{
    switch (mapRows) {
    case 256:
        return 8;
    case 384:
        return 9;
    case 512:
        return 10;
    default:
        return 7;
    }
}

// A centre coordinate clustered around the middle of a side of this length.
// The four draws are taken one by one, since their order is part of the map.
std::int32_t centre(Random& random, std::int32_t side, double distortion)
{
    const std::int32_t a = random.RandomInt(side / 2);
    const std::int32_t b = random.RandomInt(side / 2);
    const std::int32_t c = random.RandomInt(side / 8);
    const std::int32_t d = random.RandomInt(side / 8);
    return RoundToInt(static_cast<long double>(a + b + c - d) * static_cast<long double>(distortion));
}

} // namespace

void CircleField(Frame& frame)
{
    frame.BeginOperation();
    frame.BusyCursorOn();
    AppState& s = frame.state();
    for (int r = 1; r <= 512; ++r)
        for (int c = 1; c <= 512; ++c)
            s.HeightMap(r, c) = 0;

    const int levels = levelCount(s.MapRows);
    std::int64_t circles = 1;
    std::int32_t maxRadius = s.MapRows / 2;
    for (int level = 1; level <= levels; ++level) {
        for (std::int64_t n = 0; n < circles; ++n) {
            const std::int32_t x = centre(s.random, s.MapRows, s.params.Distortion);
            const std::int32_t y = centre(s.random, s.MapCols, s.params.Distortion);
            const std::int32_t r = s.random.RandomInt(maxRadius);
            AddCircle(frame, x, y, r);
        }
        circles *= 3;
        maxRadius = std::max(maxRadius / 2, 10);
    }
    frame.BusyCursorOff();
    frame.RefreshViews();
}

} // namespace tolvar
