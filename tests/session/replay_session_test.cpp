#include "disc_reference.h"
#include "fractal_support.h"
#include "frame_fixture.h"
#include "irregular_map.h"

#include "core/map_commands.h"
#include "effects/effect_commands.h"
#include "formats/format_commands.h"
#include "fractal/run_command.h"
#include "session/replay_session.h"
#include "session/session_commands.h"
#include "views/view_commands.h"

#include <string>
#include <vector>

using namespace tolvar;
using tolvar::testing::addDisc;
using tolvar::testing::errorOf;
using tolvar::testing::fillIrregular;
using tolvar::testing::FrameTest;

namespace {

constexpr std::int32_t Steepness = 3;

// Logging on, a 128 map taken with Steepness 3, so that a circle raises
// its cells by 48, and an irregular map with its border ring.
class ReplayTest : public FrameTest {
protected:
    ReplayTest()
    {
        logHistory();
        ui.texts[Box::cboSteep] = std::to_string(Steepness);
        frame.BeginOperation();
        fillIrregular(map(), 11);
    }

    bool viewsRefreshed() const
    {
        return std::find(ui.calls.begin(), ui.calls.end(), "show frmMapDisplay") != ui.calls.end();
    }
};

struct Disc {
    int row, col, radius;
};

} // namespace

TEST(SessionCodeNumber, IsWhereTheFirstThreeCharactersStandInTheCodes)
{
    const std::vector<std::pair<std::string, int>> cases{
        {"New", 1}, {"Mtr=1,2,3", 2}, {"crc=10,20,5", 3}, {"CRC", 3}, {"CrcX10,20,5", 3}, {"Sea=0", 7},
        {"SEA", 7}, {"Run", 18}, {"ru", 18}, {"RtR", 34}, {"Rnd=5", 35}, {"", 0}, {"xyz=1,2,3", 0},
        {"c", 3},    // the first "c" is in "crc"
        {"a.i", 14}, // across the end of "rea" and the start of "img"
    };
    for (const auto& [line, number] : cases)
        EXPECT_EQ(SessionCodeNumber(line), number) << line;
}

// The map after each replay against the irregular map plus the expected
// discs, added by a plain model; the history, Replaying and the undo copy
// are never touched, and the views are redrawn only after a whole walk.
TEST_F(ReplayTest, CircleLinesAreReplayedAndOtherLinesSkippedUntilAnError)
{
    struct Case {
        std::vector<std::string> lines;
        std::vector<Disc> discs;
        std::string error = "(no error)";
        std::string real = ".1"; // read by a replayed Run
    };
    const std::vector<Case> cases{
        {{"crc=10,20,5", "CRC=10,20,5", "Crc=10,20,5", "CrcX10,20,5"},
         {{10, 20, 5}, {10, 20, 5}, {10, 20, 5}, {10, 20, 5}}},
        {{"Crc\xC3\xA9+40,20,5", "Crc=10, 20, 5"}, {{40, 20, 5}, {10, 20, 5}}},
        {{"Crc=-3,$1F,40,99", "crc=+127,128,2"}, {{-3, 31, 40}, {127, 128, 2}}},
        {{"", "Mtr=1,2,3", "Inv", "Sea=5", "Typ=Circle", "hello", "Crc=100,7,9"}, {{100, 7, 9}}},
        {{"Crc=1,2,3", "Crc=10,20 ,5", "Crc=4,5,6"}, {{1, 2, 3}}, "'20 ' is not a valid integer value"},
        {{"Crc=10,20"}, {}, "'' is not a valid integer value"},
        {{"Crc=x,y ,z"}, {}, "'x' is not a valid integer value"},
        {{"Crc=7,8,9", "Run", "Crc=4,5,6"}, {{7, 8, 9}}, "'abc' is not a valid floating point value", "abc"},
    };
    for (const Case& c : cases) {
        fillIrregular(map(), 11);
        const Grid undo = state().UndoMap;
        ui.history = c.lines;
        ui.texts[Box::ediReal] = c.real;
        ui.calls.clear();

        EXPECT_EQ(errorOf([&] { ReplaySession(frame); }), c.error) << c.lines.front();

        Grid expected;
        fillIrregular(expected, 11);
        for (const Disc& d : c.discs)
            addDisc(expected, 128, 128, d.row, d.col, d.radius, Steepness);
        EXPECT_EQ(map(), expected) << c.lines.front();
        EXPECT_EQ(ui.history, c.lines);
        EXPECT_FALSE(state().params.Replaying);
        EXPECT_EQ(state().UndoMap, undo);
        EXPECT_EQ(viewsRefreshed(), c.error == "(no error)") << c.lines.front();
    }
}

