#include "disc_reference.h"
#include "fractal_support.h"
#include "frame_fixture.h"
#include "irregular_map.h"

#include "fractal/circle_field.h"

#include <cmath>
#include <utility>
#include <vector>

using namespace tolvar;
using tolvar::testing::addDisc;
using tolvar::testing::fillIrregular;
using tolvar::testing::FrameTest;
using tolvar::testing::ModelRandom;

namespace {

class CircleFieldTest : public FrameTest {
protected:
    CircleFieldTest()
    {
        fillIrregular(map(), 5);
        logHistory();
    }
};

// A circle field on a 128 map worked out here on its own: the radius limits
// are the figures for that size, centres round half to even, and every disc
// is added the plain way. Returns the history lines.
std::vector<std::string> modelField128(Grid& map, ModelRandom& random, std::int32_t steepness, double distortion)
{
    for (int r = 1; r <= 512; ++r)
        for (int c = 1; c <= 512; ++c)
            map(r, c) = 0;
    const auto centre = [&] {
        std::int32_t sum = random.draw(64);
        sum += random.draw(64);
        sum += random.draw(16);
        sum -= random.draw(16);
        return static_cast<std::int32_t>(std::nearbyint(static_cast<long double>(sum) * distortion));
    };
    std::vector<std::string> lines;
    int circles = 1;
    for (const std::int32_t maxRadius : {64, 32, 16, 10, 10, 10, 10}) {
        for (int n = 0; n < circles; ++n) {
            const std::int32_t x = centre();
            const std::int32_t y = centre();
            const std::int32_t r = random.draw(maxRadius);
            addDisc(map, 128, 128, x, y, r, steepness);
            lines.push_back("Crc=" + std::to_string(x) + "," + std::to_string(y) + "," + std::to_string(r));
        }
        circles *= 3;
    }
    return lines;
}

} // namespace

TEST_F(CircleFieldTest, TheFirstCirclesFromSeedZero)
{
    // The same draws at Distortion 1.5: 67 x 1.5 = 100.5 and 61 x 1.5 = 91.5
    // round to the even neighbours 100 and 92.
    const std::vector<std::pair<const char*, std::vector<std::string>>> cases{
        {"1", {"Crc=12,62,23", "Crc=38,46,11", "Crc=67,61,14"}},
        {"1.5", {"Crc=18,93,23", "Crc=57,69,11", "Crc=100,92,14"}},
    };
    for (const auto& [distortion, first] : cases) {
        ui.history.clear();
        state().random.RandomSeed = 0;
        ui.texts[Box::cboDistort] = distortion;
        CircleField(frame);
        ASSERT_EQ(ui.history.size(), 1093u);
        EXPECT_EQ(std::vector<std::string>(ui.history.begin(), ui.history.begin() + 3), first) << distortion;
        EXPECT_EQ(state().random.RandomSeed, tolvar::testing::seedAfter(0, 9 * 1093));
    }
}

TEST_F(CircleFieldTest, WholeMapAndLinesFollowTheModelDrawForDraw)
{
    ui.texts[Box::cboSteep] = "3";
    ui.texts[Box::cboDistort] = "1.5";
    state().random.RandomSeed = 4321;
    Grid expected = map();
    CircleField(frame);

    ModelRandom random{4321};
    EXPECT_EQ(ui.history, modelField128(expected, random, 3, 1.5));
    EXPECT_EQ(map(), expected);
    EXPECT_EQ(state().random.RandomSeed, random.seed);
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
    fillIrregular(map(), 5);
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
