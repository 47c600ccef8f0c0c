#include "batch_runner.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <filesystem>

using tolvar::testing::runBatch;

TEST(BatchDriver, SetsTheSeedFromTheBox)
{
    const auto r = runBatch({"ediRandSeed=-5", "SetRandSeed1", "print=ediRandSeed"});
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.out, "ediRandSeed=-5\n");
    EXPECT_EQ(r.err, "");
}

TEST(BatchDriver, RandomizePrintsTheUtcTimeOfDayInMilliseconds)
{
    using namespace std::chrono;
    const auto msOfDay = [] {
        return duration_cast<milliseconds>(system_clock::now().time_since_epoch()).count() % 86'400'000;
    };
    const auto before = msOfDay();
    const auto r = runBatch({"GetRandomSeed1", "print=ediRandSeed"});
    const auto after = msOfDay();
    ASSERT_EQ(r.status, 0);
    ASSERT_TRUE(r.out.starts_with("ediRandSeed="));
    const long long seed = std::stoll(r.out.substr(12));
    if (before <= after) { // not across midnight
        EXPECT_GE(seed, before);
        EXPECT_LE(seed, after);
    }
}

TEST(BatchDriver, PrintsStatesAndTexts)
{
    const auto r = runBatch({"print=UndoZ1", "print=View1", "print=Save1", "print=cboHeight", "print=Mandelbrot1",
                             "print=Shift1", "print=btnUp", "print=frmMapDisplay", "print=Form1"});
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.out, "UndoZ1=disabled unchecked visible\n"
                     "View1=disabled unchecked visible\n"
                     "Save1=disabled unchecked visible\n"
                     "cboHeight=1280\n"
                     "Mandelbrot1=enabled checked visible\n"
                     "Shift1=enabled unchecked hidden\n"
                     "btnUp=disabled unchecked visible\n"
                     "frmMapDisplay=enabled unchecked hidden\n"
                     "Form1=enabled unchecked visible\n");
}

TEST(BatchDriver, AnErrorBoxEndsTheRunWithStatusOne)
{
    const auto r = runBatch({"cboHeight=abc", "confirm=ok", "New1", "print=ediShift"});
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.err, "error: 'abc' is not a valid integer value\n");
    EXPECT_EQ(r.out, "box=This will clear the current map.\n");
}

TEST(BatchDriver, KeepGoingCarriesOnAfterAnError)
{
    const auto r = runBatch({"--keep-going", "cboHeight=abc", "confirm=ok", "New1", "cboHeight=2560", "confirm=ok",
                             "New1", "print=Save1"});
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.err, "error: 'abc' is not a valid integer value\n");
    EXPECT_EQ(r.out, "box=This will clear the current map.\nbox=This will clear the current map.\nSave1=enabled unchecked visible\n");
}

TEST(BatchDriver, RefusesWhatAUserCouldNotDo)
{
    for (const std::vector<std::string>& steps : std::vector<std::vector<std::string>>{
             {"Add1"},                   // Combine is disabled before the first Copy
             {"New1"},                   // no answer waiting for the box
             {"confirm=ok", "New1", "print=Save1", "btnNowhere"}, // unknown name, found before any step
             {"confirm=maybe"},
             {"print=nothing"},
             {"cboNothing=1"},
             {"cboHeight"},
             {"OpenSession1"}, // disabled in the open Session menu
             {"history="},
             {"cancel-after=soon"},
             {"cancel-after=-1"},
             {"--bogus"},
             {"tool=Smooth1"},                   // the Toolbox is hidden
             {"Run1", "Toolbox1", "tool=Bogus"}, // no such button, found before any step
             {"Toolbox1", "tool=UndoZ1"}, // Undo waits for a first operation
             {"screen=shot.bmp"},
         }) {
        const auto r = runBatch(steps);
        EXPECT_EQ(r.status, 2) << steps.back();
        EXPECT_TRUE(r.err.starts_with("usage: ")) << r.err;
        EXPECT_EQ(r.out, "") << steps.back();
    }
}

TEST(BatchDriver, ClicksAndPrintsTheToolbox)
{
    const auto r = runBatch({"Run1", "Toolbox1", "tool=Mountains1", "tool=UndoZ1", "print=frmToolbox"});
    EXPECT_EQ(r.status, 0);
    EXPECT_TRUE(r.out.starts_with("frmToolbox=enabled unchecked visible\nfrmToolbox.Run1=enabled unchecked visible\n"));
    for (const char* line : {"Mountains1=enabled checked", "Mandelbrot1=enabled unchecked", "UndoZ1=disabled unchecked",
                             "Thermal1=enabled unchecked", "btnRotLeft=enabled unchecked"})
        EXPECT_NE(r.out.find("\nfrmToolbox." + std::string(line) + " visible\n"), std::string::npos) << line;
    EXPECT_EQ(std::count(r.out.begin(), r.out.end(), '\n'), 27);
}

TEST(BatchDriver, ALockedSizeBoxCannotBeTypedInto)
{
    // A failed read after the size is taken leaves the size box locked.
    const auto r = runBatch({"--keep-going", "ediReal=x", "confirm=ok", "New1", "print=cboHeight", "cboHeight=2560"});
    EXPECT_EQ(r.status, 2);
    EXPECT_EQ(r.out, "box=This will clear the current map.\ncboHeight=1280\n");
    EXPECT_EQ(r.err, "error: 'x' is not a valid floating point value\nusage: the box cboHeight is disabled\n");
}

TEST(BatchDriver, AnsweredDialogsAndLeftoverAnswers)
{
    const auto r = runBatch({"confirm=cancel", "New1", "print=Save1", "confirm=ok", "dialog=unused.hgt"});
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.out, "box=This will clear the current map.\nSave1=disabled unchecked visible\n");
}

TEST(BatchDriver, WritesTheWholeGrid)
{
    const std::string dir = tolvar::testing::scratchDirectory();
    const std::string path = dir + "/grid.raw";
    const auto r = runBatch({"grid=" + path});
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(tolvar::testing::readFile(path), std::string(514 * 514 * 2, '\0'));

    const auto bad = runBatch({"grid=" + dir + "/missing/grid.raw"});
    EXPECT_EQ(bad.status, 1);
    EXPECT_EQ(bad.err, "error: Cannot create file " + dir + "/missing/grid.raw\n");
    std::filesystem::remove_all(dir);
}

TEST(BatchDriver, ExitEndsTheRun)
{
    const auto r = runBatch({"Exit1", "print=cboHeight"});
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.out, "");
}

TEST(BatchDriver, HelpDescribesTheSteps)
{
    const auto r = runBatch({"--keep-going", "--help"});
    EXPECT_EQ(r.status, 0);
    EXPECT_TRUE(r.out.starts_with("usage: tolvar-batch"));
}