// Each Run line runs the generator with the fields as they stand: two Circle
// runs of 1093 circles of nine draws each on the 128 map, whatever "Siz=" says.
TEST_F(ReplayTest, EveryRunLineRunsTheCheckedTypeWithTheCurrentFields)
{
    SelectFractalType(frame, "Circle1");
    state().random.RandomSeed = 99;
    ui.history = {"Run", "Siz=5120", "ru"};
    ReplaySession(frame);
    EXPECT_EQ(state().random.RandomSeed, tolvar::testing::seedAfter(99, 2 * 9 * 1093));
    EXPECT_EQ(state().MapRows, 128);
    EXPECT_EQ(ui.history, (std::vector<std::string>{"Run", "Siz=5120", "ru"}));
}

TEST_F(ReplayTest, TheCircleLinesOfACircleRunRebuildItsMap)
{
    ui.texts[Box::cboDistort] = ".8"; // some centres above and left of the map
    SelectFractalType(frame, "Circle1");
    Grid start = map();
    ui.history.clear();
    RunFractal(frame);
    const Grid circles = map();

    std::vector<std::string> lines;
    for (const std::string& line : ui.history)
        if (line.starts_with("Crc="))
            lines.push_back(line);
    ASSERT_EQ(lines.size(), 1093u);
    ui.history = lines;
    for (int r = 1; r <= 512; ++r)
        for (int c = 1; c <= 512; ++c)
            start(r, c) = 0;
    map() = start;

    ReplaySession(frame);
    EXPECT_EQ(map(), circles);
    EXPECT_EQ(ui.history, lines);
}

TEST_F(FrameTest, SessionLoggingFlipsItsOwnCheckMark)
{
    ToggleSessionLogging(frame);
    frame.LogCommand("Smz");
    ToggleSessionLogging(frame);
    frame.LogCommand("Inv");
    EXPECT_EQ(ui.history, std::vector<std::string>{"Smz"});
    EXPECT_FALSE(ui.isChecked("SessionLogging1"));
}

// Every command of every table on an irregular map, dialogs cancelled: with
// logging off none writes a line, with logging on they do.
TEST_F(FrameTest, OnlyCheckedSessionLoggingLetsCommandsWriteLines)
{
    const auto linesOfEveryCommand = [&](bool logging) {
        resetAppState();
        ui = tolvar::testing::FakeUi{};
        ui.setChecked("SessionLogging1", logging);
        frame.BeginOperation();
        fillIrregular(map(), 5, 0x0FFF);
        for (const CommandTable table :
             {CoreCommands(), FractalCommands(), EffectCommands(), FormatCommands(), ViewCommands()})
            for (const Command& command : table)
                errorOf([&] { command.run(frame); });
        return ui.history;
    };
    EXPECT_EQ(linesOfEveryCommand(false), std::vector<std::string>{});
    const std::vector<std::string> logged = linesOfEveryCommand(true);
    for (const char* start : {"New", "Rnd=", "Typ=Circle", "Run", "Crc=", "Mtr=", "CFl="})
        EXPECT_TRUE(std::any_of(logged.begin(), logged.end(), [&](const auto& line) { return line.starts_with(start); }))
            << start;
}
