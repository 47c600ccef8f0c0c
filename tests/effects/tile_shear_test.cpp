#include "frame_fixture.h"
#include "irregular_map.h"

#include "effects/effect_commands.h"

#include <algorithm>
#include <array>
#include <vector>

using namespace tolvar;
using namespace tolvar::testing;

namespace {

class NewEffects : public FrameTest {
protected:
    NewEffects() { logHistory(); }

    void click(std::string_view item)
    {
        const auto table = EffectCommands();
        const auto command = std::find_if(table.begin(), table.end(), [&](auto& c) { return c.item == item; });
        ASSERT_NE(command, table.end()) << item;
        command->run(frame);
    }

    // Rows 1..n of the map in use, top row of the list first.
    template <std::size_t N> void setRows(const std::array<std::array<Height, N>, N>& rows)
    {
        ui.texts[Box::cboHeight] = std::to_string(N * 10);
        for (std::size_t r = 0; r < N; ++r)
            for (std::size_t c = 0; c < N; ++c)
                map()(static_cast<int>(r + 1), static_cast<int>(c + 1)) = rows[r][c];
    }
    template <std::size_t N> void expectRows(const std::array<std::array<Height, N>, N>& rows)
    {
        for (std::size_t r = 0; r < N; ++r)
            for (std::size_t c = 0; c < N; ++c)
                EXPECT_EQ(map()(static_cast<int>(r + 1), static_cast<int>(c + 1)), rows[r][c])
                    << "row " << r + 1 << " column " << c + 1;
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
    struct Case {
        const char* item;
        const char* line;
        Rows4 rows;
    };
    const Rows4 quarter{{{53, 10, 10, 53}, {10, 16, 16, 10}, {10, 16, 16, 10}, {53, 10, 10, 53}}};
    for (const auto& [item, line, rows] :
         {Case{"LeftToRight2", "TLR", {{{14, 16, 16, 14}, {6, 16, 16, 6}, {76, 8, 8, 76}, {30, 11, 11, 30}}}},
          Case{"RightToLeft2", "TRL", {{{16, 14, 14, 16}, {16, 6, 6, 16}, {8, 76, 76, 8}, {11, 30, 30, 11}}}},
          Case{"TopToBottom2", "TTB", {{{80, 26, 12, 6}, {10, 11, 19, 14}, {10, 11, 19, 14}, {80, 26, 12, 6}}}},
          Case{"BottomToTop2", "TBT", {{{10, 11, 19, 14}, {80, 26, 12, 6}, {80, 26, 12, 6}, {10, 11, 19, 14}}}},
          Case{"N1", "TBW", quarter}, Case{"Rotate2", "TRo", quarter}}) {
        SCOPED_TRACE(item);
        setRows(start);
        ui.history.clear();
        ui.calls.clear();
        click(item);
        expectRows(rows);
        EXPECT_EQ(ui.history, std::vector<std::string>{line});
        EXPECT_EQ(ui.calls.front(), "busy on");
        EXPECT_EQ(ui.calls.back(), "busy off");
    }
}

// On an irregular 128 map each result is its own mirror or quarter turn,
// and the border lines are left alone.
TEST_F(NewEffects, TilesAreTheirOwnMirrorsAndTurns)
{
    constexpr int n = 128;
    const auto mirrorsColumns = [](const Grid& m, int r, int c) { return m(r, c) == m(r, n + 1 - c); };
    const auto mirrorsRows = [](const Grid& m, int r, int c) { return m(r, c) == m(n + 1 - r, c); };
    const auto turns = [](const Grid& m, int r, int c) { return m(r, c) == m(c, n + 1 - r); };
    const auto both = [](const Grid& m, int r, int c) {
        return m(r, c) == m(r, n + 1 - c) && m(r, c) == m(n + 1 - r, c);
    };
    struct Case {
        const char* item;
        bool (*holds)(const Grid&, int, int);
    };
    ui.texts[Box::cboHeight] = "1280";
    for (const auto& [item, holds] : {Case{"LeftToRight2", mirrorsColumns}, Case{"RightToLeft2", mirrorsColumns},
                                      Case{"TopToBottom2", mirrorsRows}, Case{"BottomToTop2", mirrorsRows},
                                      Case{"N1", both}, Case{"Rotate2", turns}}) {
        SCOPED_TRACE(item);
        fillIrregular(map(), 5);
        const Grid before = map();
        click(item);
        int failures = 0;
        for (int r = 1; r <= n; ++r)
            for (int c = 1; c <= n; ++c)
                failures += !holds(map(), r, c);
        EXPECT_EQ(failures, 0);
        for (int k = 0; k <= n + 1; k += n + 1)
            for (int i = 0; i <= n + 1; ++i)
                EXPECT_TRUE(map()(k, i) == before(k, i) && map()(i, k) == before(i, k));
        EXPECT_NE(map(), before);
    }
}

// Worked out from the fault the seed draws: seed 5 lies the line along the
// rows and slides the cells left of it 3 rows on; seed 17 lies it along
// the columns and slides the cells below it 2 columns back. Sources beyond
// row 1 or column 8 read row 1 or column 8.
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
    struct Case {
        std::uint32_t seed;
        const char* steepness;
        Rows8 rows;
    };
    for (const auto& [seed, steepness, rows] : {Case{5,
                                                     "3",
                                                     {{{37, 5, 912, 44, 3, 18, 250, 61},
                                                       {37, 5, 912, 44, 566, 12, 95, 140},
                                                       {37, 5, 912, 44, 3, 16, 384, 9},
                                                       {37, 5, 912, 44, 7000, 58, 11, 90},
                                                       {7, 700, 81, 29, 566, 12, 600, 39},
                                                       {33, 48, 2, 905, 71, 16, 6, 481},
                                                       {412, 66, 19, 23, 7000, 77, 35, 1000},
                                                       {15, 1, 808, 73, 26, 45, 600, 17}}}},
                                                Case{17,
                                                     "-2",
                                                     {{{912, 44, 3, 18, 250, 61, 61, 61},
                                                       {7, 29, 566, 12, 95, 12, 140, 140},
                                                       {33, 48, 2, 16, 384, 16, 9, 9},
                                                       {412, 66, 19, 58, 7000, 58, 11, 90},
                                                       {15, 1, 808, 73, 26, 45, 600, 39},
                                                       {92, 314, 27, 8, 55, 170, 6, 481},
                                                       {64, 13, 222, 90, 4, 77, 35, 1000},
                                                       {21, 560, 49, 3, 118, 43, 87, 17}}}}}) {
        SCOPED_TRACE(seed);
        setRows(start);
        ui.texts[Box::cboSteep] = steepness;
        state().random.RandomSeed = seed;
        click("EarthQuake2");
        expectRows(rows);
        EXPECT_TRUE(ui.history.empty());
    }
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
        int moved = 0;
        for (int r = 1; r <= 128; ++r)
            for (int c = 1; c <= 128; ++c)
                if (map()(r, c) != start(r, c)) {
                    ++moved;
                    EXPECT_NE(raised(r, c), start(r, c)) << r << "," << c;
                }
        EXPECT_GT(moved, 100) << seed;
    }
}
