#include "fractal_support.h"
#include "frame_fixture.h"

#include "fractal/julia_points.h"

using namespace tolvar;
using tolvar::testing::filledGrid;
using tolvar::testing::FrameTest;
using tolvar::testing::seedAfter;

namespace {

class JuliaPointsTest : public FrameTest {
protected:
    void run(const std::string& points)
    {
        ui.texts[Box::ediIterations] = points;
        JuliaPoints(frame);
    }
};

} // namespace

TEST_F(JuliaPointsTest, TheFirstThreePointsFromSeedZero)
{
    map() = filledGrid(100);
    map()(68, 68) = 65535;
    run("3");
    Grid expected = filledGrid(100);
    expected(70, 69) = 101;
    expected(68, 68) = 0;
    expected(62, 64) = 101;
    EXPECT_EQ(map(), expected);
    EXPECT_EQ(state().random.RandomSeed, seedAfter(0, 3));
}

TEST_F(JuliaPointsTest, ThePointCountIsTakenModulo65536)
{
    run("65536");
    EXPECT_EQ(map(), Grid{});
    EXPECT_EQ(state().random.RandomSeed, 0u);

    run("0");
    EXPECT_EQ(map(), Grid{});

    run("65537");
    Grid expected;
    expected(70, 69) = 1;
    EXPECT_EQ(map(), expected);
    EXPECT_EQ(state().random.RandomSeed, seedAfter(0, 1));
}

TEST_F(JuliaPointsTest, ASecondRunContinuesTheSequenceAndAddsOnTop)
{
    ui.texts[Box::cboSteep] = "5";
    run("1000");
    const Grid first = map();
    map() = Grid{};
    run("1000");
    const Grid second = map();
    EXPECT_NE(first, second);

    state().random.RandomSeed = 0;
    map() = Grid{};
    run("1000");
    run("1000");
    Grid sum;
    for (std::size_t i = 0; i < sum.cells.size(); ++i)
        sum.cells[i] = static_cast<Height>(first.cells[i] + second.cells[i]);
    EXPECT_EQ(map(), sum);
    EXPECT_EQ(state().random.RandomSeed, seedAfter(0, 2000));
}

TEST_F(JuliaPointsTest, PointsStayWithinTheCellsOneBeyondTheMap)
{
    ui.texts[Box::cboMagnify] = "3";
    run("5000");
    long raised = 0;
    for (int r = 0; r < Grid::Side; ++r)
        for (int c = 0; c < Grid::Side; ++c)
            if (map()(r, c) != 0) {
                EXPECT_TRUE(r >= 2 && r <= 129 && c >= 2 && c <= 129) << r << "," << c;
                raised += map()(r, c);
            }
    EXPECT_GT(raised, 0);
    EXPECT_LT(raised, 5000) << "a spread this wide throws some points off the map";
}
