#include "effect_test.h"

#include <gmock/gmock.h>

#include <algorithm>

using namespace tolvar;
using tolvar::testing::fillIrregular;
using ::testing::StrEq;
using ::testing::ThrowsMessage;

using HeightFilters = tolvar::testing::EffectTest;

// The snapshot's border lines are read as they stand. Top and bottom rows
// sum two rows of the map, side columns two columns, all else 3 x 3.
TEST_F(HeightFilters, SmoothMatchesAPlainModelAndFlatCornersBecomeFourSixths)
{
    fillIrregular(state().UndoMap, 2);
    Grid undo = state().UndoMap;
    for (int r = 1; r <= N; ++r)
        for (int c = 1; c <= N; ++c)
            undo(r, c) = map()(r, c);
    const Grid want = modelled(map(), 1, N, [&](int r, int c) {
        const bool edgeRow = r == 1 || r == N;
        const bool edgeCol = !edgeRow && (c == 1 || c == N);
        int sum = 0;
        for (int i = r - 1; i <= r + 1; ++i)
            for (int j = c - 1; j <= c + 1; ++j)
                if ((!edgeRow || (i >= 1 && i <= N)) && (!edgeCol || (j >= 1 && j <= N)))
                    sum += undo(i, j);
        return sum / (edgeRow || edgeCol ? 6 : 9);
    });
    click("Smooth1");
    EXPECT_EQ(differenceFrom(want), "");

    state().UndoMap = Grid{};
    const Grid flat = modelled(Grid{}, 1, N, [](int, int) { return 1000; });
    map() = flat;
    click("Smooth1");
    const auto corner = [](int i) { return i == 1 || i == N; };
    EXPECT_EQ(differenceFrom(modelled(flat, 1, N, [&](int r, int c) { return corner(r) && corner(c) ? 666 : 1000; })),
              "");
}

// The new value of each cell depends on the old map only: nothing cascades.
TEST_F(HeightFilters, WindLiftsTheUpperLeftNeighbourOfEachHigherCell)
{
    const Grid old = map();
    click("Wind1");
    EXPECT_EQ(differenceFrom(modelled(old, 1, N,
                                      [&](int r, int c) {
                                          const bool lifted = r < N && c < N && old(r + 1, c + 1) > old(r, c);
                                          return lifted ? old(r + 1, c + 1) + 1 : old(r, c);
                                      })),
              "");

    map() = Grid{};
    map()(5, 7) = 900;
    click("Wind1");
    EXPECT_EQ(differenceFrom(modelled(
                  Grid{}, 0, 7, [](int r, int c) { return r == 5 && c == 7   ? 900
                                                          : r == 4 && c == 6 ? 901
                                                                             : 0; })),
              "");
}

struct CellRule {
    const char* item;
    const char* steepness;
    const char* seaLevel;
    int first; // 0 where the top border row and left border column take part
    std::int64_t (*rule)(std::int64_t cell, std::int64_t highest, std::int64_t lowest);
};

const CellRule CellRules[] = {
    {"Invert1", "1", "0", 0, [](std::int64_t v, std::int64_t top, std::int64_t) { return top - v; }},
    {"Increase1", "3", "0", 1, [](std::int64_t v, std::int64_t, std::int64_t) { return v * 3; }},
    {"Increase1", "-70001", "0", 1, [](std::int64_t v, std::int64_t, std::int64_t) { return v * -70001; }},
    {"Reduce1", "7", "0", 1, [](std::int64_t v, std::int64_t, std::int64_t) { return v / 7; }},
    {"Reduce1", "1", "0", 1, [](std::int64_t v, std::int64_t, std::int64_t) { return v; }},
    {"Reduce1", "-1", "0", 1, [](std::int64_t v, std::int64_t, std::int64_t) { return 65536 - v; }},
    {"Flood1", "1", "20000", 0,
     [](std::int64_t v, std::int64_t, std::int64_t) { return std::max<std::int64_t>(v - 20000, 0); }},
    {"Flood1", "1", "-5", 0, [](std::int64_t v, std::int64_t, std::int64_t) { return v + 5; }},
    {"Lower1", "1", "0", 1, [](std::int64_t v, std::int64_t, std::int64_t low) { return v - low; }},
};

