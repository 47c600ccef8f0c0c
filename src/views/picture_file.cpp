#include "views/picture_file.h"

#include "core/error.h"

#include <cstdint>
#include <cstdio>
#include <fstream>
#include <vector>

namespace tolvar {
namespace {

void put16(std::vector<char>& out, std::uint32_t v)
{
    out.push_back(static_cast<char>(v & 0xFF));
    out.push_back(static_cast<char>((v >> 8) & 0xFF));
}

void put32(std::vector<char>& out, std::uint32_t v)
{
    put16(out, v & 0xFFFF);
    put16(out, v >> 16);
}

std::vector<char> encodeBmp(const RgbImage& picture)
{
    const auto width = static_cast<std::uint32_t>(picture.width);
    const auto height = static_cast<std::uint32_t>(picture.height);
    const std::uint32_t rowBytes = (width * 3 + 3) / 4 * 4;
    const std::uint32_t headers = 14 + 40;
    const std::uint32_t imageBytes = rowBytes * height;

    std::vector<char> out;
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
            out.push_back(static_cast<char>(p.blue));
            out.push_back(static_cast<char>(p.green));
            out.push_back(static_cast<char>(p.red));
        }
        out.resize(out.size() + (rowBytes - width * 3), 0);
    }
    return out;
}

bool writeWhole(const std::string& path, const std::vector<char>& bytes)
{
    std::ofstream file(path, std::ios::binary | std::ios::trunc);
    file.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    file.close();
    return !file.fail();
}

} // namespace

void SavePictureBmp(const RgbImage& picture, const std::string& fileName)
{
    const std::string partial = fileName + ".part";
    if (!writeWhole(partial, encodeBmp(picture)) || std::rename(partial.c_str(), fileName.c_str()) != 0) {
        std::remove(partial.c_str());
        throw Error(formatMessage("Cannot create file %s", fileName));
    }
}

} // namespace tolvar
