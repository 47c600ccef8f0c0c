#include "fractal_support.h"
#include "frame_fixture.h"

#include "core/number_text.h"
#include "fractal/escape_time.h"

#include <string>
#include <vector>

using namespace tolvar;
using tolvar::testing::errorOf;
using tolvar::testing::filledGrid;
using tolvar::testing::FrameTest;

namespace {

enum class Kind { Count, High, JuliaBrot };

struct Fields {
    std::string size = "1280";
    std::string real = ".1";
    std::string imaginary = "-.692";
    std::string spread = "0.1";
    std::string distortion = "1";
    std::string steepness = "1";
    std::string iterations = "1000";
};

struct PlainResult {
    Grid map;
    double real = 0;
    double imaginary = 0;
};

// The escape-time walk written out plainly: one cell after another, with
// the row and column sums stepped in place.
PlainResult plainWalk(Kind kind, const Fields& f, Grid map)
{
    const int n = 2 * (StrToInt(f.size) / 20);
    const float spread = StrToSingle(f.spread);
    const double distortion = StrToDouble(f.distortion);
    const std::int32_t steep = StrToInt(f.steepness);
    const std::int32_t iterations = StrToInt(f.iterations);
    double real = StrToDouble(f.real);
    double imag = 0;
    for (int row = 1; row <= n; ++row) {
        real = static_cast<double>(1.0L / n * spread + real);
        imag = StrToDouble(f.imaginary);
        for (int col = 1; col <= n; ++col) {
            double zr = 0, zi = 0;
            imag = static_cast<double>(1.0L / n * spread + imag);
            std::uint16_t count = 0, sum = 0;
            std::int32_t i = 0;
            while ((long double)zr * zr + (long double)zi * zi < 4.0L &&
                   (kind == Kind::JuliaBrot ? i < iterations : count < iterations)) {
                const double t = static_cast<double>((long double)zr * zr - (long double)zi * zi + real);
                zi = static_cast<double>(2.0L * distortion * zr * zi + imag);
                zr = t;
                sum = static_cast<std::uint16_t>(sum + steep);
                count = static_cast<std::uint16_t>(count + (kind == Kind::High ? 1 : steep));
                ++i;
            }
            if (kind == Kind::JuliaBrot) {
                const std::int32_t m = RoundToInt((long double)zr * zr + (long double)zi * zi);
                map(row, col) = static_cast<Height>(static_cast<std::uint32_t>(m) * steep * steep);
            } else {
                map(row, col) = kind == Kind::High ? sum : count;
            }
        }
    }
    return {map, real, imag};
}

class EscapeTimeTest : public FrameTest {
protected:
    EscapeTimeTest() { map() = filledGrid(999); }

    void enter(const Fields& f)
    {
        ui.texts[Box::cboHeight] = f.size;
        ui.texts[Box::ediReal] = f.real;
        ui.texts[Box::ediImaginary] = f.imaginary;
        ui.texts[Box::cboMagnify] = f.spread;
        ui.texts[Box::cboDistort] = f.distortion;
        ui.texts[Box::cboSteep] = f.steepness;
        ui.texts[Box::ediIterations] = f.iterations;
    }

    void run(Kind kind, unsigned workers = DefaultWorkers())
    {
        ui.setChecked("MandelHigh1", kind == Kind::High);
        if (kind == Kind::JuliaBrot)
            JuliaBrot(frame, workers);
        else
            EscapeTimeMandel(frame, workers);
    }

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

TEST_F(EscapeTimeTest, WholeMapsMatchThePlainWalkOnAnyNumberOfWorkers)
{
    const std::vector<Fields> fieldSets{
        Fields{},
        Fields{"1280", "-1.9", "-.6", "1.2", "1.3", "3", "200"},
        Fields{"2560", "-.3", ".2", "0.4", "2.0", "7", "300"},
    };
    for (const Fields& f : fieldSets)
        for (const Kind kind : {Kind::Count, Kind::High, Kind::JuliaBrot}) {
            const PlainResult expected = plainWalk(kind, f, map());
            enter(f);
            for (const unsigned workers : {1u, 2u}) {
                run(kind, workers);
                EXPECT_EQ(map(), expected.map) << f.real << " kind " << int(kind) << " workers " << workers;
                EXPECT_EQ(state().params.Real, expected.real);
                EXPECT_EQ(state().params.Imaginary, expected.imaginary);
            }
            map() = filledGrid(999);
        }
}

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
