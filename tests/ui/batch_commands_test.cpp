#include "batch_runner.h"
#include "import_files.h"

#include <QImage>
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>

using tolvar::testing::readFile;
using tolvar::testing::runBatch;
using tolvar::testing::scratchDirectory;

namespace {

// A grid file with `value` in rows and columns 1..side and 0 elsewhere.
std::string gridWith(int side, std::uint16_t value)
{
    std::string bytes(514 * 514 * 2, '\0');
    for (int r = 1; r <= side; ++r)
        for (int c = 1; c <= side; ++c) {
            bytes[static_cast<std::size_t>(2 * (r * 514 + c))] = static_cast<char>(value & 0xFF);
            bytes[static_cast<std::size_t>(2 * (r * 514 + c) + 1)] = static_cast<char>(value >> 8);
        }
    return bytes;
}

// "Real Part" 3 escapes at once everywhere: every cell holds Steepness.
const std::vector<std::string> flatRun{"ediReal=3", "ediImaginary=0", "cboSteep=7", "Run1"};

std::vector<std::string> with(std::vector<std::string> steps, const std::vector<std::string>& more)
{
    steps.insert(steps.end(), more.begin(), more.end());
    return steps;
}

class BatchCommands : public ::testing::Test {
protected:
    ~BatchCommands() override { tolvar::testing::removeScratchDirectory(dir); }
    std::string dir = scratchDirectory();
};

} // namespace

TEST_F(BatchCommands, RunFillsTheWholeMapThroughTheMenu)
{
    const auto r = runBatch(with(flatRun, {"grid=" + dir + "/g.raw", "print=labMapInfo", "print=cboHeight"}));
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(readFile(dir + "/g.raw"), gridWith(128, 7));
    EXPECT_EQ(r.out, "labMapInfo=Max = 7  Min = 7  Avg = 7\ncboHeight=1280\n");
}

TEST_F(BatchCommands, ABadParameterStopsRun)
{
    const auto r = runBatch({"ediReal=abc", "Run1", "print=cboHeight"});
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.err, "error: 'abc' is not a valid floating point value\n");
}

// Near the edge of the set orbits neither escape nor repeat for a long time.
TEST_F(BatchCommands, CancellingALongRunPutsBackTheMapAndTheUndoMap)
{
    const auto r = runBatch({"Run1", "grid=" + dir + "/mandel.raw", "cboSteep=3", "Run1", "grid=" + dir + "/before.raw",
                             "JuliaBrot1", "ediReal=-.3905409", "ediImaginary=-.586788", "cboMagnify=.000001",
                             "ediIterations=2000000000", "cancel-after=1200", "Run1", "grid=" + dir + "/after.raw",
                             "UndoZ1", "grid=" + dir + "/undone.raw"});
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.err, "");
    // Whole grids, compared without printing them.
    EXPECT_TRUE(readFile(dir + "/after.raw") == readFile(dir + "/before.raw")) << "the map";
    EXPECT_TRUE(readFile(dir + "/undone.raw") == readFile(dir + "/mandel.raw")) << "the map Undo restores";
    EXPECT_FALSE(readFile(dir + "/before.raw") == readFile(dir + "/mandel.raw"));
}

TEST_F(BatchCommands, AfterRunTheSizeIsLockedAndTheViewsShow)
{
    const auto r = runBatch(with(flatRun, {"print=frmMapDisplay", "print=frm1st", "print=frmDisplay", "cboHeight=2560"}));
    EXPECT_EQ(r.status, 2);
    EXPECT_EQ(r.out, "frmMapDisplay=enabled unchecked visible\nfrm1st=enabled unchecked visible\n"
                     "frmDisplay=enabled unchecked hidden\n");
}

