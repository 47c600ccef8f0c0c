#include "frame_fixture.h"

#include "core/error.h"

#include <utility>
#include <vector>

using namespace tolvar;
using tolvar::testing::FrameTest;

namespace {

std::string errorOf(Frame& frame)
{
    try {
        frame.BeginOperation();
    } catch (const Error& e) {
        return e.what();
    }
    return "(no error)";
}

} // namespace

TEST_F(FrameTest, BeginOperationEnablesTheEditingControlsAndLocksTheSize)
{
    frame.BeginOperation();
    for (const char* name : {"UndoZ1", "View1", "Store1", "Retrieve1", "Save1", "btnUp", "btnDown", "btnLeft", "btnRight",
                             "btnRotLeft", "btnRotRight"})
        EXPECT_TRUE(ui.enabled[name]) << name;
    EXPECT_FALSE(ui.boxEnabled[Box::cboHeight]);
    EXPECT_EQ(ui.calls, std::vector<std::string>{"new bitmap"});
}

TEST_F(FrameTest, BeginOperationReadsTheDefaultParameters)
{
    auto& p = state().params;
    p.ZRe = p.ZIm = 3.0;
    p.CellRow = p.CellCol = 7;
    p.CurRow = 9;
    frame.BeginOperation();
    EXPECT_EQ(p.HalfRows, 64);
    EXPECT_EQ(p.HalfCols, 64);
    EXPECT_EQ(state().MapRows, 128);
    EXPECT_EQ(state().MapCols, 128);
    EXPECT_EQ(p.Real, 0.1);
    EXPECT_EQ(p.Imaginary, -0.692);
    EXPECT_EQ(p.Distortion, 1.0);
    EXPECT_EQ(p.Spread, 0.1f);
    EXPECT_EQ(p.Steepness, 1);
    EXPECT_EQ(p.Iterations, 1000);
    EXPECT_EQ(p.SeaLevel, 0);
    EXPECT_EQ(p.Shift, 0);
    EXPECT_EQ(p.ZRe, 0.0);
    EXPECT_EQ(p.ZIm, 0.0);
    EXPECT_EQ(p.CellRow, 0);
    EXPECT_EQ(p.CellCol, 0);
    EXPECT_EQ(p.CurRow, 0);
}

TEST_F(FrameTest, EveryOperationRemakesThePlanBitmapButOnlyTheFirstSetsTheViewState)
{
    EXPECT_TRUE(state().params.FirstOperation);
    frame.BeginOperation();
    EXPECT_FALSE(state().params.FirstOperation);
    const ViewState start = state().view;
    EXPECT_EQ(start.ViewSize, 128);
    EXPECT_EQ(start.ViewRotation, 0);
    EXPECT_EQ(start.ViewStepsDown, 0);
    EXPECT_EQ(start.ViewStepsRight, 0);

    state().view = ViewState{64, 3, 2, 1};
    frame.BeginOperation();
    EXPECT_EQ(state().view.ViewSize, 64);
    EXPECT_EQ(state().view.ViewRotation, 3);
    EXPECT_EQ(state().view.ViewStepsDown, 2);
    EXPECT_EQ(state().view.ViewStepsRight, 1);
    EXPECT_EQ(ui.calls, (std::vector<std::string>{"new bitmap", "new bitmap"}));
}

TEST_F(FrameTest, SizeIsTwiceTheValueDivTwenty)
{
    const std::vector<std::pair<const char*, int>> sizes{
        {"1280", 128}, {"2560", 256}, {"3840", 384}, {"5120", 512}, {"1290", 128},
        {"30", 2},     {"19", 0},     {"0", 0},      {"-19", 0},    {"5139", 512},
    };
    for (const auto& [text, rows] : sizes) {
        ui.texts[Box::cboHeight] = text;
        frame.BeginOperation();
        EXPECT_EQ(state().MapRows, rows) << text;
        EXPECT_EQ(state().MapCols, rows) << text;
    }
}

TEST_F(FrameTest, SnapshotCopiesOnlyTheMapInUse)
{
    map()(0, 0) = 5;
    map()(1, 1) = 7;
    map()(128, 128) = 9;
    map()(129, 1) = 11;
    map()(1, 129) = 13;
    frame.BeginOperation();
    Grid expected;
    expected(1, 1) = 7;
    expected(128, 128) = 9;
    EXPECT_EQ(state().UndoMap, expected);
}

