#include "core/error.h"
#include "core/map_commands.h"
#include "effects/effect_commands.h"
#include "frame_fixture.h"
#include "irregular_map.h"

#include <gmock/gmock.h>

#include <algorithm>
#include <cmath>
#include <functional>
#include <sstream>

using namespace tolvar;
using ::testing::StrEq;
using ::testing::ThrowsMessage;
using tolvar::testing::fillIrregular;
using V = std::int64_t;

namespace {

constexpr int N = 128;

// A 128 map of irregular heights whose size is taken; the snapshot's border
// lines are irregular too, since Smooth reads them.
class Effects : public tolvar::testing::FrameTest {
protected:
    Effects()
    {
        fillIrregular(map(), 1);
        fillIrregular(state().UndoMap, 2);
        frame.BeginOperation();
    }

    // Clicks the items of a space-separated list, one after the other.
    void click(const std::string& items)
    {
        std::istringstream names(items);
        for (std::string name; names >> name;) {
            const Command* found = nullptr;
            for (const CommandTable table : {EffectCommands(), CoreCommands()})
                for (const Command& command : table)
                    found = name == command.item ? &command : found;
            ASSERT_TRUE(found) << name;
            found->run(frame);
        }
    }

    // A copy of old whose cells in rows and columns first..N hold rule(r, c), low 16 bits.
    static Grid modelled(const Grid& old, int first, const std::function<V(int, int)>& rule)
    {
        Grid grid = old;
        for (int r = first; r <= N; ++r)
            for (int c = first; c <= N; ++c)
                grid.store(r, c, rule(r, c));
        return grid;
    }
};

// Each item, its history lines joined by "," and what it calls: B the
// prologue, R the views, H the hourglass around both.
const char* const Framings[][3] = {
    // clang-format off
    {"Smooth1", "Smz", "BR"}, {"Wind1", "", "BR"}, {"Invert1", "Inv", "BR"}, {"Increase1", "Inc", "BR"},
    {"Reduce1", "Rdc", "BR"}, {"Flood1", "Sea= 12,Fld", "BR"}, {"Lower1", "Low", "HBR"}, {"AddNoise1", "", "BR"},
    {"RightToLeft1", "FRL", "BR"}, {"LeftToRight1", "FLR", "BR"}, {"TopToBottom1", "FTB", "BR"},
    {"BottomToTop1", "FBT", "BR"}, {"RotLeft1", "RtL", "BR"}, {"RotRight1", "RtR", "BR"}, {"Left1", "", "B"},
    {"Right1", "", "B"}, {"Up1", "", "B"}, {"Down1", "", "B"}, {"Blend1", "", "BR"}, {"Dome1", "", "BR"},
    {"Wall1", "", "BR"}, {"Store1", "Cpy", ""}, {"Retrieve1", "Pst", "BR"}, {"Add1", "Add", "R"},
    {"Merge1", "Ave", "R"}, {"MaxBlend1", "Max", "R"}, {"BlendMin1", "Min", "R"}, {"Subtract1", "Sub", "R"},
    // clang-format on
};

struct Case {
    const char* items;
    const char* param; // typed into Steepness, Sea Level and Shift; each item reads its own
    int first;         // rows and columns first..N are modelled; 0 where the top and left border lines take part
    std::function<V(int r, int c)> rule;
    Height pin = 0, figure = 0; // cell (2, 3) set to pin becomes figure, worked out by hand
    const char* error = nullptr;
};

} // namespace

// With a bad box the lines are already written; Copy and Combine read no
// box, take no snapshot and leave Undo alone.
TEST_F(Effects, EachItemWritesItsLinesBeforeItsPrologue)
{
    logHistory();
    ui.texts[Box::ediSeaLevel] = " 12";
    for (const auto& [item, lines, framing] : Framings) {
        const std::string f = framing;
        std::vector<std::string> calls;
        for (const char* call : {"H busy on", "B new bitmap", "R refresh views", "H busy off"})
            if (f.find(call[0]) != std::string::npos)
                calls.push_back(call + 2);
        for (const char* real : {".1", "x"}) {
            ui.texts[Box::ediReal] = real;
            ui.history.clear();
            ui.calls.clear();
            ui.enabled = {};
            if (real[0] == 'x' && f.find('B') != std::string::npos) {
                EXPECT_THAT([&] { click(item); },
                            ThrowsMessage<Error>(StrEq("'x' is not a valid floating point value")));
            } else {
                click(item);
                EXPECT_EQ(ui.calls, calls) << item;
                EXPECT_EQ(ui.enabled["UndoZ1"], f.find('B') != std::string::npos) << item;
                EXPECT_EQ(ui.enabled["Combine1"], item == std::string("Store1")) << item;
            }
            std::string history;
            for (const std::string& line : ui.history)
                history += (history.empty() ? "" : ",") + line;
            EXPECT_EQ(history, lines) << item;
        }
    }
}

