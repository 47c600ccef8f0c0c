#include "formats/vistapro_dem.h"

#include "import_fixture.h"

using namespace tolvar;
using namespace tolvar::testing;

using VistaproDem = ImportTest;

// Word w after the 2048-byte header lands in row w div 258, column w mod 258,
// unchanged; the rest of the map, and the size, stay.
TEST_F(VistaproDem, CopiesTheGridWordsRawFromRowAndColumnZero)
{
    std::string bytes(2048, 'h');
    Grid expected = map();
    for (int w = 0; w < 258 * 258; ++w) {
        const Height h = w == 259 ? 0xFFFF : irregularHeight(w / 258, w % 258, 9);
        expected(w / 258, w % 258) = h;
        bytes += {static_cast<char>(h & 0xFF), static_cast<char>(h >> 8)};
    }
    ASSERT_EQ(run(OpenVistaproDemFile, file("land.dem", bytes + "ignored")), "");
    EXPECT_EQ(map(), expected);
    EXPECT_EQ(map()(1, 1), 0xFFFF);
    EXPECT_EQ(state().MapRows, 128);
}