TEST_F(BatchCommands, SaveAndOpenAHeightFile)
{
    const std::string file = dir + "/flat.hgt";
    const auto saved = runBatch(with(flatRun, {"dialog=" + file, "Save1"}));
    ASSERT_EQ(saved.status, 0) << saved.err;
    std::string words;
    for (int i = 0; i < 128 * 128; ++i)
        words += std::string{'\x07', '\0'};
    EXPECT_EQ(readFile(file), words);

    const auto opened = runBatch({"dialog=" + file, "Open1", "print=cboHeight", "print=labPointInfo",
                                  "grid=" + dir + "/g.raw"});
    ASSERT_EQ(opened.status, 0) << opened.err;
    EXPECT_EQ(opened.out, "cboHeight=1280\nlabPointInfo=16384\n");
    EXPECT_EQ(readFile(dir + "/g.raw"), gridWith(128, 7));
}

TEST_F(BatchCommands, OpeningA256MapSetsTheSize)
{
    const std::string file = dir + "/big.hgt";
    std::ofstream(file, std::ios::binary) << std::string(131072, '\x01');
    const auto r = runBatch({"dialog=" + file, "Open1", "print=cboHeight", "print=labPointInfo", "print=labMapInfo"});
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.out, "cboHeight=2560\nlabPointInfo=65536\nlabMapInfo=Max = 257  Min = 257  Avg = 257\n");
}

TEST_F(BatchCommands, AShortHeightFileIsReportedAndTheOpenDialogCanBeCancelled)
{
    const std::string file = dir + "/short.hgt";
    std::ofstream(file, std::ios::binary) << "abc";
    const auto r = runBatch({"dialog=" + file, "Open1"});
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.err, "error: Read beyond end of file\n");

    const auto cancelled = runBatch({"dialog=", "Open1", "print=Save1", "print=UndoZ1"});
    EXPECT_EQ(cancelled.status, 0);
    EXPECT_EQ(cancelled.out, "Save1=enabled unchecked visible\nUndoZ1=enabled unchecked visible\n");
}

TEST_F(BatchCommands, APressOnThePlanNamesTheCellUnderIt)
{
    const auto r = runBatch(with(flatRun, {"press=imgMap:2,2", "print=labPointInfo", "press=imgMap:255,255",
                                           "print=labPointInfo", "UndoZ1", "print=labPointInfo"}));
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.out, "labPointInfo=(128,1):7\nlabPointInfo=(1,128):7\nlabPointInfo=Undone\n");
    EXPECT_EQ(runBatch({"press=imgMap:2,2"}).status, 2); // the window is not shown yet
    EXPECT_EQ(runBatch({"press=imgMap:256,0"}).status, 2);
}

TEST_F(BatchCommands, ShotsWriteEachViewsOwnPicture)
{
    EXPECT_EQ(runBatch({"shot=frmMapDisplay:" + dir + "/none.png"}).status, 2);
    const auto r = runBatch(with(flatRun, {"Wireframe2", "shot=frmMapDisplay:" + dir + "/plan.png",
                                           "shot=frmDisplay:" + dir + "/wire.png", "shot=frm1st:" + dir + "/wing.png"}));
    ASSERT_EQ(r.status, 0) << r.err;

    const QImage plan(QString::fromStdString(dir + "/plan.png"));
    ASSERT_EQ(plan.size(), QSize(129, 129));
    EXPECT_EQ(plan.pixel(1, 1), qRgb(7, 0, 0));
    EXPECT_EQ(plan.pixel(128, 128), qRgb(7, 0, 0));

    // The offscreen screen is 1280 x 1024, so the maximised display clamps to 1024 x 768.
    EXPECT_EQ(QImage(QString::fromStdString(dir + "/wire.png")).size(), QSize(1024, 768));

    const QImage wing(QString::fromStdString(dir + "/wing.png"));
    ASSERT_EQ(wing.format(), QImage::Format_Indexed8);
    EXPECT_EQ(wing.color(31), qRgb(0, 250, 0));
    EXPECT_EQ(wing.color(216), qRgb(250, 250, 250));
}

