#include "effect_test.h"

#include <algorithm>
#include <cmath>

using namespace tolvar;

namespace {

using Reshape = tolvar::testing::EffectTest;

constexpr int Half = 64;

} // namespace

// Mirror pairs are c and N - c: column Half maps onto itself and column N
// (or row N) is neither read nor written.
TEST_F(Reshape, ReflectionsCopyOneHalfOntoTheOther)
{
    const Grid old = map();
    const struct {
        const char* item;
        bool rows;   // rows are mirrored, not columns
        bool toHigh; // the half beyond the axis is overwritten
    } reflections[] = {{"RightToLeft1", false, false},
                       {"LeftToRight1", false, true},
                       {"TopToBottom1", true, false},
                       {"BottomToTop1", true, true}};
    for (const auto& f : reflections) {
        map() = old;
        click(f.item);
        EXPECT_EQ(differenceFrom(modelled(old, 1, N,
                                          [&](int r, int c) {
                                              const int i = f.rows ? r : c;
                                              const bool target = f.toHigh ? i >= Half && i < N : i <= Half;
                                              return !target ? old(r, c) : f.rows ? old(N - r, c) : old(r, N - c);
                                          })),
                  "")
            << f.item;
    }
}

TEST_F(Reshape, RotationsTurnByAQuarterAndUndoEachOther)
{
    const Grid old = map();
    click("RotLeft1");
    EXPECT_EQ(differenceFrom(modelled(old, 1, N, [&](int r, int c) { return old(N + 1 - c, r); })), "");
    click("RotRight1");
    EXPECT_EQ(differenceFrom(old), "");
    const Grid halfTurn = modelled(old, 1, N, [&](int r, int c) { return old(N + 1 - r, N + 1 - c); });
    for (const char* item : {"RotRight1", "RotLeft1"}) {
        map() = old;
        click(item);
        click(item);
        EXPECT_EQ(differenceFrom(halfTurn), "") << item;
    }
}

// Shift Left moves rows 0..N; Right, Up and Down only take the snapshot.
TEST_F(Reshape, ShiftLeftMovesTheMapTowardColumnOne)
{
    const Grid old = map();
    const struct {
        const char* item;
        int shift;
        bool moves;
    } shifts[] = {{"Left1", 3, true},   {"Left1", 0, true}, {"Left1", N, true},
                  {"Right1", 3, false}, {"Up1", 3, false},  {"Down1", 3, false}};
    for (const auto& s : shifts) {
        map() = old;
        ui.texts[Box::ediShift] = std::to_string(s.shift);
        click(s.item);
        EXPECT_EQ(differenceFrom(modelled(
                      old, 0, N,
                      [&](int r, int c) { return s.moves && c <= N - s.shift ? old(r, c + s.shift) : old(r, c); })),
                  "")
            << s.item << " " << s.shift;
    }
}

// The cap is 10 x Steepness per cell of distance from the nearest of row 0,
// column 0, row N and column N; rows and columns 0..N take part.
TEST_F(Reshape, BevelCapsByDistanceFromTheEdges)
{
    const Grid old = map();
    const auto edge = [](int r, int c) { return std::min({r, c, N - r, N - c}); };
    const struct {
        const char* steepness;
        std::function<std::int64_t(int, int)> rule;
    } bevels[] = {
        {"3", [&](int r, int c) { return std::min<std::int64_t>(old(r, c), 30 * edge(r, c)); }},
        {"0", [](int, int) { return 0; }},
        {"-1", [&](int r, int c) { return edge(r, c) == 0 ? 0 : 65536 - 10 * edge(r, c); }},
    };
    for (const auto& bevel : bevels) {
        map() = old;
        ui.texts[Box::cboSteep] = bevel.steepness;
        click("Blend1");
        EXPECT_EQ(differenceFrom(modelled(old, 0, N, bevel.rule)), "") << bevel.steepness;
    }
}

// 1000 x cos((d / 64 + 1) x pi / 4) x Steepness, worked out by hand, with
// rows and columns 0..N + 1 and nothing beyond.
TEST_F(Reshape, DomeScalesByACosineMaskAndRounds)
{
    const struct {
        const char* steepness;
        int r, c;
        Height want;
    } figures[] = {{"1", 64, 64, 707},  {"1", 64, 96, 383},    {"1", 88, 96, 290},
                   {"2", 64, 64, 1414}, {"100", 64, 64, 5175}, {"-1", 0, 0, 320}};
    for (const auto& f : figures) {
        map().cells.fill(1000);
        ui.texts[Box::cboSteep] = f.steepness;
        click("Dome1");
        EXPECT_EQ(map()(f.r, f.c), f.want) << f.steepness << " " << f.r << "," << f.c;
        EXPECT_EQ(map()(N + 2, 64), 1000);
    }
    ui.texts[Box::cboSteep] = "1";
    map().cells.fill(1000);
    click("Dome1");
    int left = 0; // cells at distance R or more that are not 0
    for (int r = 0; r <= N + 1; ++r)
        for (int c = 0; c <= N + 1; ++c)
            left += std::hypot(r - Half, c - Half) >= Half && map()(r, c) != 0;
    EXPECT_EQ(left, 0);
}

TEST_F(Reshape, WallStandsOneCellInsideTheFarEdges)
{
    const Grid old = map();
    click("Wall1");
    EXPECT_EQ(differenceFrom(modelled(old, 1, N,
                                      [&](int r, int c) {
                                          const bool onWall = r == 1 || r == N - 1 || c == 1 || c == N - 1;
                                          return onWall && r < N && c < N ? 4000 : old(r, c);
                                      })),
              "");
}
