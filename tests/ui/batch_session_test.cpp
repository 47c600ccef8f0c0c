#include "batch_runner.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

using tolvar::testing::readFile;
using tolvar::testing::runBatch;

// One program logs a Circle run; a second one, logging nothing until asked,
// reads back only the circle lines (with Windows line ends), replays them
// on a cleared map and must end with the same grid and the same lines.
TEST(BatchSession, ALoggedCircleRunIsReplayedInAnotherProgram)
{
    const std::string dir = tolvar::testing::scratchDirectory();
    const auto logged = runBatch({"Circle1", "SessionLogging1", "Run1", "history-out=on.txt", "grid=run.raw"}, dir);
    ASSERT_EQ(logged.status, 0) << logged.err;
    const std::string on = readFile(dir + "/on.txt");
    const std::string runLines = "Siz=1280\nItr=1000\nSpr=0.1\nStp=1\nRea=.1\nImg=-.692\nDis=1\nSea=0\nRnd=0\nRun\n";
    ASSERT_TRUE(on.starts_with(runLines));
    const std::string circles = on.substr(runLines.size());
    std::istringstream lines(circles);
    std::string crlf;
    int count = 0;
    for (std::string line; std::getline(lines, line); ++count) {
        ASSERT_TRUE(line.starts_with("Crc=")) << line;
        crlf += line + "\r\n";
    }
    EXPECT_EQ(count, 1093);
    std::ofstream(dir + "/circles.txt", std::ios::binary) << crlf;

    const auto replayed = runBatch({"confirm=cancel", "New1", "SetRandSeed1", "Julia1", "history-out=off.txt",
                                    "SessionLogging1", "confirm=ok", "New1", "history=circles.txt", "Rerun1",
                                    "history-out=after.txt", "grid=replayed.raw"},
                                   dir);
    ASSERT_EQ(replayed.status, 0) << replayed.err;
    EXPECT_EQ(readFile(dir + "/off.txt"), "");
    EXPECT_EQ(readFile(dir + "/after.txt"), circles) << "the file replaces the New line; the replay adds none";
    EXPECT_TRUE(readFile(dir + "/replayed.raw") == readFile(dir + "/run.raw"));
    EXPECT_EQ(runBatch({"history=" + dir + "/missing.txt"}).err, "error: File not found\n");
    tolvar::testing::removeScratchDirectory(dir);
}

// A history ending in a line break has no empty record: the next logged line
// fills its last line, Save writes the records, Open after OK reads them back.
TEST(BatchSession, LoggingAfterAFinalLineBreakAndSessionFilesAgreeOnRecords)
{
    const std::string dir = tolvar::testing::scratchDirectory();
    std::ofstream(dir + "/typed.txt", std::ios::binary) << "Crc=15,70,9\r\nCrc=5,120,40\r\n";
    std::ofstream(dir + "/other.txt", std::ios::binary) << "Run\rItr=7";
    const auto r = runBatch({"history=typed.txt", "SessionLogging1", "Smooth1", "history-out=logged.txt",
                             "dialog=saved.txt", "SaveSession1", "confirm=cancel", "OpenSession1", "confirm=ok",
                             "dialog=other.txt", "OpenSession1", "Smooth1", "history-out=opened.txt"},
                            dir);
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(readFile(dir + "/logged.txt"), "Crc=15,70,9\nCrc=5,120,40\nSmz\n");
    EXPECT_EQ(readFile(dir + "/saved.txt"), "Crc=15,70,9\nCrc=5,120,40\nSmz\n");
    EXPECT_EQ(readFile(dir + "/opened.txt"), "Run\nItr=7\nSmz\n");
    tolvar::testing::removeScratchDirectory(dir);
}

// history= refuses a file over the session file limit and keeps the history.
TEST(BatchSession, AHistoryFileOverTheLimitIsRefused)
{
    const std::string dir = tolvar::testing::scratchDirectory();
    std::ofstream(dir + "/kept.txt") << "Smz\n";
    std::ofstream(dir + "/over.txt").close();
    std::filesystem::resize_file(dir + "/over.txt", (16 << 20) + 1);
    const auto r = runBatch({"--keep-going", "history=kept.txt", "history=over.txt", "history-out=after.txt"}, dir);
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.err, "error: The file is 16777217 bytes; a session file can be at most 16 MiB\n");
    EXPECT_EQ(readFile(dir + "/after.txt"), "Smz\n");
    tolvar::testing::removeScratchDirectory(dir);
}
