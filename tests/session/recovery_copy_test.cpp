#include "irregular_map.h"

#include "session/recovery_copy.h"

#include <gtest/gtest.h>

using namespace tolvar;

TEST(RecoveryCopy, KeepsEveryBitOfEveryCellTheSizeAndTheHistory)
{
    RecoveredMap copy;
    tolvar::testing::fillIrregular(copy.map, 4);
    copy.rows = copy.cols = 384;
    copy.history = {"Run=1,2", "", "Höhe 4095"};
    auto bytes = EncodeRecoveryCopy(copy);
    EXPECT_EQ(DecodeRecoveryCopy(bytes), copy);

    bytes.resize(bytes.size() - 3 * 4 - 2 * 514 * 514 / 2); // cut inside the grid
    EXPECT_FALSE(DecodeRecoveryCopy(bytes));
}
