#include "formats/height_image.h"
#include "formats/raw_heights.h"
#include "formats/text_heights.h"

#include "import_fixture.h"

#include <QImage>

#include <array>
#include <sstream>

using namespace tolvar;
using namespace tolvar::testing;
using namespace std::string_literals;

namespace {

using Command = void (*)(Frame&);

const std::filesystem::path data = std::filesystem::path(TOLVAR_TEST_DATA) / "heights";

class HeightExchange : public ImportTest {
protected:
    // A map of this side from the prologue, its cells irregular over all 16 bits.
    void useMap(int side, std::uint32_t salt)
    {
        ui.texts[Box::cboHeight] = std::to_string(side * 10);
        frame.BeginOperation();
        fillIrregular(map(), salt);
    }
    // The map's rows and columns 1..side, each cell's low 12 bits.
    std::vector<Height> cells(int side, Height mask = 0x0FFF)
    {
        std::vector<Height> out;
        for (int r = 1; r <= side; ++r)
            for (int c = 1; c <= side; ++c)
                out.push_back(static_cast<Height>(map()(r, c) & mask));
        return out;
    }
    static std::string readAll(const std::string& path)
    {
        std::ifstream in(path, std::ios::binary);
        return {std::istreambuf_iterator<char>(in), {}};
    }
};

} // namespace

// Save, scramble the map and the size box, open: every cell's 12 bits come
// back, and the file alone sets the size.
TEST_F(HeightExchange, EachFormatRoundTripsAnIrregularMapAtEverySize)
{
    const std::tuple<Command, Command, const char*, std::vector<int>> cases[] = {
        {SaveBitmap, OpenPngHeightMap, "map.png", {128, 256, 384, 512}},
        {SaveBinaryFile, OpenBinaryFile, "map.r16", {128, 256, 384, 512}},
        {SaveTextHeightFile, OpenTextHeightFile, "map.txt", {256}},
    };
    for (const auto& [save, open, name, sides] : cases)
        for (const int side : sides) {
            useMap(side, static_cast<std::uint32_t>(side));
            // Open TXT reads one row and column past a 256 map.
            const int held = save == SaveTextHeightFile ? 257 : side;
            const std::vector<Height> saved = cells(held);
            ASSERT_EQ(run(save, (dir / name).string()), "") << name << side;
            fillIrregular(map(), 99);
            ui.texts[Box::cboHeight] = side == 128 ? "5120" : "1280";
            ASSERT_EQ(run(open, (dir / name).string()), "") << name << side;
            EXPECT_EQ(state().MapRows, side) << name;
            EXPECT_TRUE(cells(held, 0xFFFF) == saved) << name << side;
        }
}

// The image's top left is the plan's top left, cell (MapRows, 1); a 16-bit
// word holds h x 16 + h div 256, the preview h div 16, worked out by hand.
// (Raw files are checked against hand-worked words below.)
TEST_F(HeightExchange, FilesRunFromTheTopRowOfThePlanWithWidenedHeights)
{
    useMap(4, 3);
    const Height rows[4][4] = {{10, 20, 30, 40}, {4095, 0, 1, 256}, {0x1FFF, 17, 2222, 3333}, {4000, 7, 100, 65535}};
    for (int r = 1; r <= 4; ++r)
        for (int c = 1; c <= 4; ++c)
            map()(r, c) = rows[r - 1][c - 1];
    ASSERT_EQ(run(SaveBitmap, (dir / "map.png").string()), "");
    ASSERT_EQ(run(SaveBitmap, (dir / "map.BMP").string()), "");
    const QImage png(QString::fromStdString((dir / "map.png").string()));
    const QImage bmp(QString::fromStdString((dir / "map.BMP").string()), "BMP");
    ASSERT_EQ(png.format(), QImage::Format_Grayscale16);
    ASSERT_EQ(bmp.depth(), 8);
    const std::uint16_t words[4][4] = {
        {64015, 112, 1600, 65535}, {65535, 272, 35560, 53341}, {65535, 0, 16, 4097}, {160, 320, 480, 640}};
    const int previews[4][4] = {{250, 0, 6, 255}, {255, 1, 138, 208}, {255, 0, 0, 16}, {0, 1, 1, 2}};
    for (int y = 0; y < 4; ++y)
        for (int x = 0; x < 4; ++x) {
            EXPECT_EQ(reinterpret_cast<const std::uint16_t*>(png.constScanLine(y))[x], words[y][x]) << x << y;
            EXPECT_EQ(qGray(bmp.pixel(x, y)), previews[y][x]) << x << y;
        }
}

// A raw file holds h x 16 + h div 256 of each cell's 12 bits as a
// little-endian word, from the plan's top left; a text file the 12 bits as
// numbers, 257 to a line. Worked out by hand.
TEST_F(HeightExchange, RawAndTextFilesHoldTwelveBitHeightsAsWorkedByHand)
{
    useMap(128, 5);
    const std::pair<std::pair<int, int>, Height> cells[] = {{{128, 1}, 4095},   {{128, 2}, 256},  {{128, 3}, 1},
                                                            {{128, 4}, 0x1FFF}, {{127, 1}, 2222}, {{1, 128}, 17}};
    for (const auto& [at, h] : cells)
        map()(at.first, at.second) = h;
    ASSERT_EQ(run(SaveBinaryFile, (dir / "map.r16").string()), "");
    const std::string raw = readAll((dir / "map.r16").string());
    ASSERT_EQ(raw.size(), 2u * 128 * 128);
    EXPECT_EQ(raw.substr(0, 8), "\xFF\xFF\x01\x10\x10\x00\xFF\xFF"s);
    EXPECT_EQ(raw.substr(256, 2), "\xE8\x8A"); // 2222 x 16 + 8 = 0x8AE8
    EXPECT_EQ(raw.substr(raw.size() - 2), "\x10\x01");

    std::string line = "0 4095 4095";
    for (int c = 1; c <= 257; ++c) {
        const Height h = c <= 3 ? std::array<Height, 3>{4096, 0x1FFF, 65535}[c - 1] : (c * 389 + 7) % 4096;
        map()(1, c) = h;
        line += c > 3 ? " " + std::to_string(h) : "";
    }
    ASSERT_EQ(run(SaveTextHeightFile, (dir / "map.txt").string()), "");
    std::istringstream text(readAll((dir / "map.txt").string()));
    std::string first;
    std::getline(text, first);
    EXPECT_EQ(first, line);
    int count = 0;
    for (long number = 0; text >> number; ++count)
        ASSERT_LE(number, 4095);
    EXPECT_EQ(count, 257 * 256);
}

