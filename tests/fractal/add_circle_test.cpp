#include "disc_reference.h"
#include "fractal_support.h"
#include "frame_fixture.h"

#include "fractal/add_circle.h"

#include <climits>
#include <tuple>
#include <vector>

using namespace tolvar;
using tolvar::testing::addDisc;
using tolvar::testing::filledGrid;
using tolvar::testing::FrameTest;

namespace {

class AddCircleTest : public FrameTest {
protected:
    // A 128 map with every cell, in use or not, holding 1000.
    AddCircleTest()
    {
        map() = filledGrid(1000);
        frame.BeginOperation();
        logHistory();
    }
};

} // namespace

TEST_F(AddCircleTest, RadiusOneRaisesTheCentreAndTheCellsBelowAndRight)
{
    AddCircle(frame, 10, 20, 1);
    Grid expected = filledGrid(1000);
    expected(10, 20) = expected(11, 20) = expected(10, 21) = 1016;
    EXPECT_EQ(map(), expected);
    EXPECT_EQ(ui.history, std::vector<std::string>{"Crc=10,20,1"});
}

TEST_F(AddCircleTest, ARadiusOfZeroOrLessRaisesNothingButIsLogged)
{
    AddCircle(frame, 10, 20, 0);
    AddCircle(frame, 64, -3, -17);
    AddCircle(frame, 1, 1, INT_MIN);
    EXPECT_EQ(map(), filledGrid(1000));
    EXPECT_EQ(ui.history, (std::vector<std::string>{"Crc=10,20,0", "Crc=64,-3,-17", "Crc=1,1,-2147483648"}));
}

TEST_F(AddCircleTest, WholeMapsMatchThePlainDisc)
{
    const std::vector<std::tuple<int, int, int>> discs{
        {0, 0, 3}, {64, 64, 17}, {-5, 70, 9}, {128, 128, 6}, {120, 3, 30}, {60, 200, 80}, {-40, -40, 20},
    };
    for (const auto& [x, y, r] : discs) {
        AddCircle(frame, x, y, r);
        Grid expected = filledGrid(1000);
        addDisc(expected, 128, 128, x, y, r, 1);
        EXPECT_EQ(map(), expected) << x << "," << y << "," << r;
        map() = filledGrid(1000);
    }
}

TEST_F(AddCircleTest, TheCornerDiscReachesRowAndColumnZeroOnly)
{
    AddCircle(frame, 0, 0, 3);
    for (int r = 0; r < Grid::Side; ++r)
        for (int c = 0; c < Grid::Side; ++c)
            if (r > 3 || c > 3) {
                EXPECT_EQ(map()(r, c), 1000) << r << "," << c;
            }
    EXPECT_EQ(map()(0, 0), 1016);
    EXPECT_EQ(map()(0, 3), 1016);
    EXPECT_EQ(map()(2, 2), 1016);
    EXPECT_EQ(map()(3, 3), 1000) << "18 is beyond the radius squared";
}

TEST_F(AddCircleTest, HeightsWrapAtSixteenBits)
{
    map()(10, 20) = 65530;
    AddCircle(frame, 10, 20, 1);
    EXPECT_EQ(map()(10, 20), 10);

    ui.texts[Box::cboSteep] = "10";
    frame.BeginOperation();
    map()(10, 20) = 65530;
    AddCircle(frame, 10, 20, 1);
    EXPECT_EQ(map()(10, 20), 154);
}

TEST_F(AddCircleTest, HugeRadiiCoverTheGridWithoutOverflow)
{
    AddCircle(frame, 0, 0, 2000000000);
    Grid expected = filledGrid(1000);
    for (int r = 0; r <= 128; ++r)
        for (int c = 0; c <= 128; ++c)
            expected(r, c) = 1016;
    EXPECT_EQ(map(), expected);

    // Only (0, 5) lies on the rim of this disc; nothing lies in the last one.
    map() = filledGrid(1000);
    AddCircle(frame, -2000000000, 5, 2000000000);
    AddCircle(frame, INT_MAX, INT_MAX, INT_MAX);
    expected = filledGrid(1000);
    expected(0, 5) = 1016;
    EXPECT_EQ(map(), expected);
    EXPECT_EQ(ui.history.back(), "Crc=2147483647,2147483647,2147483647");
}
