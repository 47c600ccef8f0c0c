#include "batch_runner.h"

#include <gtest/gtest.h>

#include <QProcess>

#include <chrono>
#include <filesystem>
#include <thread>

using tolvar::testing::readFile;
using tolvar::testing::runBatch;
using tolvar::testing::startBatch;
namespace fs = std::filesystem;

namespace {

// The recovery copies in dir, once at least one is there (ten seconds at most).
std::vector<fs::path> copiesIn(const fs::path& dir, bool waitForOne = false)
{
    for (int tries = 0; tries < 100; ++tries) {
        std::vector<fs::path> copies;
        if (fs::exists(dir))
            for (const auto& entry : fs::directory_iterator(dir))
                if (entry.path().extension() == ".recovery")
                    copies.push_back(entry.path());
        if (!copies.empty() || !waitForOne)
            return copies;
        std::this_thread::sleep_for(std::chrono::milliseconds(100));
    }
    return {};
}

// Ends the run as a crash would, with no chance to tidy up.
void killHard(QProcess& run)
{
    run.kill();
    run.waitForFinished();
}

} // namespace

// The whole way a user meets it: work, a killed Tolvar, a start that offers
// the copy, and the map back cell for cell, border ring included.
TEST(BatchRecovery, AKilledRunsMapComesBackAtTheNextStart)
{
    const fs::path dir = tolvar::testing::scratchDirectory();
    const std::string rec = (dir / "rec").string(), before = (dir / "before").string();
    const auto first = startBatch({"--recovery-dir", rec, "--autosave-seconds", "1", "cboHeight=2560", "Run1",
                                    "Smooth1", "RotLeft1", "grid=" + before, "wait=20000"});
    // The copy is written every second; wait for one written after the grid.
    for (int tries = 0; tries < 100 && !fs::exists(before); ++tries)
        std::this_thread::sleep_for(std::chrono::milliseconds(100));
    std::this_thread::sleep_for(std::chrono::milliseconds(1500));
    const auto left = copiesIn(rec, true);
    ASSERT_EQ(left.size(), 1u);

    // While the first run lives, its lock keeps its copy from being offered.
    const auto meanwhile = runBatch({"--recovery-dir", rec, "print=cboHeight"});
    EXPECT_EQ(meanwhile.status, 0) << meanwhile.err;
    killHard(*first);
    EXPECT_EQ(copiesIn(rec), left);

    const auto unanswered = runBatch({"--recovery-dir", rec, "print=cboHeight"});
    EXPECT_EQ(unanswered.err, "usage: no answer waiting for the box \"Tolvar\"\n");
    const auto recovered = runBatch({"--recovery-dir", rec, "answer=yes", "grid=" + (dir / "after").string(),
                                     "print=cboHeight", "StepBack1", "print=labPointInfo"});
    EXPECT_EQ(recovered.status, 0) << recovered.err;
    EXPECT_TRUE(recovered.out.starts_with("box=Tolvar closed before saving your last map (")) << recovered.out;
    EXPECT_TRUE(recovered.out.ends_with("). Recover it?\ncboHeight=2560\nlabPointInfo=Step 1 of 2\n"));
    EXPECT_EQ(readFile((dir / "after").string()), readFile(before));
    EXPECT_TRUE(copiesIn(rec).empty()); // Step Backward went back to before the recovery: nothing unsaved
    fs::remove_all(dir);
}

TEST(BatchRecovery, NoSetsTheCopyAsideKeepingTheLastThree)
{
    const fs::path dir = tolvar::testing::scratchDirectory();
    const std::string rec = (dir / "rec").string();
    for (int run = 0; run < 4; ++run) {
        const auto child = startBatch({"--recovery-dir", rec, "--autosave-seconds", "1", "Run1", "wait=20000"});
        ASSERT_EQ(copiesIn(rec, true).size(), 1u);
        killHard(*child);
        EXPECT_EQ(runBatch({"--recovery-dir", rec, "answer=no"}).status, 0);
        EXPECT_TRUE(copiesIn(rec).empty());
    }
    EXPECT_EQ(copiesIn(dir / "rec" / "aside").size(), 3u);
    fs::remove_all(dir);
}