// Files written by ImageMagick, 16-bit 6 x 5 and 8-bit 3 x 4 grayscale, and
// a 129 x 129 raw file: a map of 4 or 128, the extra pixels dropped and the
// cells no pixel reaches 0. Expected values worked out by hand from the
// pixels (p div 16, v x 257 div 16).
TEST_F(HeightExchange, FilesOfOtherToolsOpenWithHandWorkedHeights)
{
    const std::pair<const char*, std::vector<Height>> images[] = {
        {"gray16.png", {0, 4095, 20, 2777, 62, 125, 187, 250, 0, 1, 1, 2, 4095, 0, 256, 1}},
        {"gray8.png", {48, 1590, 1236, 0, 257, 240, 4079, 0, 2056, 273, 3212, 0, 4095, 0, 16, 0}},
    };
    for (const auto& [name, expected] : images) {
        fillIrregular(map(), 8);
        ASSERT_EQ(run(OpenPngHeightMap, (data / name).string()), "") << name;
        EXPECT_EQ(ui.texts[Box::cboHeight], name == std::string("gray16.png") ? "50" : "40");
        EXPECT_EQ(cells(4, 0xFFFF), expected) << name;
    }

    std::string raw;
    for (int y = 0; y < 129; ++y)
        for (int x = 0; x < 129; ++x) {
            const int word = (y * 7919 + x * 104729 + x * y * 31) & 0xFFFF;
            raw += {static_cast<char>(word & 0xFF), static_cast<char>(word >> 8)};
        }
    ASSERT_EQ(run(OpenBinaryFile, file("engine.raw", raw)), "");
    EXPECT_EQ(state().MapRows, 128);
    // Word (y, x) = (7919 y + 104729 x + 31 x y) mod 65536, by hand:
    EXPECT_EQ(map()(128, 1), 0);    // (0, 0): 0
    EXPECT_EQ(map()(128, 2), 2449); // (0, 1): 104729 - 65536 = 39193
    EXPECT_EQ(map()(127, 1), 494);  // (1, 0): 7919
    EXPECT_EQ(map()(1, 128), 3793); // (127, 127): 14806295 mod 65536 = 60695
    EXPECT_EQ(map()(1, 129), irregularHeight(1, 129, 8)) << "the last column is dropped";
    EXPECT_EQ(map()(0, 1), irregularHeight(0, 1, 8)) << "the last row is dropped";
}

// Wrong lengths, cut and foreign files, and images of the wrong height
// (ImageMagick's 9 x 1 and 1 x 513) are refused with the map and the size
// box as they were.
TEST_F(HeightExchange, BadFilesChangeNothing)
{
    const std::string png = readAll((data / "gray16.png").string());
    const std::string sizes =
        "binary files hold 128 x 128, 256 x 256, 384 x 384 or 512 x 512 16-bit words, or one more row and column";
    const std::tuple<Command, std::string, std::string> cases[] = {
        {OpenBinaryFile, std::string(2 * 128 * 128 - 2, '\1'), "The file is 32766 bytes long; " + sizes},
        {OpenBinaryFile, std::string(2 * 129 * 129 + 1, '\1'), "The file is 33283 bytes long; " + sizes},
        {OpenBinaryFile, std::string(2 * 100 * 100, '\1'), "The file is 20000 bytes long; " + sizes},
        {OpenPngHeightMap, png.substr(0, png.size() - 40), "PNG image is not valid"},
        {OpenPngHeightMap, readAll(std::string(TOLVAR_TEST_DATA) + "/bmpsuite/g/rgb24.bmp"), "PNG image is not valid"},
        {OpenPngHeightMap, readAll((data / "flat.png").string()),
         "The image is 1 pixels high; images from 2 to 512 pixels high can be opened"},
        {OpenPngHeightMap, readAll((data / "tall.png").string()),
         "The image is 513 pixels high; images from 2 to 512 pixels high can be opened"},
    };
    useMap(256, 21);
    const Grid before = map();
    for (const auto& [command, contents, message] : cases) {
        EXPECT_EQ(run(command, file("bad", contents)), message);
        EXPECT_EQ(map(), before) << message;
        EXPECT_EQ(ui.texts[Box::cboHeight], "2560") << message;
    }

    ui.texts[Box::cboHeight] = "1000";
    frame.BeginOperation();
    EXPECT_EQ(run(SaveBinaryFile, (dir / "100.r16").string()), "The map is 100 x 100; " + sizes);
    prompter = ScriptedPrompter(); // refused before its dialog
    EXPECT_EQ(run(SaveBitmap, (dir / "map.jpg").string()),
              "Bitmaps are saved as .png (16-bit heights) or .bmp (8-bit preview), not as " +
                  (dir / "map.jpg").string());
}
