#include "fractal_support.h"
#include "frame_fixture.h"
#include "irregular_map.h"

#include "core/map_commands.h"
#include "fractal/run_command.h"

#include <string>
#include <vector>

using namespace tolvar;
using tolvar::testing::errorOf;
using tolvar::testing::FakeUi;
using tolvar::testing::fillIrregular;
using tolvar::testing::FrameTest;

namespace {

const std::vector<std::string> DefaultRunLines{"Siz=1280", "Itr=1000", "Spr=0.1", "Stp=1", "Rea=.1",
                                               "Img=-.692", "Dis=1",    "Sea=0",   "Rnd=0",  "Run"};
const std::vector<std::string> TypeItems{"Circle1",    "Mountains1",  "Julia1",
                                         "JuliaBrot1", "Mandelbrot1", "MandelHigh1"};

class RunFractalTest : public FrameTest {
protected:
    std::vector<std::string> checkedTypes() const
    {
        std::vector<std::string> checked;
        for (const std::string& item : TypeItems)
            if (ui.isChecked(item))
                checked.push_back(item);
        return checked;
    }

    void choose(const std::string& type)
    {
        SelectFractalType(frame, type);
        ui.history.clear();
        ui.calls.clear();
    }
};

} // namespace

TEST_F(RunFractalTest, RunWritesTheTenLinesAsTypedBeforeConvertingAnything)
{
    logHistory();
    ui.texts[Box::ediReal] = "abc";
    ui.texts[Box::cboHeight] = "2560";
    map()(5, 5) = 77;

    EXPECT_EQ(errorOf([&] { RunFractal(frame); }), "'abc' is not a valid floating point value");
    EXPECT_EQ(ui.history, (std::vector<std::string>{"Siz=2560", "Itr=1000", "Spr=0.1", "Stp=1", "Rea=abc",
                                                    "Img=-.692", "Dis=1", "Sea=0", "Rnd=0", "Run"}));
    EXPECT_EQ(map(), [] {
        Grid g;
        g(5, 5) = 77;
        return g;
    }());
    EXPECT_TRUE(ui.busy) << "a failed command leaves the hourglass on";
    EXPECT_FALSE(ui.boxEnabled[Box::cboHeight]);
}

TEST_F(RunFractalTest, EveryTypeWritesTheDefaultLinesAndNothingElseButCircles)
{
    logHistory();
    for (const std::string& type : TypeItems) {
        choose(type);
        RunFractal(frame);
        ASSERT_GE(ui.history.size(), 10u) << type;
        EXPECT_EQ(std::vector<std::string>(ui.history.begin(), ui.history.begin() + 10), DefaultRunLines) << type;
        const std::size_t circles = type == "Circle1" ? 1093 : 0;
        EXPECT_EQ(ui.history.size(), 10 + circles) << type;
        EXPECT_FALSE(ui.busy) << type;
    }
}

TEST_F(RunFractalTest, NothingIsAppendedWhileSessionLoggingIsOff)
{
    for (const std::string& type : TypeItems) {
        choose(type);
        RunFractal(frame);
    }
    SelectFractalType(frame, "Julia1");
    EXPECT_TRUE(ui.history.empty());
}

TEST_F(RunFractalTest, EachTypeRunsInsideOneFrame)
{
    const std::vector<std::string> refresh{"refresh views"};
    const auto framed = [&](std::vector<std::string> inner, bool cursorFirst = false) {
        std::vector<std::string> calls{"busy on", "new bitmap"};
        if (cursorFirst)
            calls.insert(calls.begin(), "busy on");
        calls.insert(calls.end(), inner.begin(), inner.end());
        calls.push_back("busy off");
        return calls;
    };
    const std::vector<std::pair<std::string, std::vector<std::string>>> expected{
        {"Mandelbrot1", framed(refresh)},
        {"MandelHigh1", framed(refresh)},
        {"Mountains1", framed({"busy on", "busy off", "refresh views"})},
        {"Julia1", framed(refresh, true)},
        {"JuliaBrot1", framed({"busy on", "refresh views", "busy off"})},
        {"Circle1", framed({"busy on", "busy off", "refresh views"})},
    };
    for (const auto& [type, calls] : expected) {
        choose(type);
        ui.texts[Box::ediIterations] = "10";
        RunFractal(frame);
        EXPECT_EQ(ui.calls, calls) << type;
    }
}

