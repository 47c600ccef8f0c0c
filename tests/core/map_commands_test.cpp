#include "frame_fixture.h"

#include "core/error.h"
#include "core/map_commands.h"

#include <vector>

using namespace tolvar;
using tolvar::testing::FrameTest;

TEST_F(FrameTest, UndoRestoresTheSnapshotOnceAndSaysSo)
{
    map()(3, 4) = 100;
    frame.BeginOperation();
    map()(3, 4) = 200;
    map()(128, 128) = 7;
    ui.calls.clear();

    Undo(frame);
    EXPECT_EQ(map()(3, 4), 100);
    EXPECT_EQ(map()(128, 128), 0);
    EXPECT_FALSE(ui.enabled["UndoZ1"]);
    EXPECT_EQ(ui.calls, (std::vector<std::string>{"refresh views", "point Undone"}));
    EXPECT_TRUE(ui.history.empty());
}

TEST_F(FrameTest, UndoAfterAFailedOperationRestoresTheLastGoodSnapshot)
{
    map()(1, 1) = 10;
    frame.BeginOperation();
    map()(1, 1) = 20;
    ui.texts[Box::cboSteep] = "x";
    EXPECT_THROW(frame.BeginOperation(), Error);
    map()(1, 1) = 30;
    Undo(frame);
    EXPECT_EQ(map()(1, 1), 10);
}

TEST_F(FrameTest, NewConfirmedClearsTheWholeDataAreaAndUnlocksTheSize)
{
    logHistory();
    map()(0, 0) = 3;
    map()(1, 1) = 9;
    map()(300, 300) = 5;
    map()(512, 512) = 6;
    map()(513, 5) = 4;
    map()(5, 513) = 2;
    prompter.queueConfirm(true);

    NewMap(frame);
    EXPECT_EQ(prompter.asked(), std::vector<std::string>{"New Map: This will clear the current map."});
    Grid expected;
    expected(0, 0) = 3;
    expected(513, 5) = 4;
    expected(5, 513) = 2;
    EXPECT_EQ(map(), expected);
    EXPECT_TRUE(ui.boxEnabled[Box::cboHeight]);
    EXPECT_TRUE(ui.enabled["Save1"]);
    EXPECT_EQ(ui.history, std::vector<std::string>{"New"});
    EXPECT_EQ(ui.calls, (std::vector<std::string>{"new bitmap", "hide views for new map", "refresh views"}));

    // Undo brings back the 128 x 128 map only.
    Undo(frame);
    EXPECT_EQ(map()(1, 1), 9);
    EXPECT_EQ(map()(300, 300), 0);
    EXPECT_EQ(map()(512, 512), 0);
}

TEST_F(FrameTest, NewCancelledKeepsTheMapButStillLogsAndRefreshes)
{
    logHistory();
    map()(1, 1) = 9;
    prompter.queueConfirm(false);
    NewMap(frame);
    EXPECT_EQ(map()(1, 1), 9);
    EXPECT_FALSE(ui.enabled.count("Save1"));
    EXPECT_EQ(ui.history, std::vector<std::string>{"New"});
    EXPECT_EQ(ui.calls, (std::vector<std::string>{"refresh views"}));
}

TEST_F(FrameTest, AfterNewALargerSizeCanBeChosen)
{
    frame.BeginOperation();
    map()(100, 100) = 1;
    prompter.queueConfirm(true);
    NewMap(frame);
    ui.texts[Box::cboHeight] = "5120";
    frame.BeginOperation();
    EXPECT_EQ(state().MapRows, 512);
    EXPECT_EQ(map()(100, 100), 0);
}

TEST_F(FrameTest, SetRandomSeedTakesTheBoxAsASigned32BitValue)
{
    logHistory();
    ui.texts[Box::ediRandSeed] = "-5";
    SetRandomSeed(frame);
    EXPECT_EQ(state().random.RandomSeed, 4294967291u);
    EXPECT_EQ(ui.history, std::vector<std::string>{"Rnd=-5"});

    ui.texts[Box::ediRandSeed] = "1.5";
    EXPECT_THROW(SetRandomSeed(frame), Error);
    EXPECT_EQ(state().random.RandomSeed, 4294967291u);
    EXPECT_EQ(ui.history.size(), 1u);
}

TEST_F(FrameTest, RandomizeWritesTheClockSeedIntoTheBox)
{
    logHistory();
    Randomize(frame);
    const std::uint32_t seed = state().random.RandomSeed;
    EXPECT_LT(seed, 86400000u);
    EXPECT_EQ(ui.texts[Box::ediRandSeed], std::to_string(seed));
    EXPECT_EQ(ui.history, std::vector<std::string>{"Rnd=" + std::to_string(seed)});
}
