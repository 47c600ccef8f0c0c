#include "formats/bitmap_decode.h"
#include "formats/bitmap_import.h"

#include "import_fixture.h"

#include <QBuffer>

#include <fstream>
#include <iterator>

using namespace tolvar;
using namespace tolvar::testing;
namespace fs = std::filesystem;

namespace {

const fs::path suite = fs::path(TOLVAR_TEST_DATA) / "bmpsuite";

std::vector<std::uint8_t> contents(const fs::path& path)
{
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

// The height of pixel value p in each mode, from the formulas' figures.
std::int64_t modelHeight(std::int64_t p, int mode, std::int64_t f)
{
    if (mode == 0)
        return ((p & 0xFF) + (p & 0xFF00) / 255 + (p & 0xFF0000) / 65535) * f;
    return mode == 1 ? ((p / 255) & 0x0FFF) * f : p & 0x0FFF;
}

// The colours row by row, after the width: files carry colour spaces and
// densities that say nothing of the pixels.
std::vector<QRgb> pixelsOf(const QImage& image)
{
    std::vector<QRgb> pixels{static_cast<QRgb>(image.width())};
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            pixels.push_back(image.pixel(x, y));
    return pixels;
}

using BitmapImport = ImportTest;

} // namespace

// Each good file of the suite decodes to the suite's own rendering of it.
TEST(BitmapDecode, EveryGoodSuiteFileMatchesItsReferenceAndIsRefusedWhenCut)
{
    const std::pair<const char*, const char*> files[] = {
        {"pal1", "pal1"},
        {"pal1wb", "pal1"},
        {"pal1bg", "pal1bg"},
        {"pal4", "pal4"},
        {"pal4gs", "pal4gs"},
        {"pal4rle", "pal4"},
        {"pal8", "pal8"},
        {"pal8-0", "pal8"},
        {"pal8gs", "pal8gs"},
        {"pal8rle", "pal8"},
        {"pal8w126", "pal8w126"},
        {"pal8w125", "pal8w125"},
        {"pal8w124", "pal8w124"},
        {"pal8topdown", "pal8"},
        {"pal8nonsquare", "pal8nonsquare-e"},
        {"pal8os2", "pal8"},
        {"pal8v4", "pal8"},
        {"pal8v5", "pal8"},
        {"rgb16", "rgb16"},
        {"rgb16bfdef", "rgb16"},
        {"rgb16-565", "rgb16-565"},
        {"rgb16-565pal", "rgb16-565"},
        {"rgb24", "rgb24"},
        {"rgb24pal", "rgb24"},
        {"rgb32", "rgb24"},
        {"rgb32bfdef", "rgb24"},
        {"rgb32bf", "rgb24"},
    };
    for (const auto& [name, reference] : files) {
        auto file = contents(suite / "g" / (std::string(name) + ".bmp"));
        const QImage expected(
            QString::fromStdString((suite / "reference" / (std::string(reference) + ".png")).string()));
        ASSERT_FALSE(expected.isNull()) << reference;
        EXPECT_TRUE(pixelsOf(DecodeBitmap(file)) == pixelsOf(expected)) << name;
        file.pop_back();
        EXPECT_THROW(DecodeBitmap(file), Error) << name;
    }
}

// Pictures narrower than the map, of even and odd height: map row r takes
// picture row MapRows - r, which for an even height lies one below the
// picture, and map row and column MapRows keep their heights.
TEST_F(BitmapImport, EachModeTurnsThePixelsIntoHeights)
{
    void (*const commands[])(Frame&) = {OpenBitmapAveraged, OpenBitmapDivided, OpenBitmapMasked};
    // White, red and grey pixels, then the outside value, per mode at Steepness 1.
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
        for (const char* steepness : {"1", "3", "8"})
            for (int mode = 0; mode < 3; ++mode) {
                ui.texts[Box::cboSteep] = steepness;
                Grid expected = map();
                const std::int64_t f = std::min(std::stoi(steepness), 5);
                for (int r = 0; r < 256; ++r)
                    for (int c = 0; c < 256; ++c) {
                        const bool inside = c < 200 && 256 - r < height;
                        const QRgb p = inside ? picture.pixel(c, 256 - r) : 0;
                        const std::int64_t value = inside ? qRed(p) | qGreen(p) << 8 | qBlue(p) << 16 : -1;
                        expected(r, c) = static_cast<Height>(modelHeight(value, mode, f));
                    }
                ASSERT_EQ(run(commands[mode], path), "");
                EXPECT_EQ(map(), expected) << mode << " " << steepness << " " << height;
                EXPECT_EQ(ui.texts[Box::cboHeight], std::to_string(height * 10));
                if (height == 256 && steepness[0] == '1') {
                    EXPECT_EQ((std::vector<int>{map()(1, 1), map()(1, 2), map()(1, 3), map()(0, 9)}), figures[mode]);
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
            ui.texts[Box::cboHeight] = "1280";
        }
}
