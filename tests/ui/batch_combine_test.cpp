#include "batch_runner.h"

#include <gtest/gtest.h>

#include <filesystem>

// Copy, a quarter turn left and Add through the real menus: each cell of the
// 128 map plus the cell the turn brings there, as 514 x 514 little-endian words.
TEST(BatchCombine, CopyEnablesCombineAndAddMixesTheTurnedMap)
{
    const std::string dir = tolvar::testing::scratchDirectory();
    const auto r = tolvar::testing::runBatch({"Run1", "print=Combine1", "grid=" + dir + "/a", "Store1",
                                              "print=Combine1", "RotLeft1", "Add1", "grid=" + dir + "/b"});
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.out, "Combine1=disabled unchecked visible\nCombine1=enabled unchecked visible\n");
    const auto words = [&](const char* name) { return tolvar::testing::readGrid(dir + name); };
    const std::vector<int> old = words("/a");
    ASSERT_EQ(old.size(), 514u * 514u);
    std::vector<int> want = old;
    for (int row = 1; row <= 128; ++row)
        for (int col = 1; col <= 128; ++col)
            want[row * 514 + col] = (old[row * 514 + col] + old[(129 - col) * 514 + row]) & 0xFFFF;
    EXPECT_EQ(words("/b"), want);
    std::filesystem::remove_all(dir);
}
