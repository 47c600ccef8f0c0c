#include "formats/bitmap_decode.h"

#include "core/error.h"
#include "formats/memory_image_reader.h"


#include <algorithm>
#include <array>
#include <bit>
#include <optional>

namespace tolvar {
namespace {

enum Compression : std::uint32_t { Uncompressed = 0, RunLength8 = 1, RunLength4 = 2, BitFields = 3 };

constexpr std::uint32_t FileHeaderBytes = 14;
constexpr std::uint32_t CoreHeaderBytes = 12; // the old OS/2 header, with 3-byte palette entries
constexpr std::uint32_t InfoHeaderBytes = 40;

// The header fields the reader does not hold to: how many pixel bytes the
// file promises, and how wide its colour channels are.
struct BmpHeader {
    std::uint32_t dataOffset = 0;
    std::uint32_t headerBytes = 0;
    std::int64_t width = 0;
    std::int64_t height = 0;
    std::uint32_t bitCount = 0;
    std::uint32_t compression = Uncompressed;
    std::uint32_t imageBytes = 0;
    std::uint32_t coloursUsed = 0;
};

std::uint32_t littleEndian(std::span<const std::uint8_t> file, std::size_t at, std::size_t bytes)
{
    std::uint32_t value = 0;
    for (std::size_t i = bytes; i-- > 0;)
        value = value << 8 | file[at + i];
    return value;
}

std::optional<BmpHeader> readHeader(std::span<const std::uint8_t> file)
{
    if (file.size() < FileHeaderBytes + CoreHeaderBytes)
        return std::nullopt;
    BmpHeader h;
    h.dataOffset = littleEndian(file, 10, 4);
    h.headerBytes = littleEndian(file, 14, 4);
    if (h.headerBytes == CoreHeaderBytes) {
        h.width = static_cast<std::int16_t>(littleEndian(file, 18, 2));
        h.height = static_cast<std::int16_t>(littleEndian(file, 20, 2));
        h.bitCount = littleEndian(file, 24, 2);
        return h;
    }
    if (file.size() < FileHeaderBytes + InfoHeaderBytes)
        return std::nullopt;
    h.width = static_cast<std::int32_t>(littleEndian(file, 18, 4));
    h.height = static_cast<std::int32_t>(littleEndian(file, 22, 4));
    h.bitCount = littleEndian(file, 28, 2);
    h.compression = littleEndian(file, 30, 4);
    h.imageBytes = littleEndian(file, 34, 4);
    h.coloursUsed = littleEndian(file, 46, 4);
    return h;
}

// The pixels start after the headers, the colour masks and the palette, or
// at the offset the header gives when that lies further on.
std::uint64_t pixelStart(const BmpHeader& h)
{
    std::uint64_t end = FileHeaderBytes + std::uint64_t{h.headerBytes};
    if (h.headerBytes == InfoHeaderBytes && h.compression == BitFields)
        end += 12;
    if (h.bitCount <= 8) {
        const std::uint64_t colours = h.coloursUsed != 0 ? h.coloursUsed : std::uint64_t{1} << h.bitCount;
        end += colours * (h.headerBytes == CoreHeaderBytes ? 3 : 4);
    }
    return std::max<std::uint64_t>(h.dataOffset, end);
}

// Rows padded to whole 32-bit words, or for run-length data the size the
// header states.
std::uint64_t promisedEnd(const BmpHeader& h)
{
    if (h.compression == RunLength8 || h.compression == RunLength4)
        return pixelStart(h) + h.imageBytes;
    const std::uint64_t rowBytes = (static_cast<std::uint64_t>(h.width) * h.bitCount + 31) / 32 * 4;
    return pixelStart(h) + rowBytes * static_cast<std::uint64_t>(h.height < 0 ? -h.height : h.height);
}

// The red, green and blue masks of 16- and 32-bit pixels.
std::optional<std::array<std::uint32_t, 3>> channelMasks(std::span<const std::uint8_t> file, const BmpHeader& h)
{
    if (h.bitCount == 16 && h.compression == Uncompressed)
        return std::array<std::uint32_t, 3>{0x7C00, 0x03E0, 0x001F};
    if ((h.bitCount == 16 || h.bitCount == 32) && h.compression == BitFields && file.size() >= 66)
        return std::array{littleEndian(file, 54, 4), littleEndian(file, 58, 4), littleEndian(file, 62, 4)};
    return std::nullopt;
}

bool isNarrow(std::uint32_t mask)
{
    return std::popcount(mask) > 0 && std::popcount(mask) < 8;
}

// The reader shifts a narrow channel's value v to the top of the byte; the
// file means v / (2^bits - 1) of full intensity.
std::array<std::uint8_t, 256> stretchTable(std::uint32_t mask)
{
    std::array<std::uint8_t, 256> table{};
    const int bits = std::popcount(mask);
    const int top = (1 << bits) - 1;
    for (int value = 0; value < 256; ++value)
        table[static_cast<std::size_t>(value)] =
            static_cast<std::uint8_t>(isNarrow(mask) ? ((value >> (8 - bits)) * 255 + top / 2) / top : value);
    return table;
}

void stretchNarrowChannels(QImage& picture, const std::array<std::uint32_t, 3>& masks)
{
    if (std::none_of(masks.begin(), masks.end(), isNarrow))
        return;
    const auto red = stretchTable(masks[0]);
    const auto green = stretchTable(masks[1]);
    const auto blue = stretchTable(masks[2]);
    for (int y = 0; y < picture.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(picture.scanLine(y));
        for (int x = 0; x < picture.width(); ++x) {
            const QRgb p = line[x];
            line[x] = qRgba(red[qRed(p)], green[qGreen(p)], blue[qBlue(p)], qAlpha(p));
        }
    }
}

} // namespace

QImage DecodeBitmap(std::span<const std::uint8_t> file)
{
    MemoryImageReader bmp(file, "bmp");
    QImageReader& reader = bmp.reader();
    // Run-length data may skip pixels, which the reader leaves as it finds
    // them: start from palette entry 0 so that every import reads the same.
    QImage picture(reader.size(), reader.imageFormat());
    picture.fill(0);
    const auto header = readHeader(file);
    if (!reader.read(&picture) || !header || promisedEnd(*header) > file.size())
        throw Error("Bitmap image is not valid");
    picture.convertTo(QImage::Format_ARGB32);
    if (const auto masks = channelMasks(file, *header))
        stretchNarrowChannels(picture, *masks);
    return picture;
}

} // namespace tolvar
