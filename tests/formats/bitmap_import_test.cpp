#include "formats/bitmap_decode.h"
#include "formats/bitmap_import.h"

#include "import_fixture.h"

#include <QBuffer>
#include <QColorSpace>

#include <iterator>

using namespace tolvar;
using namespace tolvar::testing;
namespace fs = std::filesystem;

namespace {

const fs::path suite = fs::path(TOLVAR_TEST_DATA) / "bmpsuite";

// The height of colour value p (-1 outside the picture) in each mode, from
// the formulas: Averaged, Divided, Masked.
std::int64_t modelHeight(std::int64_t p, int mode, std::int64_t f)
{
    if (mode == 0)
        return ((p & 0xFF) + (p & 0xFF00) / 255 + (p & 0xFF0000) / 65535) * f;
    return mode == 1 ? ((p / 255) & 0x0FFF) * f : p & 0x0FFF;
}

using BitmapImport = ImportTest;

} // namespace

std::vector<std::uint8_t> fileBytes(const fs::path& path)
{
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

QImage rendering(const fs::path& path)
{
    QImage picture(QString::fromStdString(path.string()));
    picture.setColorSpace({}); // the PNG's, which the comparison would count
    return picture.convertToFormat(QImage::Format_ARGB32);
}

// Each good file of the suite decodes to the suite's own rendering of it,
// and is refused without its last byte.
TEST(BitmapDecode, GoodSuiteFilesMatchTheirRenderingAndAreRefusedWhenCut)
{
    int files = 0;
    for (const auto& entry : fs::directory_iterator(suite / "g")) {
        if (entry.path().extension() != ".bmp")
            continue;
        ++files;
        std::vector<std::uint8_t> file = fileBytes(entry.path());
        const QImage expected = rendering(fs::path(entry.path()).replace_extension("png"));
        ASSERT_FALSE(expected.isNull()) << entry.path();
        EXPECT_TRUE(DecodeBitmap(file) == expected) << entry.path();
        file.pop_back();
        EXPECT_THROW(DecodeBitmap(file), Error) << entry.path();
    }
    EXPECT_EQ(files, 27);
}

// Pixels that run-length data skips take palette entry 0, the suite's "-0"
// rendering, rather than whatever memory held.
TEST(BitmapDecode, PixelsSkippedByRunLengthDataTakePaletteEntryZero)
{
    for (const char* name : {"pal4rlecut", "pal4rletrns", "pal8rlecut", "pal8rletrns"}) {
        const fs::path bmp = suite / "q" / (std::string(name) + ".bmp");
        EXPECT_TRUE(DecodeBitmap(fileBytes(bmp)) == rendering(suite / "q" / (std::string(name) + "-0.png"))) << name;
    }
}

// Pictures narrower than the map, of even and odd height: map row r takes
// picture row MapRows - r, for an even height one below the picture.
TEST_F(BitmapImport, EachModeTurnsThePixelsIntoHeights)
{
    void (*const commands[])(Frame&) = {OpenBitmapAveraged, OpenBitmapDivided, OpenBitmapMasked};
    // White, red and grey pixels, then the outside value, at Steepness 1.
    const std::vector<int> figures[] = {{766, 255, 384, 766}, {257, 1, 257, 0}, {4095, 255, 128, 4095}};
    for (const int height : {256, 257}) {
        QImage picture(200, height, QImage::Format_RGB32);
        for (int y = 0; y < height; ++y)
            for (int x = 0; x < 200; ++x)
                picture.setPixel(x, y, irregularHeight(y, x, 2) * 0x10101u ^ irregularHeight(x, y, 3));
        picture.setPixel(1, 255, 0xFFFFFF);
        picture.setPixel(2, 255, 0xFF0000);
        picture.setPixel(3, 255, 0x808080);
        QBuffer bmp;
        ASSERT_TRUE(bmp.open(QIODevice::WriteOnly) && picture.save(&bmp, "BMP"));
        const std::string path = file("p.bmp", bmp.data().toStdString());
        for (const int steepness : {1, 3, 8})
            for (int mode = 0; mode < 3; ++mode) {
                ui.texts[Box::cboSteep] = std::to_string(steepness);
                Grid expected = map();
                for (int r = 0; r < 256; ++r)
                    for (int c = 0; c < 256; ++c) {
                        const bool inside = c < 200 && 256 - r < height;
                        const QRgb p = inside ? picture.pixel(c, 256 - r) : 0;
                        const std::int64_t value = inside ? qRed(p) | qGreen(p) << 8 | qBlue(p) << 16 : -1;
                        expected(r, c) = static_cast<Height>(modelHeight(value, mode, std::min(steepness, 5)));
                    }
                ASSERT_EQ(run(commands[mode], path), "");
                EXPECT_EQ(map(), expected) << mode << " " << steepness << " " << height;
                EXPECT_EQ(ui.texts[Box::cboHeight], std::to_string(height * 10));
                if (height == 256 && steepness == 1) {
                    EXPECT_EQ(std::vector<int>({map()(1, 1), map()(1, 2), map()(1, 3), map()(0, 9)}), figures[mode]);
                }
            }
    }
}

// Damaged files never crash or hang: each is refused and changes nothing,
// or imports what the reader makes of it.
TEST_F(BitmapImport, BadAndQuestionableSuiteFilesAreRefusedOrImported)
{
    for (const char* folder : {"b", "q"})
        for (const auto& entry : fs::directory_iterator(suite / folder)) {
            const Grid before = map();
            const std::string error = run(OpenBitmapMasked, entry.path().string());
            if (!error.empty()) {
                EXPECT_EQ(error, "Bitmap image is not valid") << entry.path();
                EXPECT_EQ(map(), before) << entry.path();
            }
        }
}
