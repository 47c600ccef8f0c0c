#include "batch_runner.h"

#include <gtest/gtest.h>


using tolvar::testing::readFile;
using tolvar::testing::runBatch;

// Strokes drawn with the mouse at two zooms log their points as given; Undo
// and Step Backward take back the last stroke only; a refused radius changes nothing; and a
// second program reruns the log to the same grid.
TEST(BatchSculpt, StrokesUndoAndRerunToTheSameMap)
{
    const std::string dir = tolvar::testing::scratchDirectory();
    const auto drawn = runBatch({"--keep-going",
                                 "SessionLogging1",
                                 "cboHeight=2560",
                                 "Run1",
                                 "Sculpt1",
                                 "ediRadius=12",
                                 "drag=frmSculpt:20.5,30.25;60,90.5;100.33,40",
                                 "zoom=frmSculpt:250",
                                 "cboBrush=Smooth",
                                 "drag=frmSculpt:200,200;150,210.07",
                                 "cboBrush=Ramp",
                                 "ediHardness=100",
                                 "drag=frmSculpt:30,200;90,90;240,31",
                                 "grid=before.raw",
                                 "ediRadius=0",
                                 "drag=frmSculpt:70,70;80,80",
                                 "grid=refused.raw",
                                 "ediRadius=128",
                                 "cboBrush=Set Height",
                                 "ediTarget=65535",
                                 "ediStrength=100",
                                 "drag=frmSculpt:128,128",
                                 "grid=after.raw",
                                 "history-out=log.txt",
                                 "UndoZ1",
                                 "grid=undone.raw",
                                 "StepBack1",
                                 "StepBack1",
                                 "grid=stepped.raw"},
                                dir);
    EXPECT_EQ(drawn.status, 1);
    EXPECT_EQ(drawn.err, "error: '0' is not a valid radius: it takes 1 to 128\n");
    const std::string log = readFile(dir + "/log.txt");
    EXPECT_TRUE(log.ends_with("Run\nBrs=Raise,12,50,50,1000,20.5,30.25;60,90.5;100.33,40\n"
                              "Brs=Smooth,12,50,50,1000,200,200;150,210.07\n"
                              "Brs=Ramp,12,50,100,1000,30,200;240,31\n"
                              "Brs=Set Height,128,100,100,65535,128,128\n"))
        << log;
    const std::string before = readFile(dir + "/before.raw");
    EXPECT_EQ(readFile(dir + "/refused.raw"), before);
    EXPECT_NE(readFile(dir + "/after.raw"), before);
    EXPECT_EQ(readFile(dir + "/undone.raw"), before);
    EXPECT_EQ(readFile(dir + "/stepped.raw"), before) << "a stroke is one step state, press to release";

    const auto rerun = runBatch({"cboHeight=2560", "history=log.txt", "Rerun1", "grid=rerun.raw"}, dir);
    ASSERT_EQ(rerun.status, 0) << rerun.err;
    EXPECT_TRUE(readFile(dir + "/rerun.raw") == readFile(dir + "/after.raw"));
    tolvar::testing::removeScratchDirectory(dir);
}

// Through the mouse, on a generated 256 map: Raise over a pad that Set Height
// put at 65535 keeps it there, as Lower does over one put at 0, and no cell
// of the map moves the wrong way.
TEST(BatchSculpt, RaiseAndLowerStopAtTheEndsOfTheHeightRange)
{
    const std::string dir = tolvar::testing::scratchDirectory();
    const std::string path = "drag=frmSculpt:40.5,50;90,120.25;150.75,70";
    for (const auto& [brush, end] : {std::pair{"Raise", 65535}, std::pair{"Lower", 0}}) {
        const auto r =
            runBatch({"cboHeight=2560", "Run1", "Sculpt1", "cboBrush=Set Height", "ediTarget=" + std::to_string(end),
                      "ediStrength=100", "ediHardness=100", "ediRadius=9", path, "grid=pad",
                      "cboBrush=" + std::string(brush), "ediHardness=30", "ediRadius=15", path, "grid=worked"},
                     dir);
        ASSERT_EQ(r.status, 0) << r.err;
        const std::vector<int> pad = tolvar::testing::readGrid(dir + "/pad");
        const std::vector<int> worked = tolvar::testing::readGrid(dir + "/worked");
        ASSERT_EQ(pad.size(), 514u * 514u);
        ASSERT_EQ(worked.size(), pad.size());
        const int way = end == 0 ? -1 : 1;
        int atEnd = 0, moved = 0, wrongWay = 0;
        for (int row = 1; row <= 256; ++row)
            for (int col = 1; col <= 256; ++col) {
                const int before = pad[row * 514 + col], after = worked[row * 514 + col];
                atEnd += before == end;
                moved += after != before;
                wrongWay += (after - before) * way < 0;
            }
        EXPECT_EQ(wrongWay, 0) << brush;
        EXPECT_GT(atEnd, 1000) << brush;
        EXPECT_GT(moved, 1000) << brush;
    }
    tolvar::testing::removeScratchDirectory(dir);
}
