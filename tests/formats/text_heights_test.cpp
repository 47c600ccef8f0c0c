#include "formats/text_heights.h"

#include "import_fixture.h"

using namespace tolvar;
using namespace tolvar::testing;

using TextHeights = ImportTest;

// 257 x 257 numbers between separators of every kind, the last one ending
// the file; the map is 256 x 256 whatever the size box said.
TEST_F(TextHeights, FillsRowsAndColumnsOneTo257WithTwelveBitsOfNumberTimesSteepness)
{
    std::vector<long> numbers{4096, 4097, 1000, 2000, 2147483647, 0};
    for (int k = static_cast<int>(numbers.size()); k < 257 * 257; ++k)
        numbers.push_back(irregularHeight(k / 257, k % 257, 4) * 37L % 1000003);
    ui.texts[Box::cboHeight] = "5120";
    ui.texts[Box::cboSteep] = "3";
    Grid expected = map();
    for (std::size_t k = 0; k < numbers.size(); ++k)
        expected(1 + static_cast<int>(k / 257), 1 + static_cast<int>(k % 257)) =
            static_cast<Height>((numbers[k] * 3) & 0x0FFF);

    ASSERT_EQ(run(OpenTextHeightFile, file("heights.txt", textHeights(numbers))), "");
    EXPECT_EQ(map(), expected);
    EXPECT_EQ(std::vector<int>(&map()(1, 1), &map()(1, 5)), std::vector<int>({0, 3, 3000, 1904}));
    EXPECT_EQ(ui.texts[Box::cboHeight], "2560");
    EXPECT_EQ(state().MapRows, 256);
}
