#include "formats/bitmap_file.h"

#include "formats/file_io.h"

#include <cstdint>
#include <vector>

namespace tolvar {
namespace {

void put16(std::vector<std::uint8_t>& out, std::uint32_t v)
{
    out.push_back(static_cast<std::uint8_t>(v & 0xFF));
    out.push_back(static_cast<std::uint8_t>((v >> 8) & 0xFF));
}

void put32(std::vector<std::uint8_t>& out, std::uint32_t v)
{
    put16(out, v & 0xFFFF);
    put16(out, v >> 16);
}

std::vector<std::uint8_t> encodeBmp(const RgbImage& picture)
{
    const auto width = static_cast<std::uint32_t>(picture.width);
    const auto height = static_cast<std::uint32_t>(picture.height);
    const std::uint32_t rowBytes = (width * 3 + 3) / 4 * 4;
    const std::uint32_t headers = 14 + 40;
    const std::uint32_t imageBytes = rowBytes * height;

    std::vector<std::uint8_t> out;
    out.reserve(headers + imageBytes);
    out.push_back('B');
    out.push_back('M');
    put32(out, headers + imageBytes);
    put32(out, 0);
    put32(out, headers);
    put32(out, 40);
    put32(out, width);
    put32(out, height); // positive: rows bottom-up
    put16(out, 1);
    put16(out, 24);
    put32(out, 0); // no compression
    put32(out, imageBytes);
    put32(out, 3780); // 96 dpi
    put32(out, 3780);
    put32(out, 0);
    put32(out, 0);
    for (int y = picture.height - 1; y >= 0; --y) {
        for (int x = 0; x < picture.width; ++x) {
            const Rgb& p = picture.at(x, y);
            out.push_back(static_cast<std::uint8_t>(p.blue));
            out.push_back(static_cast<std::uint8_t>(p.green));
            out.push_back(static_cast<std::uint8_t>(p.red));
        }
        out.resize(out.size() + (rowBytes - width * 3), 0);
    }
    return out;
}

} // namespace

void SavePictureBmp(const RgbImage& picture, const std::string& fileName)
{
    CreateWholeFile(fileName, encodeBmp(picture));
}

} // namespace tolvar