// A clean exit leaves no copy and no lock, so the next start asks nothing:
// after No to saving a map that differs from its saved file, and after a
// Save. Each run first waits until its unsaved map has a copy.
TEST(BatchRecovery, ACleanExitLeavesNothingToOffer)
{
    const fs::path dir = tolvar::testing::scratchDirectory();
    const std::string saved = "dialog=" + (dir / "saved.hgt").string();
    const auto grid = [&](const char* name) { return "grid=" + (dir / name).string(); };
    const std::pair<const char*, std::vector<std::string>> endings[] = {
        {"not saved",
         {"Run1", saved, "Save1", grid("at-save.raw"), "Smooth1", grid("at-exit.raw"), "wait=3000", "answer=no",
          "Exit1"}},
        {"saved", {"Run1", "Smooth1", "wait=3000", saved, "Save1", "Exit1"}},
    };
    for (const auto& [name, ending] : endings) {
        SCOPED_TRACE(name);
        const std::string rec = (dir / name).string();
        std::vector<std::string> steps{"--recovery-dir", rec, "--autosave-seconds", "1"};
        steps.insert(steps.end(), ending.begin(), ending.end());
        const auto run = startBatch(steps);
        EXPECT_EQ(copiesIn(rec, true).size(), 1u);
        ASSERT_TRUE(run->waitForFinished(60000));
        EXPECT_EQ(run->exitCode(), 0) << run->readAllStandardError().toStdString();
        EXPECT_TRUE(fs::is_empty(rec));
        const auto next = runBatch({"--recovery-dir", rec, "print=cboHeight"});
        EXPECT_EQ(next.status, 0) << next.err; // a question would find no answer waiting
    }
    EXPECT_NE(readFile((dir / "at-save.raw").string()), readFile((dir / "at-exit.raw").string()));
    tolvar::testing::removeScratchDirectory(dir.string());
}

TEST(BatchRecovery, TheProgramAnswersHelpAndVersionWithoutAWindow)
{
    const auto run = [](const char* option) {
        const auto result = tolvar::testing::runProgram(TOLVAR_PROGRAM, {option});
        EXPECT_EQ(result.status, 0);
        return result.out;
    };
    EXPECT_EQ(run("--version"), "tolvar 0.1.0\n");
    const std::string help = run("--help");
    EXPECT_NE(help.find("--recovery-dir <dir>"), std::string::npos) << help;
    EXPECT_NE(help.find("--autosave-seconds <n>"), std::string::npos) << help;
}

// Three effects stepped back give the map from before the first, and
// forward the last, cell for cell. The label under the plan says where the
// map stands after every kind of command, except where the command writes
// its own words (Undo, Open); a step leaves Undo nothing of its own to undo.
// History States names each row; every question answered is echoed.
TEST(BatchSteps, StepBackwardThreeTimesUndoesThreeEffects)
{
    const fs::path dir = tolvar::testing::scratchDirectory();
    const auto grid = [&](const char* name) { return "grid=" + (dir / name).string(); };
    const std::string file = "dialog=" + (dir / "m.hgt").string();
    const auto r = runBatch({"Run1", grid("start"), "Smooth1", "RotLeft1", "Smooth1", grid("end"), "StepBack1",
                             "StepBack1", "StepBack1", grid("back"), "print=labPointInfo", "print=UndoZ1",
                             "StepForward1", "StepForward1", "StepForward1", grid("forward"), "print=StepForward1",
                             "print=UndoZ1", "Smooth1", "print=labPointInfo", "UndoZ1", grid("undone"),
                             "print=labPointInfo", file, "Save1", "Sculpt1", "drag=frmSculpt:70,70;80,90",
                             "print=labPointInfo", file, "Open1", "print=labPointInfo", "Julia1", "Run1",
                             "print=labPointInfo", "print=lstStates", "answer=cancel", "Exit1", "confirm=cancel",
                             "New1"});
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.out, "labPointInfo=Step 2 of 5\nUndoZ1=disabled unchecked visible\n"
                     "StepForward1=disabled unchecked visible\nUndoZ1=disabled unchecked visible\n"
                     "labPointInfo=Step 6 of 6\nlabPointInfo=Undone\nlabPointInfo=Step 8 of 8\n"
                     "labPointInfo=16384\nlabPointInfo=Step 10 of 10\n"
                     "lstStates.row=Start\nlstStates.row=Run: Mandelbrot\nlstStates.row=Smooth\n"
                     "lstStates.row=Rotate Left\nlstStates.row=Smooth\nlstStates.row=Smooth\n"
                     "lstStates.row=Undo\nlstStates.row=Raise stroke, radius 16\nlstStates.row=Open\n"
                     "lstStates.row=Run: Julia\n"
                     "box=Save changes to the map before closing?\nbox=This will clear the current map.\n");
    EXPECT_EQ(readFile((dir / "back").string()), readFile((dir / "start").string()));
    EXPECT_EQ(readFile((dir / "forward").string()), readFile((dir / "end").string()));
    EXPECT_EQ(readFile((dir / "undone").string()), readFile((dir / "forward").string()));
    EXPECT_NE(readFile((dir / "start").string()), readFile((dir / "end").string()));
    fs::remove_all(dir);
}
