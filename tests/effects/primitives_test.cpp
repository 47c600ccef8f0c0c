#include "effect_model.h"
#include "frame_fixture.h"
#include "irregular_map.h"

#include "effects/contour_fill.h"
#include "effects/crater.h"

#include <array>
#include <climits>
#include <cstdlib>

using namespace tolvar;
using namespace tolvar::testing;

namespace {

class Primitives : public FrameTest {
protected:
    Primitives()
    {
        logHistory();
        frame.BeginOperation();
    }
    void setSteepness(std::int32_t steepness)
    {
        ui.texts[Box::cboSteep] = std::to_string(steepness);
        frame.BeginOperation();
    }
};

} // namespace

// Offsets within one step of the centre, the rest of the 5 x 5 block but its
// corners, and its corners each get one depth; the rim at distance 3 stays.
TEST_F(Primitives, ARadiusThreeCraterDigsTheWorkedDepths)
{
    struct Case {
        std::int32_t steepness;
        Height ground, inner, middle, corner;
    };
    for (const Case& c : {Case{1, 100, 80, 85, 90}, Case{-1, 100, 120, 115, 110}, Case{0, 100, 100, 100, 100},
                          Case{1, 12, 0, 0, 2}, Case{-1, 65530, 14, 9, 4}}) {
        setSteepness(c.steepness);
        map().cells.fill(c.ground);
        Grid expected = map();
        for (int dr = -2; dr <= 2; ++dr)
            for (int dc = -2; dc <= 2; ++dc)
                expected(40 + dr, 50 + dc) = std::max(std::abs(dr), std::abs(dc)) < 2 ? c.inner
                                             : std::abs(dr) == std::abs(dc)           ? c.corner
                                                                                      : c.middle;
        Crater(frame, 40, 50, 3);
        EXPECT_EQ(map(), expected) << c.steepness << " on " << c.ground;
    }
    EXPECT_EQ(ui.history, std::vector<std::string>(5, "Mtr=40,50,3"));
}

TEST_F(Primitives, ContourFillOfRadiusOneLevelsThreeCellsToTheMeanOfFive)
{
    for (const int mode : {1, 3}) {
        fillIrregular(map(), 4);
        map()(60, 70) = 90;
        map()(59, 70) = map()(60, 69) = map()(60, 71) = 100;
        map()(61, 70) = 110;
        Grid expected = map();
        expected(60, 70) = expected(60, 71) = expected(61, 70) = mode == 3 ? 0 : 100;
        ContourFill(frame, 60, 70, 1, mode);
        EXPECT_EQ(map(), expected) << mode;
    }
    EXPECT_EQ(ui.history, (std::vector<std::string>{"CFl=60,70,1,1", "CFl=60,70,1,3"}));
}

// Discs on the edges, off the map and far larger than it, on irregular ground.
TEST_F(Primitives, CratersAndFillsMatchThePlainModelWhereverTheDiscLies)
{
    setSteepness(-3);
    EffectModel model(128, -3);
    for (const auto& [row, col, r] : std::vector<std::array<std::int32_t, 3>>{{1, 60, 5},
                                                                              {128, 20, 6},
                                                                              {-1, 130, 4},
                                                                              {64, 64, 300},
                                                                              {0, 0, 2000000000},
                                                                              {40, 50, 0},
                                                                              {40, 50, -3},
                                                                              {-2000000000, 5, INT_MAX},
                                                                              {INT_MAX, INT_MAX, INT_MAX},
                                                                              {INT_MIN, 3, INT_MIN}})
        for (const int mode : {1, 3}) {
            fillIrregular(model.map, static_cast<std::uint32_t>(row) + static_cast<std::uint32_t>(mode));
            map() = model.map;
            ContourFill(frame, row, col, r, mode);
            model.fill(row, col, r, mode);
            Crater(frame, row, col, r);
            model.crater(row, col, r);
            EXPECT_EQ(map(), model.map) << row << "," << col << "," << r << " mode " << mode;
        }
    EXPECT_EQ(ui.history, model.lines);
}
