#include "disc_reference.h"
#include "fractal_support.h"
#include "frame_fixture.h"

#include "core/comma_field.h"
#include "core/number_text.h"
#include "fractal/circle_field.h"

#include <vector>

using namespace tolvar;
using tolvar::testing::addDisc;
using tolvar::testing::filledGrid;
using tolvar::testing::FrameTest;

namespace {

class CircleFieldTest : public FrameTest {
protected:
    CircleFieldTest()
    {
        map() = filledGrid(500);
        logHistory();
    }
};

} // namespace

TEST_F(CircleFieldTest, TheFirstCirclesFromSeedZero)
{
    CircleField(frame);
    ASSERT_EQ(ui.history.size(), 1093u);
    EXPECT_EQ(std::vector<std::string>(ui.history.begin(), ui.history.begin() + 3),
              (std::vector<std::string>{"Crc=12,62,23", "Crc=38,46,11", "Crc=67,61,14"}));
    for (const std::string& line : ui.history)
        EXPECT_EQ(line.substr(0, 4), "Crc=");
    EXPECT_EQ(state().random.RandomSeed, tolvar::testing::seedAfter(0, 9 * 1093));
}

// The map is the border ring as it was plus the logged discs on a cleared
// data area: this checks every cell, the logged lines and the clearing.
TEST_F(CircleFieldTest, TheMapIsTheSumOfTheLoggedDiscs)
{
    ui.texts[Box::cboSteep] = "3";
    ui.texts[Box::cboDistort] = "1.3";
    CircleField(frame);

    Grid expected = filledGrid(500);
    for (int r = 1; r <= 512; ++r)
        for (int c = 1; c <= 512; ++c)
            expected(r, c) = 0;
    for (const std::string& line : ui.history) {
        const std::string numbers = line.substr(4);
        addDisc(expected, 128, 128, StrToInt(CommaField(numbers, 1)), StrToInt(CommaField(numbers, 2)),
                StrToInt(CommaField(numbers, 3)), 3);
    }
    EXPECT_EQ(map(), expected);
}

TEST_F(CircleFieldTest, TheSameSeedGivesTheSameMapAndLines)
{
    ui.texts[Box::cboHeight] = "2560";
    state().random.RandomSeed = 4321;
    CircleField(frame);
    const Grid first = map();
    const std::vector<std::string> lines = ui.history;
    EXPECT_EQ(lines.size(), 3280u);

    ui.history.clear();
    map() = filledGrid(500);
    state().random.RandomSeed = 4321;
    CircleField(frame);
    EXPECT_EQ(map(), first);
    EXPECT_EQ(ui.history, lines);
}

TEST_F(CircleFieldTest, ADistortionTooLargeToRoundIsReported)
{
    ui.texts[Box::cboDistort] = "1e30";
    EXPECT_EQ(tolvar::testing::errorOf([&] { CircleField(frame); }), "Invalid floating point operation");
}