// Whole maps against plain models. The stored map holds 30000 at (2, 3);
// every in-use cell is at least 1024, the pin included, so Lower has work.
TEST_F(Effects, EachItemRewritesTheMapByItsRule)
{
    for (int r = 1; r <= N; ++r)
        for (int c = 1; c <= N; ++c)
            map()(r, c) |= 0x0400;
    fillIrregular(state().ClipMap, 3);
    state().ClipMap(2, 3) = 30000;
    const Grid start = map(), &stored = state().ClipMap, &undo = state().UndoMap;
    Grid old, noise; // noise: the first of two draws per cell from seed 99
    for (std::uint32_t seed = 99, r = 0; r <= N; ++r)
        for (int c = 1; c <= N; ++c, seed = seed * 134775813u + 1u) {
            seed = seed * 134775813u + 1u;
            noise(static_cast<int>(r), c) = static_cast<Height>((std::uint64_t{seed} * 300) >> 32);
        }
    V top = 0, low = 0; // over rows and columns 0..N and 1..N
    const auto v = [&](int r, int c) -> V { return old(r, c); };
    const auto inUse = [](int i) { return i >= 1 && i <= N; };
    const auto edge = [](int r, int c) -> V { return std::min({r, c, N - r, N - c}); };
    const int H = N / 2;
    const Case cases[] = {
        {"Smooth1", "0", 1,
         [&](int r, int c) {
             const bool edgeRow = r == 1 || r == N, edgeCol = !edgeRow && (c == 1 || c == N);
             V sum = 0;
             for (int i = r - 1; i <= r + 1; ++i)
                 for (int j = c - 1; j <= c + 1; ++j)
                     if ((!edgeRow || inUse(i)) && (!edgeCol || inUse(j)))
                         sum += inUse(i) && inUse(j) ? v(i, j) : undo(i, j);
             return sum / (edgeRow || edgeCol ? 6 : 9);
         }},
        {"AddNoise1", "300", 0, [&](int r, int c) { return v(r, c) + noise(r, c); }},
        {"Wind1", "0", 1,
         [&](int r, int c) { return r < N && c < N && v(r + 1, c + 1) > v(r, c) ? v(r + 1, c + 1) + 1 : v(r, c); }},
        {"Invert1", "0", 0, [&](int r, int c) { return top - v(r, c); }, 65535, 0},
        {"Increase1", "2", 1, [&](int r, int c) { return 2 * v(r, c); }, 40000, 14464},
        {"Increase1", "-70001", 1, [&](int r, int c) { return -70001 * v(r, c); }, 1, 61071},
        {"Reduce1", "7", 1, [&](int r, int c) { return v(r, c) / 7; }, 40000, 5714},
        {"Reduce1", "1", 1, v, 40000, 40000},
        {"Reduce1", "-1", 1, [&](int r, int c) { return -v(r, c); }, 3, 65533},
        {"Reduce1", "0", 1, v, 0, 0, "Division by zero"},
        {"Flood1", "20000", 0, [&](int r, int c) { return std::max<V>(v(r, c) - 20000, 0); }, 40000, 20000},
        {"Flood1", "-5", 0, [&](int r, int c) { return v(r, c) + 5; }, 65533, 2},
        {"Lower1", "0", 1, [&](int r, int c) { return v(r, c) - low; }, 1024, 0},
        {"RightToLeft1", "0", 1, [&](int r, int c) { return c <= H ? v(r, N - c) : v(r, c); }},
        {"LeftToRight1", "0", 1, [&](int r, int c) { return c >= H && c < N ? v(r, N - c) : v(r, c); }},
        {"TopToBottom1", "0", 1, [&](int r, int c) { return r <= H ? v(N - r, c) : v(r, c); }},
        {"BottomToTop1", "0", 1, [&](int r, int c) { return r >= H && r < N ? v(N - r, c) : v(r, c); }},
        {"RotLeft1", "0", 1, [&](int r, int c) { return v(N + 1 - c, r); }},
        {"RotLeft1 RotRight1", "0", 1, v},
        {"RotLeft1 RotLeft1", "0", 1, [&](int r, int c) { return v(N + 1 - r, N + 1 - c); }},
        {"Left1", "3", 0, [&](int r, int c) { return c <= N - 3 ? v(r, c + 3) : v(r, c); }},
        {"Left1", "128", 0, [&](int r, int c) { return c == 0 ? v(r, N) : v(r, c); }},
        {"Left1", "0", 0, v},
        {"Left1", "129", 0, v, 0, 0, "Shift 129 is out of range: it must lie between 0 and 128"},
        {"Left1", "-1", 0, v, 0, 0, "Shift -1 is out of range: it must lie between 0 and 128"},
        {"Right1 Up1 Down1", "3", 0, v},
        {"Blend1", "3", 0, [&](int r, int c) { return std::min(v(r, c), 30 * edge(r, c)); }, 40000, 60},
        {"Blend1", "0", 0, [](int, int) { return 0; }, 40000, 0},
        {"Blend1", "-1", 0, [&](int r, int c) { return edge(r, c) ? 65536 - 10 * edge(r, c) : 0; }, 40000, 65516},
        {"Wall1", "0", 1,
         [&](int r, int c) {
             return (r == 1 || r == N - 1 || c == 1 || c == N - 1) && r < N && c < N ? 4000 : v(r, c);
         }},
        {"Add1", "0", 1, [&](int r, int c) { return v(r, c) + stored(r, c); }, 40000, 4464},
        {"Merge1", "0", 1, [&](int r, int c) { return (v(r, c) + stored(r, c)) / 2; }, 40000, 35000},
        {"MaxBlend1", "0", 1, [&](int r, int c) { return std::max<V>(v(r, c), stored(r, c)); }, 40000, 40000},
        {"BlendMin1", "0", 1, [&](int r, int c) { return std::min<V>(v(r, c), stored(r, c)); }, 40000, 30000},
        {"Subtract1", "0", 1, [&](int r, int c) { return std::max<V>(v(r, c) - stored(r, c), 0); }, 20000, 0},
        {"Store1 Smooth1 Add1 UndoZ1", "0", 1, v},
        {"Store1 Invert1 Retrieve1", "0", 0, [&](int r, int c) { return r && c ? v(r, c) : top - v(r, c); }},
        {"Store1 Invert1 Retrieve1 UndoZ1", "0", 0, [&](int r, int c) { return top - v(r, c); }},
    };
    for (const Case& k : cases) {
        map() = start;
        if (k.pin)
            map()(2, 3) = k.pin;
        old = map();
        top = 0;
        low = 65535;
        for (int r = 0; r <= N; ++r)
            for (int c = 0; c <= N; ++c) {
                top = std::max<V>(top, old(r, c));
                low = r && c ? std::min<V>(low, old(r, c)) : low;
            }
        for (Box box : {Box::cboSteep, Box::ediSeaLevel, Box::ediShift})
            ui.texts[box] = k.param;
        state().random.RandomSeed = 99;
        if (k.error) {
            EXPECT_THAT([&] { click(k.items); }, ThrowsMessage<Error>(StrEq(k.error))) << k.items;
        } else {
            click(k.items);
        }
        EXPECT_TRUE(map() == modelled(old, k.first, k.rule)) << k.items << " " << k.param;
        if (k.pin) {
            EXPECT_EQ(map()(2, 3), k.figure) << k.items << " " << k.param;
        }
    }
}