TEST_F(FrameTest, ASizeBeyondTheGridsIsRefusedAfterTheControlsAreEnabled)
{
    for (const char* text : {"5140", "-20", "99999"}) {
        ui.texts[Box::cboHeight] = text;
        EXPECT_EQ(errorOf(frame),
                  "'" + std::string(text) + "' is not a valid map size: Height / Width takes 0 to 5139");
        EXPECT_TRUE(ui.enabled["UndoZ1"]);
        EXPECT_TRUE(ui.enabled["btnRotRight"]);
        EXPECT_FALSE(ui.enabled.count("Save1"));
        EXPECT_FALSE(ui.boxEnabled.count(Box::cboHeight));
        EXPECT_EQ(state().MapRows, 0);
        EXPECT_TRUE(state().params.FirstOperation);
        EXPECT_TRUE(ui.calls.empty());
    }
}

TEST_F(FrameTest, TheFirstBadBoxInReadingOrderIsReported)
{
    const std::vector<std::pair<Box, const char*>> order{
        {Box::cboHeight, "integer"},     {Box::ediReal, "floating point"},  {Box::ediImaginary, "floating point"},
        {Box::cboDistort, "floating point"}, {Box::cboMagnify, "floating point"}, {Box::cboSteep, "integer"},
        {Box::ediIterations, "integer"}, {Box::ediSeaLevel, "integer"},     {Box::ediShift, "integer"},
    };
    for (std::size_t i = 0; i < order.size(); ++i) {
        ui = tolvar::testing::FakeUi{};
        ui.texts[order[i].first] = "bad" + std::to_string(i);
        if (i + 1 < order.size())
            ui.texts[order[i + 1].first] = "later";
        EXPECT_EQ(errorOf(frame),
                  "'bad" + std::to_string(i) + "' is not a valid " + order[i].second + " value");
    }
}

TEST_F(FrameTest, AFailedReadKeepsTheSizeButTakesNoSnapshot)
{
    frame.BeginOperation();
    map()(5, 5) = 42;
    ui.texts[Box::cboHeight] = "2560";
    ui.boxEnabled.clear();
    ui.texts[Box::ediReal] = "abc";
    EXPECT_EQ(errorOf(frame), "'abc' is not a valid floating point value");
    EXPECT_EQ(state().MapRows, 256);
    EXPECT_FALSE(ui.boxEnabled[Box::cboHeight]);
    EXPECT_EQ(state().UndoMap(5, 5), 0);
}

TEST_F(FrameTest, LogCommandAppendsOnlyWhenLoggingAndNotReplaying)
{
    frame.LogCommand("Smz");
    EXPECT_TRUE(ui.history.empty());

    logHistory();
    frame.LogCommand("Smz");
    frame.LogCommand("Crc=1,-2,3");
    EXPECT_EQ(ui.history, (std::vector<std::string>{"Smz", "Crc=1,-2,3"}));

    state().params.Replaying = true;
    frame.LogCommand("Inv");
    EXPECT_EQ(ui.history.size(), 2u);
}

TEST_F(FrameTest, BusyCursorGoesThroughTheUi)
{
    frame.BusyCursorOn();
    EXPECT_TRUE(ui.busy);
    frame.BusyCursorOff();
    EXPECT_FALSE(ui.busy);
}

namespace {

// A view whose showing resizes it, and a resize refreshes all views.
class ResizingUi : public tolvar::testing::FakeUi {
public:
    void refreshViews() override
    {
        FakeUi::refreshViews();
        if (frame)
            frame->RefreshViews();
    }
    Frame* frame = nullptr;
};

} // namespace

TEST_F(FrameTest, ARefreshFromWithinARefreshIsSkipped)
{
    ResizingUi resizing;
    Frame inner{resizing, prompter};
    resizing.frame = &inner;
    inner.RefreshViews();
    EXPECT_EQ(resizing.calls, (std::vector<std::string>{"refresh views"}));
    resizing.calls.clear();
    inner.RefreshViews();
    EXPECT_EQ(resizing.calls.size(), 1u);
}
