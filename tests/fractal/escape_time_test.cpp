#include "escape_time_fixture.h"
#include "fractal_support.h"

#include <string>
#include <vector>

using namespace tolvar;
using namespace tolvar::testing;

namespace {

using Kind = EscapeKind;

class EscapeTimeTest : public EscapeTimeFixture {
protected:
    EscapeTimeTest() { map() = filledGrid(999); }

    // The map as it started, with the data area of a 128 map set to one value.
    static Grid dataArea(Height value)
    {
        Grid grid = filledGrid(999);
        for (int r = 1; r <= 128; ++r)
            for (int c = 1; c <= 128; ++c)
                grid(r, c) = value;
        return grid;
    }
};

} // namespace

TEST_F(EscapeTimeTest, RealPartThreeEscapesAtOnceEverywhere)
{
    enter({.real = "3", .imaginary = "0", .steepness = "7"});
    for (const Kind kind : {Kind::Count, Kind::High}) {
        run(kind);
        EXPECT_EQ(map(), dataArea(7));
        map() = filledGrid(999);
    }
}

TEST_F(EscapeTimeTest, APointThatNeverEscapesRunsToTheBailOutValue)
{
    enter({.real = "0", .imaginary = "0", .spread = "0.0001", .steepness = "3", .iterations = "1000"});
    run(Kind::Count);
    EXPECT_EQ(map(), dataArea(1002));
    run(Kind::High);
    EXPECT_EQ(map(), dataArea(3000));
    run(Kind::JuliaBrot);
    EXPECT_EQ(map(), dataArea(0));
}

TEST_F(EscapeTimeTest, BailOutZeroMakesNoIteration)
{
    enter({.iterations = "0"});
    for (const Kind kind : {Kind::Count, Kind::High, Kind::JuliaBrot}) {
        run(kind);
        EXPECT_EQ(map(), dataArea(0));
        map() = filledGrid(999);
    }
}

// A point that never escapes stops only when its 16-bit counter reaches the
// Bail Out Value, so values it can never reach are refused up front.
TEST_F(EscapeTimeTest, UnreachableBailOutValuesAreRefusedBeforeAnyCellIsWritten)
{
    struct Case {
        Kind kind;
        std::string steepness;
        std::string iterations;
        std::string message;
    };
    const std::vector<Case> refused{
        {Kind::Count, "0", "1",
         "Bail Out Value 1 is never reached in steps of Steepness 0: the largest Bail Out Value that works with this "
         "Steepness is 0"},
        {Kind::Count, "65536", "1000",
         "Bail Out Value 1000 is never reached in steps of Steepness 65536: the largest Bail Out Value that works "
         "with this Steepness is 0"},
        {Kind::Count, "4", "65533",
         "Bail Out Value 65533 is never reached in steps of Steepness 4: the largest Bail Out Value that works with "
         "this Steepness is 65532"},
        {Kind::Count, "1", "65536",
         "Bail Out Value 65536 is never reached in steps of Steepness 1: the largest Bail Out Value that works with "
         "this Steepness is 65535"},
        {Kind::Count, "-32768", "32769",
         "Bail Out Value 32769 is never reached in steps of Steepness -32768: the largest Bail Out Value that works "
         "with this Steepness is 32768"},
        {Kind::High, "1", "65536",
         "Bail Out Value 65536 is too large for MandelHigh: the largest Bail Out Value that works is 65535"},
    };
    for (const Case& k : refused) {
        enter({.real = "3", .steepness = k.steepness, .iterations = k.iterations});
        ui.calls.clear();
        EXPECT_EQ(errorOf([&] { run(k.kind); }), k.message);
        EXPECT_EQ(map(), filledGrid(999)) << k.message;
        EXPECT_EQ(ui.calls, std::vector<std::string>{"new bitmap"}) << "refused after BeginOperation";
    }
}

TEST_F(EscapeTimeTest, TheLargestReachableBailOutValuesStillEnd)
{
    struct Case {
        Kind kind;
        std::string steepness;
        std::string iterations;
        Height height;
    };
    // On a 2 x 2 map around 0, where no point escapes.
    const std::vector<Case> cases{
        {Kind::Count, "0", "0", 0},          {Kind::Count, "4", "65532", 65532},
        {Kind::Count, "3", "65535", 65535},  {Kind::Count, "-32768", "32768", 32768},
        {Kind::High, "3", "65535", 65533},   {Kind::JuliaBrot, "0", "70000", 0},
    };
    for (const Case& k : cases) {
        enter({.size = "40", .real = "0", .imaginary = "0", .spread = "0.0001", .steepness = k.steepness,
               .iterations = k.iterations});
        run(k.kind);
        for (int r = 1; r <= 2; ++r)
            for (int c = 1; c <= 2; ++c)
                EXPECT_EQ(map()(r, c), k.height) << k.steepness << " " << k.iterations;
    }
}

TEST_F(EscapeTimeTest, AJuliaBrotMagnitudeTooLargeToRoundIsReported)
{
    enter({.distortion = "1e300"});
    EXPECT_EQ(errorOf([&] { run(Kind::JuliaBrot); }), "Invalid floating point operation");
    EXPECT_EQ(map(), filledGrid(999));
}