TEST_F(RunFractalTest, UndoAfterRunRestoresTheMapFromBefore)
{
    map()(3, 3) = 1234;
    RunFractal(frame);
    EXPECT_NE(map()(3, 3), 1234);
    Undo(frame);
    EXPECT_EQ(map()(3, 3), 1234);
}

TEST_F(RunFractalTest, ACancelledRunPutsBackEverythingButItsHistoryLines)
{
    for (const char* type : {"Mandelbrot1", "MandelHigh1", "JuliaBrot1"}) {
        resetAppState();
        ui = FakeUi();
        // An earlier 256 map, a New that unlocks the size box, an Undo that
        // disables itself, and other texts in the boxes.
        fillIrregular(map(), 1);
        ui.texts[Box::cboHeight] = "2560";
        prompter.queueConfirm(true);
        NewMap(frame);
        fillIrregular(map(), 2);
        fillIrregular(state().UndoMap, 3);
        Undo(frame);
        // Near the edge of the set, where rows take long.
        ui.texts[Box::cboHeight] = "1280";
        ui.texts[Box::ediReal] = "-.3905409";
        ui.texts[Box::ediImaginary] = "-.586788";
        ui.texts[Box::cboMagnify] = ".000001";
        ui.texts[Box::ediIterations] = "65535";
        const AppState before = state();
        const auto enabledBefore = ui.enabled;
        const auto boxesBefore = ui.boxEnabled;

        choose(type);
        logHistory();
        ui.cancelAtStep = 4; // two workers: two rows done
        EXPECT_THROW(RunFractal(frame), Cancelled) << type;
        EXPECT_TRUE(state() == before) << type;
        EXPECT_EQ(ui.enabled, enabledBefore) << type;
        EXPECT_EQ(ui.boxEnabled, boxesBefore) << type;
        EXPECT_FALSE(enabledBefore.at("UndoZ1"));
        EXPECT_TRUE(boxesBefore.at(Box::cboHeight));
        EXPECT_EQ(ui.history.size(), 10u) << type;
        ASSERT_FALSE(ui.progressPolls.empty()) << type;
        EXPECT_GE(ui.progressPolls.back(), 4) << type;
        EXPECT_LT(ui.progressPolls.back(), 128) << type;
        EXPECT_FALSE(ui.busy) << type;
    }
}

TEST_F(RunFractalTest, ATypeItemChecksItselfAloneAndWritesItsLine)
{
    logHistory();
    const std::vector<std::pair<std::string, std::string>> lines{
        {"Circle1", "Typ=Circle"},      {"Mountains1", "Typ=DiamondSquare"}, {"Julia1", "Typ=Julia"},
        {"JuliaBrot1", "Typ=Juliabrot"}, {"Mandelbrot1", "Typ=Mandel"},      {"MandelHigh1", "Typ=MandelHigh"},
    };
    for (const auto& [item, line] : lines) {
        ui.history.clear();
        SelectFractalType(frame, item);
        EXPECT_EQ(checkedTypes(), std::vector<std::string>{item});
        EXPECT_EQ(ui.history, std::vector<std::string>{line});
    }
    EXPECT_TRUE(ui.isChecked("Plan1")) << "other check marks are left alone";
}

TEST_F(RunFractalTest, ChoosingATypeTwiceLogsTwiceAndTakesNoSnapshot)
{
    logHistory();
    map()(1, 1) = 5;
    frame.BeginOperation();
    map()(1, 1) = 6;
    ui.calls.clear();

    SelectFractalType(frame, "Julia1");
    SelectFractalType(frame, "Julia1");
    EXPECT_EQ(ui.history, (std::vector<std::string>{"Typ=Julia", "Typ=Julia"}));
    EXPECT_EQ(checkedTypes(), std::vector<std::string>{"Julia1"});
    EXPECT_TRUE(ui.calls.empty());
    EXPECT_EQ(map()(1, 1), 6);
    Undo(frame);
    EXPECT_EQ(map()(1, 1), 5);
}
