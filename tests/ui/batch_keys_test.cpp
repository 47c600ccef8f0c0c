#include "batch_runner.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

using tolvar::testing::readFile;
using tolvar::testing::runBatch;

namespace {

std::vector<std::string> joined(std::vector<std::string> first, const std::vector<std::string>& then)
{
    first.insert(first.end(), then.begin(), then.end());
    return first;
}

} // namespace

// Each menu key pressed with another window active does what its item does
// when clicked: the grids after each key match a run that clicks the items,
// and each of those grids differs from the one before, so a key that went
// nowhere would show.
TEST(BatchKeys, TheMenuKeysWorkFromEveryWindow)
{
    QTemporaryDir dir;
    const std::string d = dir.path().toStdString() + "/";
    const std::vector<std::string> start{"--keep-going", "ediRandSeed=31", "SetRandSeed1", "Mountains1", "Run1",
                                         "Sculpt1",      "Toolbox1",       "HistoryStates1", "Wireframe2"};
    const auto clicked =
        runBatch(joined(start, {"dialog=" + d + "ref.hgt", "Save1", "Smooth1", "Smooth1", "UndoZ1", "grid=" + d + "r0",
                                "StepBack1", "grid=" + d + "r1", "StepForward1", "grid=" + d + "r2", "Smooth1",
                                "dialog=" + d + "ref.hgt", "Open1", "grid=" + d + "r3", "confirm=ok", "New1",
                                "grid=" + d + "r4"}));
    ASSERT_EQ(clicked.status, 0) << clicked.err;
    for (const char* before : {"r0", "r1", "r2", "r3"}) {
        const std::string after = std::string("r") + char(before[1] + 1);
        ASSERT_FALSE(readFile(d + before) == readFile(d + after)) << before;
    }

    for (const std::string window : {"frmSculpt", "frmStates", "frmToolbox", "frmDisplay", "frm1st", "frmMapDisplay"}) {
        const std::string w = "key=" + window + ":";
        const std::string p = d + window + "-";
        const auto keyed = runBatch(joined(
            start, {"dialog=" + p + ".hgt", "Save1", w + "Ctrl+S", w + "Ctrl+S", w + "Ctrl+Z", "grid=" + p + "0",
                    w + "Ctrl+Alt+Z", "grid=" + p + "1", w + "Ctrl+Shift+Z", "grid=" + p + "2", w + "Ctrl+S",
                    "dialog=" + p + ".hgt", w + "Ctrl+O", "grid=" + p + "3", "confirm=ok", w + "Ctrl+N",
                    "grid=" + p + "4", w + "Ctrl+3", w + "Ctrl+B", "print=Sculpt1"}));
        // Ctrl+N asks before it clears the map; Ctrl+3 reaches View > 3D
        // View, which says that the offscreen platform has no OpenGL; Ctrl+B
        // closes Sculpt.
        EXPECT_EQ(keyed.status, 1) << window << keyed.err;
        EXPECT_EQ(keyed.err, "error: The 3D View needs OpenGL, and this display offers none.\n") << window;
        EXPECT_EQ(keyed.out, "box=This will clear the current map.\nSculpt1=enabled unchecked visible\n") << window;
        for (const char step : {'0', '1', '2', '3', '4'})
            EXPECT_TRUE(readFile(p + step) == readFile(d + "r" + step)) << window << " grid " << step;
    }
}

// With the focus in a box of Sculpt the bracket keys are typed into it;
// elsewhere in the window they halve and double the brush, within its range.
TEST(BatchKeys, BracketsHalveAndDoubleTheBrushRadiusAndStrength)
{
    const auto r = runBatch({"Run1", "Sculpt1", "ediRadius=37", "ediStrength=70", "key=frmSculpt:]",
                             "print=ediRadius", "key=frmSculpt:]", "print=ediRadius", "key=frmSculpt:[",
                             "print=ediRadius", "key=frmSculpt:[", "key=frmSculpt:[", "key=frmSculpt:[",
                             "key=frmSculpt:[", "key=frmSculpt:[", "print=ediRadius", "key=frmSculpt:[",
                             "print=ediRadius", "key=frmSculpt:}", "print=ediStrength", "key=frmSculpt:{",
                             "key=frmSculpt:{", "key=frmSculpt:{", "print=ediStrength", "print=ediHardness"});
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.out, "ediRadius=74\n"
                     "ediRadius=128\n"
                     "ediRadius=64\n"
                     "ediRadius=2\n"
                     "ediRadius=1\n"
                     "ediStrength=100\n"
                     "ediStrength=12\n"
                     "ediHardness=50\n");
}
