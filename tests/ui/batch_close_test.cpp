#include "batch_runner.h"

#include <gtest/gtest.h>

#include <filesystem>

using tolvar::testing::readFile;
using tolvar::testing::runBatch;

namespace {

// Steps after a close that went through are never taken, so "print=Form1"
// shows whether the window stayed open.
const std::string stayedOpen = "Form1=enabled unchecked visible\n";
const std::string asked = "box=Save changes to the map before closing?\n";

} // namespace

TEST(BatchClose, AChangedMapIsNeverClosedWithoutAsking)
{
    const std::string dir = tolvar::testing::scratchDirectory();
    const std::string saved = "dialog=" + dir + "/saved.hgt";
    const std::string grid = "grid=" + dir + "/grid";
    const std::string unwritable = "dialog=" + dir + "/no/such/dir.hgt";
    const struct {
        std::vector<std::string> steps;
        int status;
        std::string out;
    } cases[] = {
        {{"Exit1", "print=Form1"}, 0, ""}, // no map: no question
        {{"Run1", grid, "answer=cancel", "Exit1", "print=Form1", grid + "2"}, 0, asked + stayedOpen},
        {{"Run1", "answer=no", "Exit1", "print=Form1"}, 0, asked},
        {{"Run1", "answer=yes", "dialog=", "Exit1", "print=Form1"}, 0, asked + stayedOpen}, // save cancelled
        {{"Run1", "answer=yes", unwritable, "Exit1"}, 1, asked},                            // save failed
        // A failed save, from the menu or the question, leaves the map unsaved.
        {{"--keep-going", "Run1", unwritable, "Save1", "answer=yes", unwritable, "Exit1", "print=Form1",
          "answer=cancel", "Exit1", "print=Form1"},
         1,
         asked + stayedOpen + asked + stayedOpen},
        {{"Run1", saved, "Save1", "Exit1", "print=Form1"}, 0, ""},
        {{"Run1", saved, "Save1", "UndoZ1", "answer=cancel", "Exit1", "print=Form1"}, 0, asked + stayedOpen},
        {{saved, "Open1", "Exit1", "print=Form1"}, 0, ""},
        {{saved, "Open1", "Smooth1", "answer=cancel", "Exit1", "print=Form1"}, 0, asked + stayedOpen},
        {{"Run1", "Exit1"}, 2, ""}, // the question has no answer waiting
    };
    for (const auto& c : cases) {
        const auto r = runBatch(c.steps);
        EXPECT_EQ(r.status, c.status) << c.steps.back() << r.err;
        EXPECT_EQ(r.out, c.out) << r.err;
    }
    // Cancel left the map as it was.
    EXPECT_EQ(readFile(dir + "/grid"), readFile(dir + "/grid2"));
    std::filesystem::remove_all(dir);
}

// Yes saves the map: opening the file gives back every height of the run.
TEST(BatchClose, YesSavesTheMapBeforeClosing)
{
    const std::string dir = tolvar::testing::scratchDirectory();
    const auto closed = runBatch({"ediRandSeed=9", "SetRandSeed1", "Circle1", "Run1", "grid=" + dir + "/before",
                                  "answer=yes", "dialog=" + dir + "/m.hgt", "Exit1", "print=Form1"});
    ASSERT_EQ(closed.status, 0) << closed.err;
    EXPECT_EQ(closed.out, asked);
    const auto reopened = runBatch({"dialog=" + dir + "/m.hgt", "Open1", "grid=" + dir + "/after"});
    ASSERT_EQ(reopened.status, 0) << reopened.err;
    const std::string before = readFile(dir + "/before"), after = readFile(dir + "/after");
    ASSERT_EQ(before.size(), 514u * 514u * 2u);
    ASSERT_EQ(after.size(), before.size());
    ASSERT_NE(before.find_first_not_of('\0'), std::string::npos);
    int differing = 0;
    for (std::size_t row = 1; row <= 128; ++row)
        for (std::size_t col = 1; col <= 128; ++col) {
            const std::size_t at = 2 * (row * 514 + col);
            // A height file keeps the low 12 bits.
            differing += (before[at] != after[at]) || ((before[at + 1] ^ after[at + 1]) & 0x0F);
        }
    EXPECT_EQ(differing, 0);
    std::filesystem::remove_all(dir);
}
