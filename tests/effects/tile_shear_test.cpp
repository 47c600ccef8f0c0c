#include "effect_test.h"
#include "irregular_map.h"

#include <array>
#include <tuple>
#include <vector>

using namespace tolvar;
using namespace tolvar::testing;

namespace {

class NewEffects : public EffectTest {
protected:
    // The map of size n whose rows 1..n are the given ones, top row of the
    // list first; 0 elsewhere.
    template <std::size_t N> static Grid gridOf(const std::array<std::array<Height, N>, N>& rows)
    {
        Grid grid;
        for (std::size_t r = 0; r < N; ++r)
            std::copy(rows[r].begin(), rows[r].end(), grid.row(static_cast<int>(r + 1)) + 1);
        return grid;
    }
    template <std::size_t N> void setRows(const std::array<std::array<Height, N>, N>& rows)
    {
        ui.texts[Box::cboHeight] = std::to_string(N * 10);
        map() = gridOf(rows);
    }
};

using Rows4 = std::array<std::array<Height, 4>, 4>;
using Rows8 = std::array<std::array<Height, 8>, 8>;

} // namespace

// Worked by hand: pairs of 29, 13, 151, 61, 33 and 13 show halves going to
// the even neighbour both ways, and 2 x 2 sums of 42 and 38 as well.
TEST_F(NewEffects, TileShrinksAndPlacesAsWorkedByHand)
{
    const Rows4 start{{{16, 13, 7, 26}, {4, 9, 31, 2}, {100, 51, 8, 8}, {61, 0, 17, 5}}};
    const Rows4 quarter{{{53, 10, 10, 53}, {10, 16, 16, 10}, {10, 16, 16, 10}, {53, 10, 10, 53}}};
    const std::tuple<const char*, const char*, Rows4> cases[] = {
        {"LeftToRight2", "TLR", {{{14, 16, 16, 14}, {6, 16, 16, 6}, {76, 8, 8, 76}, {30, 11, 11, 30}}}},
        {"RightToLeft2", "TRL", {{{16, 14, 14, 16}, {16, 6, 6, 16}, {8, 76, 76, 8}, {11, 30, 30, 11}}}},
        {"TopToBottom2", "TTB", {{{80, 26, 12, 6}, {10, 11, 19, 14}, {10, 11, 19, 14}, {80, 26, 12, 6}}}},
        {"BottomToTop2", "TBT", {{{10, 11, 19, 14}, {80, 26, 12, 6}, {80, 26, 12, 6}, {10, 11, 19, 14}}}},
        {"N1", "TBW", quarter},
        {"Rotate2", "TRo", quarter}};
    for (const auto& [item, line, rows] : cases) {
        SCOPED_TRACE(item);
        setRows(start);
        ui.history.clear();
        ui.calls.clear();
        click(item);
        EXPECT_EQ(map(), gridOf(rows));
        EXPECT_EQ(ui.history, std::vector<std::string>{line});
        EXPECT_EQ(ui.calls.front(), "busy on");
        EXPECT_EQ(ui.calls.back(), "busy off");
    }
}

// On an irregular 128 map each result is its own mirror or quarter turn
// (Both Ways twice over).
TEST_F(NewEffects, TilesAreTheirOwnMirrorsAndTurns)
{
    using Image = std::pair<int, int> (*)(int, int);
    const Image columns = [](int r, int c) { return std::pair{r, 129 - c}; };
    const Image rows = [](int r, int c) { return std::pair{129 - r, c}; };
    const Image turn = [](int r, int c) { return std::pair{c, 129 - r}; };
    ui.texts[Box::cboHeight] = "1280";
    const std::pair<const char*, Image> cases[] = {{"LeftToRight2", columns},
                                                   {"RightToLeft2", columns},
                                                   {"TopToBottom2", rows},
                                                   {"BottomToTop2", rows},
                                                   {"N1", rows},
                                                   {"N1", columns},
                                                   {"Rotate2", turn}};
    for (const auto& [item, image] : cases) {
        fillIrregular(map(), 5);
        click(item);
        Grid imaged = map();
        for (int r = 1; r <= 128; ++r)
            for (int c = 1; c <= 128; ++c)
                imaged(r, c) = map()(image(r, c).first, image(r, c).second);
        EXPECT_EQ(imaged, map()) << item;
    }
}

// Worked out from the fault seed 17 draws: the line runs along the columns
// (at rows 2, 3, 3, 5, 4, 2, 4, 3 in columns 1..8) and each cell above it
// takes the old height Steepness columns back; sources off the map read its
// edge column. Distinct heights shift, none is smeared along the row.
TEST_F(NewEffects, ShearSlidesOneSideAlongTheFaultAsWorkedByHand)
{
    const Rows8 start{{{37, 5, 912, 44, 3, 18, 250, 61},
                       {7, 700, 81, 29, 566, 12, 95, 140},
                       {33, 48, 2, 905, 71, 16, 384, 9},
                       {412, 66, 19, 23, 7000, 58, 11, 90},
                       {15, 1, 808, 73, 26, 45, 600, 39},
                       {92, 314, 27, 8, 55, 170, 6, 481},
                       {64, 13, 222, 90, 4, 77, 35, 1000},
                       {21, 560, 49, 3, 118, 43, 87, 17}}};
    const auto sheared = [&](Rows8 top) {
        std::copy(start.begin() + 4, start.end(), top.begin() + 4);
        return gridOf(top);
    };
    const std::pair<const char*, Grid> cases[] = {
        {"-2", sheared({{{912, 44, 3, 18, 250, 61, 61, 61},
                         {7, 29, 566, 12, 95, 12, 140, 140},
                         {33, 48, 2, 16, 384, 16, 9, 9},
                         {412, 66, 19, 58, 7000, 58, 11, 90}}})},
        {"2", sheared({{{37, 37, 37, 5, 912, 44, 3, 18},
                        {7, 7, 7, 700, 81, 12, 566, 12},
                        {33, 48, 2, 48, 2, 16, 71, 9},
                        {412, 66, 19, 66, 7000, 58, 11, 90}}})},
    };
    for (const auto& [steepness, expected] : cases) {
        setRows(start);
        ui.texts[Box::cboSteep] = steepness;
        state().random.RandomSeed = 17;
        click("EarthQuake2");
        EXPECT_EQ(map(), expected) << steepness;
    }
    EXPECT_TRUE(ui.history.empty());
}

// Both quakes make the same draws: the seeds end alike, and the cells the
// shear moves lie where the height quake raises.
TEST_F(NewEffects, ShearDrawsTheFaultOfTheHeightQuake)
{
    ui.texts[Box::cboHeight] = "1280";
    ui.texts[Box::cboSteep] = "1";
    for (const std::uint32_t seed : {1u, 4u, 400u, 2000u, 77u}) {
        fillIrregular(map(), seed);
        const Grid start = map();
        state().random.RandomSeed = seed;
        click("Earthquake1");
        const Grid raised = map();
        const std::uint32_t after = state().random.RandomSeed;
        map() = start;
        state().random.RandomSeed = seed;
        click("EarthQuake2");
        EXPECT_EQ(state().random.RandomSeed, after);
        int strays = 0;
        for (int r = 1; r <= 128; ++r)
            for (int c = 1; c <= 128; ++c)
                strays += map()(r, c) != start(r, c) && raised(r, c) == start(r, c);
        EXPECT_EQ(strays, 0) << seed;
        EXPECT_NE(map(), start);
    }
}