TEST_F(BatchCommands, DoubleClickingTheDisplaySavesItsPicture)
{
    const auto r = runBatch(with(flatRun, {"Wireframe2", "dblclick=frmDisplay"}), dir);
    ASSERT_EQ(r.status, 0) << r.err;
    const QImage saved(QString::fromStdString(dir + "/WireFram.bmp"));
    EXPECT_EQ(saved.size(), QSize(1024, 768));

    std::filesystem::remove(dir + "/WireFram.bmp");
    std::filesystem::create_directory(dir + "/WireFram.bmp");
    const auto blocked = runBatch(with(flatRun, {"Wireframe2", "dblclick=frmDisplay"}), dir);
    EXPECT_EQ(blocked.status, 1);
    EXPECT_EQ(blocked.err, "error: Cannot create file WireFram.bmp\n");
}

// Each import item runs from the driver: a 4-profile DEM on a 4 x 4 map, a
// raw Vistapro file, a text file, the three bitmap modes and a batch file.
TEST_F(BatchCommands, EveryImportRunsFromItsItem)
{
    namespace t = tolvar::testing;
    t::writeFile(dir + "/a.dem", t::usgsDem(std::vector<t::DemProfile>(4, {t::demFields(6, 0)})));
    t::writeFile(dir + "/a.vis", std::string(135176, '\2'));
    t::writeFile(dir + "/a.txt", t::textHeights(std::vector<long>(257 * 257, 9)));
    t::writeFile(dir + "/a.par", "mandel { reset corners=-2.5/1.5/-1.5/1.5 maxiter=150 }\n");
    const std::string bmp = "dialog=" + std::string(TOLVAR_TEST_DATA) + "/bmpsuite/g/rgb24.bmp";
    const auto r = runBatch({"cboHeight=40", "dialog=" + dir + "/a.dem", "OpenDEMFile1", "dialog=" + dir + "/a.vis",
                             "SaveDEMFile1", "print=labMapInfo", "dialog=" + dir + "/a.txt", "OpenTXTFile1",
                             "print=labMapInfo", "print=cboHeight", bmp, "OpenBitmapAveraged1", bmp,
                             "OpenBitmapDivided1", bmp, "OpenBitmap1", "print=cboHeight", "dialog=" + dir + "/a.par",
                             "OpenHistory1", "print=ediReal", "print=ediImaginary", "print=cboMagnify"});
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.out, "labMapInfo=Max = 514  Min = 514  Avg = 514\nlabMapInfo=Max = 9  Min = 9  Avg = 9\n"
                     "cboHeight=2560\ncboHeight=640\nediReal=-2.5\nediImaginary=-1.5\ncboMagnify=3\n");
}

// The three saves come alive with Save; what each image or raw save writes,
// its open reads back into a cleared map, the whole grid alike.
TEST_F(BatchCommands, TheExchangeFormatsSaveAndOpenThroughTheirItems)
{
    const auto r = runBatch({"print=SaveBitmap1", "Julia1", "Run1", "print=SaveBinaryFile1", "grid=run.raw",
                             "dialog=map.png", "SaveBitmap1", "dialog=map.r16", "SaveBinaryFile1", "dialog=map.txt",
                             "SaveTXTFile1", "confirm=ok", "New1", "dialog=map.png", "OpenPngHeight1", "grid=png.raw",
                             "confirm=ok", "New1", "dialog=map.r16", "OpenBinaryFile1", "grid=r16.raw"},
                            dir);
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.out, "SaveBitmap1=disabled unchecked visible\nSaveBinaryFile1=enabled unchecked visible\n"
                     "box=This will clear the current map.\nbox=This will clear the current map.\n");
    EXPECT_NE(readFile(dir + "/run.raw"), gridWith(128, 0));
    EXPECT_TRUE(readFile(dir + "/png.raw") == readFile(dir + "/run.raw"));
    EXPECT_TRUE(readFile(dir + "/r16.raw") == readFile(dir + "/run.raw"));
    const std::string text = readFile(dir + "/map.txt");
    EXPECT_EQ(std::count(text.begin(), text.end(), '\n'), 257);
    EXPECT_EQ(text.back(), '\n');
}
