#include "effects/river_walk.h"

#include "core/frame.h"
#include "effects/contour_fill.h"
#include "effects/crater.h"

#include <optional>

namespace tolvar {
namespace {

// A coordinate near the middle of a side: the sum of two draws below half of it.
std::int32_t startAcross(Random& random, std::int32_t side)
{
    const std::int32_t a = random.RandomInt(side / 2);
    const std::int32_t b = random.RandomInt(side / 2);
    return a + b;
}

// fillMode: the ContourFill each impact makes before its crater, if any.
void walk(Frame& frame, std::optional<std::int32_t> fillMode)
{
    frame.BeginOperation();
    AppState& s = frame.state();
    Random& random = s.random;
    const bool down = random.RandomInt(2) == 0;
    const std::int32_t w = (random.RandomInt(8) + 8) / 2;
    // The leading coordinate runs from the border line to the far side; the
    // other one drifts by the same average step.
    std::int32_t lead = 0;
    std::int32_t drift = startAcross(random, down ? s.MapCols : s.MapRows);
    const std::int32_t end = down ? s.MapRows : s.MapCols;
    const auto impact = [&] {
        const std::int32_t row = down ? lead : drift;
        const std::int32_t col = down ? drift : lead;
        if (fillMode)
            ContourFill(frame, row, col, w, *fillMode);
        Crater(frame, row, col, w);
    };
    do {
        impact();
        lead += random.RandomInt(w);
        drift += random.RandomInt(w);
    } while (lead < end);
    impact();
    frame.RefreshViews();
}

} // namespace

void Canyon1Click(Frame& frame) { walk(frame, CutToZero); }

void River1Click(Frame& frame) { walk(frame, std::nullopt); }

void RiverLevel1Click(Frame& frame) { walk(frame, LevelToMean); }

} // namespace tolvar