// Flat maps with zero border lines, and an irregular one that Invert twice
// restores. Smooth's corners read two border cells;
// Dome gives 1000 x cos((d / 64 + 1) x pi / 4) x Steepness, rounded, over
// rows and columns 0..N + 1, and 0 at distance 64 or more.
TEST_F(Effects, WorkedFiguresOnFlatMaps)
{
    state().UndoMap = Grid{};
    const Grid flat = modelled(Grid{}, 1, [](int, int) { return 1000; });
    const auto corner = [](int i) { return i == 1 || i == N; };
    map() = flat;
    click("Smooth1");
    EXPECT_TRUE(map() == modelled(flat, 1, [&](int r, int c) { return corner(r) && corner(c) ? 666 : 1000; }));

    map() = Grid{};
    map()(5, 7) = 900;
    click("Wind1");
    EXPECT_TRUE(map() == modelled(Grid{}, 0, [](int r, int c) {
                    return r == 5 && c == 7 ? 900 : r == 4 && c == 6 ? 901 : 0;
                }));

    fillIrregular(map(), 4);
    for (int i = 0; i <= N; ++i)
        map()(0, i) = map()(i, 0) = 0;
    const Grid zeroBorder = map();
    click("Invert1 Invert1");
    EXPECT_TRUE(map() == zeroBorder);

    for (const auto& [steepness, r, c, want] : {std::tuple{"-1", 0, 0, 320},
                                                {"2", 64, 64, 1414},
                                                {"100", 64, 64, 5175},
                                                {"1", 64, 96, 383},
                                                {"1", 88, 96, 290},
                                                {"1", 64, 64, 707}}) {
        map().cells.fill(1000);
        ui.texts[Box::cboSteep] = steepness;
        click("Dome1");
        EXPECT_EQ(map()(r, c), want) << steepness << " " << r << "," << c;
    }
    int wrong = 0;
    for (int r = 0; r <= N + 2; ++r)
        for (int c = 0; c <= N + 2; ++c)
            wrong += std::max(r, c) == N + 2 ? map()(r, c) != 1000 : std::hypot(r - 64, c - 64) >= 64 && map()(r, c);
    EXPECT_EQ(wrong, 0);

    ui.texts[Box::cboHeight] = "19";
    const Grid old = map();
    EXPECT_THAT([&] { click("Dome1"); }, ThrowsMessage<Error>(StrEq("Invalid floating point operation")));
    EXPECT_TRUE(map() == old);
}
