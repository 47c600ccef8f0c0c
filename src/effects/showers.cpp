#include "effects/showers.h"

#include "core/frame.h"
#include "effects/contour_fill.h"
#include "effects/crater.h"
#include "effects/int32_wrap.h"

namespace tolvar {
namespace {

enum class Impact { Crater, LevelledCrater, RidgedCrater, Plateau };

// A coordinate 15 cells or more inside a side of this length. On sides of 30
// or fewer the bound is 0 or negative, so the draw is 0 or anywhere in the
// 32-bit range, and the sum wraps.
std::int32_t innerCoordinate(Random& random, std::int32_t side)
{
    return wrappingAdd(random.RandomInt(side - 30), 15);
}

void strikeShower(Frame& frame, Impact impact)
{
    frame.BeginOperation();
    frame.BusyCursorOn();
    AppState& s = frame.state();
    Random& random = s.random;
    const std::int32_t count = random.RandomInt(6) + 5;
    for (std::int32_t n = 0; n < count; ++n) {
        const std::int32_t row = innerCoordinate(random, s.MapRows);
        const std::int32_t col = innerCoordinate(random, s.MapCols);
        const bool small = impact == Impact::Crater || impact == Impact::Plateau;
        const std::int32_t r = random.RandomInt(15) + (small ? 0 : 5);
        if (impact != Impact::Crater)
            ContourFill(frame, row, col, r, LevelToMean);
        if (impact != Impact::Plateau)
            Crater(frame, row, col, r);
        if (impact == Impact::RidgedCrater)
            CraterRidge(frame, row, col, r);
    }
    frame.RefreshViews();
    frame.BusyCursorOff();
}

} // namespace

void Meteor1Click(Frame& frame) { strikeShower(frame, Impact::Crater); }

void LevelMeteor1Click(Frame& frame) { strikeShower(frame, Impact::LevelledCrater); }

void MeteorExplosive1Click(Frame& frame) { strikeShower(frame, Impact::RidgedCrater); }

void Plateaus1Click(Frame& frame) { strikeShower(frame, Impact::Plateau); }

void Angled1Click(Frame& frame)
{
    frame.BeginOperation();
    AppState& s = frame.state();
    Random& random = s.random;
    std::int32_t row = random.RandomInt(s.MapRows);
    std::int32_t col = random.RandomInt(s.MapCols);
    const std::int32_t rowHeading = random.RandomInt(10) - 5;
    const std::int32_t colHeading = random.RandomInt(10) - 5;
    for (std::int32_t r = 1; r <= 15; ++r) {
        ContourFill(frame, row, col, r, LevelToMean);
        Crater(frame, row, col, r);
        row += rowHeading + random.RandomInt(3);
        col += colHeading + random.RandomInt(3);
    }
    frame.RefreshViews();
}

} // namespace tolvar
