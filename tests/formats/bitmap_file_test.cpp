#include "formats/bitmap_file.h"

#include "core/error.h"
#include "scratch_directory.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <vector>

using namespace tolvar;

namespace {

std::vector<std::uint8_t> readAll(const std::filesystem::path& path)
{
    std::ifstream file(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

std::uint32_t le32(const std::vector<std::uint8_t>& b, std::size_t at)
{
    return b[at] | b[at + 1] << 8 | b[at + 2] << 16 | static_cast<std::uint32_t>(b[at + 3]) << 24;
}

class PictureFile : public ::testing::Test {
protected:
    ~PictureFile() override { std::filesystem::remove_all(dir); }

    std::filesystem::path dir = tolvar::testing::scratchDirectory("tolvar-picture-");
};

} // namespace

TEST_F(PictureFile, WritesA24BitBottomUpBmpWithPaddedRows)
{
    QImage picture(3, 2, QImage::Format_RGB32);
    picture.fill(Qt::black);
    picture.setPixel(0, 0, qRgb(10, 20, 30));    // top-left
    picture.setPixel(2, 1, qRgb(200, 150, 100)); // bottom-right
    const auto path = dir / "WireFram.bmp";
    std::ofstream(path) << "an older file";

    SavePictureBmp(picture, path.string());
    const auto b = readAll(path);
    // 54 header bytes, then two rows of 9 pixel bytes padded to 12.
    ASSERT_EQ(b.size(), 54u + 2 * 12);
    EXPECT_EQ(b[0], 'B');
    EXPECT_EQ(b[1], 'M');
    EXPECT_EQ(le32(b, 2), 78u);
    EXPECT_EQ(le32(b, 10), 54u);
    EXPECT_EQ(le32(b, 18), 3u);
    EXPECT_EQ(le32(b, 22), 2u);
    EXPECT_EQ(b[28], 24);
    // The bottom row comes first, blue-green-red.
    EXPECT_EQ((std::vector<std::uint8_t>(b.begin() + 54, b.begin() + 66)),
              (std::vector<std::uint8_t>{0, 0, 0, 0, 0, 0, 100, 150, 200, 0, 0, 0}));
    EXPECT_EQ((std::vector<std::uint8_t>(b.begin() + 66, b.end())),
              (std::vector<std::uint8_t>{30, 20, 10, 0, 0, 0, 0, 0, 0, 0, 0, 0}));
    // Nothing but the saved file is left beside it.
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir), {}), 1);
}

TEST_F(PictureFile, AnUnwritablePlaceIsReportedAndLeavesNothing)
{
    const QImage picture(2, 2, QImage::Format_RGB32);
    const auto path = dir / "missing" / "WireFram.bmp";
    try {
        SavePictureBmp(picture, path.string());
        FAIL() << "no error";
    } catch (const Error& e) {
        EXPECT_EQ(std::string(e.what()), "Cannot create file " + path.string());
    }
    EXPECT_TRUE(std::filesystem::is_empty(dir));
}