// Rules applied cell by cell; the highest cell is taken over rows and
// columns 0..N, the lowest over 1..N, both from the map before.
TEST_F(HeightFilters, CellRulesRewriteTheirWholeRange)
{
    for (Height& h : map().cells)
        h |= 0x0400; // the lowest cell is not 0, so Lower has work
    for (const CellRule& rule : CellRules) {
        const Grid old = map();
        std::int64_t highest = 0, lowest = 65535;
        for (int r = 0; r <= N; ++r)
            for (int c = 0; c <= N; ++c) {
                highest = std::max<std::int64_t>(highest, old(r, c));
                if (r > 0 && c > 0)
                    lowest = std::min<std::int64_t>(lowest, old(r, c));
            }
        ui.texts[Box::cboSteep] = rule.steepness;
        ui.texts[Box::ediSeaLevel] = rule.seaLevel;
        click(rule.item);
        EXPECT_EQ(differenceFrom(modelled(old, rule.first, N,
                                          [&](int r, int c) { return rule.rule(old(r, c), highest, lowest); })),
                  "")
            << rule.item << " " << rule.steepness << " " << rule.seaLevel;
        map() = old;
    }
}

TEST_F(HeightFilters, FiguresOfSingleCells)
{
    const struct {
        const char* item;
        const char* steepness;
        Height cell;
        Height want;
    } figures[] = {{"Increase1", "2", 40000, 14464}, {"Increase1", "1", 40000, 40000}, {"Reduce1", "-1", 3, 65533}};
    for (const auto& f : figures) {
        map()(9, 4) = f.cell;
        ui.texts[Box::cboSteep] = f.steepness;
        click(f.item);
        EXPECT_EQ(map()(9, 4), f.want) << f.item << " " << f.steepness;
    }
}

TEST_F(HeightFilters, InvertTwiceRestoresAMapWithZeroBorderLines)
{
    for (int i = 0; i <= N; ++i)
        map()(0, i) = map()(i, 0) = 0;
    const Grid old = map();
    click("Invert1");
    click("Invert1");
    EXPECT_EQ(differenceFrom(old), "");
}

// Two draws per cell, rows 0..N and columns 1..N; the first is the amount.
TEST_F(HeightFilters, AddNoiseRaisesByTheFirstOfTwoDrawsPerCell)
{
    ui.texts[Box::cboSteep] = "300";
    state().random.RandomSeed = 99;
    std::uint32_t seed = 99;
    const auto draw = [&seed](std::uint32_t n) {
        seed = seed * 134775813u + 1u;
        return (std::uint64_t{seed} * n) >> 32;
    };
    Grid want = map();
    for (int r = 0; r <= N; ++r)
        for (int c = 1; c <= N; ++c) {
            want.store(r, c, want(r, c) + draw(300));
            draw(1);
        }
    click("AddNoise1");
    EXPECT_EQ(differenceFrom(want), "");
    EXPECT_EQ(state().random.RandomSeed, seed);
}

// Checked before the first cell is written.
TEST_F(HeightFilters, RefusalsLeaveTheMapUnchanged)
{
    const struct {
        const char* item;
        Box box;
        const char* text;
        const char* message;
    } refusals[] = {
        {"Reduce1", Box::cboSteep, "0", "Division by zero"},
        {"Left1", Box::ediShift, "129", "Shift 129 is out of range: it must lie between 0 and 128"},
        {"Left1", Box::ediShift, "-1", "Shift -1 is out of range: it must lie between 0 and 128"},
        {"Dome1", Box::cboHeight, "19", "Invalid floating point operation"},
    };
    const Grid old = map();
    for (const auto& refusal : refusals) {
        ui.texts[refusal.box] = refusal.text;
        EXPECT_THAT([&] { click(refusal.item); }, ThrowsMessage<Error>(StrEq(refusal.message))) << refusal.item;
        EXPECT_EQ(differenceFrom(old), "") << refusal.item;
    }
}
