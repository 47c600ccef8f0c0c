#include "disc_reference.h"
#include "fractal_support.h"
#include "frame_fixture.h"
#include "irregular_map.h"

#include "fractal/run_command.h"
#include "session/replay_session.h"

#include <array>

using namespace tolvar;
using tolvar::testing::errorOf;
using tolvar::testing::fillIrregular;

namespace {

// Logging on and a 128 map taken with Steepness 3: a circle raises by 48.
class ReplayTest : public tolvar::testing::FrameTest {
protected:
    ReplayTest()
    {
        logHistory();
        ui.texts[Box::cboSteep] = "3";
        frame.BeginOperation();
    }
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

// Each replay against the irregular map plus the expected discs of a plain
// model. The history, Replaying and the undo copy are left as they were, and
// the views are redrawn only after a whole walk.
TEST_F(ReplayTest, CircleLinesAreReplayedAndOtherLinesSkippedUntilAnError)
{
    struct Case {
        std::vector<std::string> lines;
        std::vector<std::array<int, 3>> discs;
        std::string error = "(no error)";
        std::string real = ".1"; // read by a replayed Run
    };
    const std::vector<Case> cases{
        {{"crc=10,20,5", "CRC=10,20,5"}, {{10, 20, 5}, {10, 20, 5}}},
        {{"CrcX10,20,5", "Crc=10, 20, 5"}, {{10, 20, 5}, {10, 20, 5}}},
        {{"Crc\xC3\xA9+40,20,5", "Crc=-3,$1F,40,99", "crc=127,128,2"}, {{40, 20, 5}, {-3, 31, 40}, {127, 128, 2}}},
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
        for (const auto& [row, col, radius] : c.discs)
            tolvar::testing::addDisc(expected, 128, 128, row, col, radius, 3);
        EXPECT_EQ(map(), expected) << c.lines.front();
        EXPECT_EQ(ui.history, c.lines);
        EXPECT_FALSE(state().params.Replaying);
        EXPECT_EQ(state().UndoMap, undo);
        EXPECT_EQ(!ui.calls.empty() && ui.calls.back() == "refresh views", c.error == "(no error)") << c.lines.front();
    }
}

// Each Run line runs the checked type with the fields as they stand: here two
// Circle runs of 1093 circles of nine draws each, whatever "Siz=" says.
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

// Cancelling a replayed Run stops the rerun: the circle after it is not
// raised, and logging works again.
TEST_F(ReplayTest, ACancelledRunStopsTheRerun)
{
    fillIrregular(map(), 4);
    const Grid before = map();
    // Cancel at the first poll: a Run on fast cores may end before a later one.
    ui.texts[Box::cboHeight] = "5120";
    ui.texts[Box::ediIterations] = "65535";
    ui.cancelAtStep = 0;
    ui.history = {"Run", "Crc=10,20,5"};
    EXPECT_THROW(ReplaySession(frame), Cancelled);
    EXPECT_TRUE(map() == before);
    EXPECT_FALSE(state().params.Replaying);
    EXPECT_EQ(ui.history.size(), 2u);
}
