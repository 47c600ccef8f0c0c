#include "batch_runner.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <vector>

using tolvar::testing::runBatch;
using tolvar::testing::scratchDirectory;

namespace {

// A grid file of 514 x 514 little-endian words.
std::vector<std::uint16_t> readGrid(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    std::vector<std::uint16_t> cells;
    for (int lo = in.get(), hi = in.get(); in; lo = in.get(), hi = in.get())
        cells.push_back(static_cast<std::uint16_t>(lo | hi << 8));
    return cells;
}

} // namespace

// Copy, a quarter turn left and Add through the real menus give each cell of
// the 128 map plus the cell the turn brings there.
TEST(BatchCombine, CopyEnablesCombineAndAddMixesTheTurnedMap)
{
    const std::string dir = scratchDirectory();
    EXPECT_EQ(runBatch({"Run1", "Add1"}).status, 2) << "Combine is disabled before the first Copy";
    const auto run = runBatch({"Run1", "print=Combine1", "grid=" + dir + "/run.raw"});
    const auto mix = runBatch({"Run1", "Store1", "print=Combine1", "RotLeft1", "Add1", "grid=" + dir + "/mix.raw"});
    ASSERT_EQ(run.status + mix.status, 0) << run.err << mix.err;
    EXPECT_EQ(run.out + mix.out, "Combine1=disabled unchecked visible\nCombine1=enabled unchecked visible\n");

    const std::vector<std::uint16_t> old = readGrid(dir + "/run.raw");
    ASSERT_EQ(old.size(), 514u * 514u);
    std::vector<std::uint16_t> want = old;
    const auto at = [](int r, int c) { return static_cast<std::size_t>(r * 514 + c); };
    for (int r = 1; r <= 128; ++r)
        for (int c = 1; c <= 128; ++c)
            want[at(r, c)] = static_cast<std::uint16_t>(old[at(r, c)] + old[at(129 - c, r)]);
    EXPECT_EQ(readGrid(dir + "/mix.raw"), want);
    std::filesystem::remove_all(dir);
}
