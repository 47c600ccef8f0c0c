#include "batch_runner.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

using tolvar::testing::readFile;
using tolvar::testing::runBatch;
using tolvar::testing::scratchDirectory;

namespace {

void writeFile(const std::string& path, const std::string& text) { std::ofstream(path, std::ios::binary) << text; }

} // namespace

// One program logs a Circle run; a second one reads back only its circle
// lines, replays them on a cleared map and must end with the same grid.
TEST(BatchSession, ALoggedCircleRunIsReplayedInAnotherProgram)
{
    const std::string dir = scratchDirectory();
    const auto logged = runBatch({"Circle1", "SessionLogging1", "Run1", "history-out=on.txt", "grid=run.raw"}, dir);
    ASSERT_EQ(logged.status, 0) << logged.err;

    const std::string on = readFile(dir + "/on.txt");
    const std::string runLines = "Siz=1280\nItr=1000\nSpr=0.1\nStp=1\nRea=.1\nImg=-.692\nDis=1\nSea=0\nRnd=0\nRun\n";
    ASSERT_TRUE(on.starts_with(runLines));
    const std::string circles = on.substr(runLines.size());
    std::istringstream lines(circles);
    int count = 0;
    for (std::string line; std::getline(lines, line); ++count)
        ASSERT_TRUE(line.starts_with("Crc=")) << line;
    EXPECT_EQ(count, 1093);

    // Windows line ends, as an editor might leave them.
    std::string crlf;
    for (const char c : circles)
        crlf += c == '\n' ? std::string("\r\n") : std::string(1, c);
    writeFile(dir + "/circles.txt", crlf);
    // Logging is off at start, so the first commands write nothing.
    const auto replayed = runBatch({"confirm=cancel", "New1", "SetRandSeed1", "Julia1", "history-out=off.txt",
                                    "SessionLogging1", "confirm=ok", "New1", "history=circles.txt", "Rerun1",
                                    "history-out=after.txt", "grid=replayed.raw"},
                                   dir);
    ASSERT_EQ(replayed.status, 0) << replayed.err;
    EXPECT_EQ(readFile(dir + "/off.txt"), "");
    EXPECT_EQ(readFile(dir + "/after.txt"), circles) << "the file replaces the New line; the replay adds none";
    EXPECT_TRUE(readFile(dir + "/replayed.raw") == readFile(dir + "/run.raw"));
    std::filesystem::remove_all(dir);
}

TEST(BatchSession, FailuresEndTheRunWithTheirMessage)
{
    const std::string dir = scratchDirectory();
    writeFile(dir + "/short.txt", "Crc=1,2,3\nCrc=10,20\n");
    const struct {
        std::vector<std::string> steps;
        int status;
        std::string err;
    } cases[] = {
        {{"history=short.txt", "Rerun1"}, 1, "error: '' is not a valid integer value\n"},
        {{"history=missing.txt"}, 1, "error: File not found\n"},
        {{"history-out=no/such/dir.txt"}, 1, "error: Cannot create file no/such/dir.txt\n"},
        {{"history="}, 2, "usage: history needs a file name\n"},
        {{"OpenSession1"}, 2, "usage: the item OpenSession1 is disabled\n"},
    };
    for (const auto& c : cases) {
        const auto r = runBatch(c.steps, dir);
        EXPECT_EQ(r.status, c.status) << c.steps.front();
        EXPECT_EQ(r.err, c.err);
    }
    std::filesystem::remove_all(dir);
}
