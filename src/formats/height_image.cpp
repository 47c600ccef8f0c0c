#include "formats/height_image.h"

#include "core/error.h"
#include "core/frame.h"
#include "core/number_text.h"
#include "formats/file_io.h"
#include "formats/map_import.h"
#include "formats/memory_image_reader.h"
#include "formats/wide_height.h"

#include <QBuffer>

#include <algorithm>
#include <cctype>
#include <filesystem>

namespace tolvar {
namespace {

constexpr FileDialog SaveDialog{.name = "dlgSaveBitmap",
                                .defaultExtension = "png",
                                .filterName = "16-bit PNG Height Maps",
                                .filterPattern = "*.png",
                                .save = true,
                                .otherExtension = "bmp",
                                .otherFilterName = "8-bit BMP Previews"};
constexpr FileDialog OpenDialog{"dlgOpenPngHeight", "png", "PNG Height Maps", "*.png", false};

constexpr int LowestImage = 2;
constexpr int HighestImage = 512;

std::uint16_t* wordsOf(QImage& image, int y)
{
    return reinterpret_cast<std::uint16_t*>(image.scanLine(y));
}

const std::uint16_t* wordsOf(const QImage& image, int y)
{
    return reinterpret_cast<const std::uint16_t*>(image.constScanLine(y));
}

// Images of 8 bits a channel go to gray in 8 bits, widened by v x 257 so
// that 255 reads as 4095 whatever Qt's own widening does.
QImage toGray16(const QImage& image)
{
    if (image.format() == QImage::Format_Grayscale16 || image.depth() > 32)
        return image.convertToFormat(QImage::Format_Grayscale16);
    const QImage gray8 = image.convertToFormat(QImage::Format_Grayscale8);
    QImage gray16(gray8.size(), QImage::Format_Grayscale16);
    for (int y = 0; y < gray8.height(); ++y) {
        const std::uint8_t* from = gray8.constScanLine(y);
        std::uint16_t* to = wordsOf(gray16, y);
        for (int x = 0; x < gray8.width(); ++x)
            to[x] = static_cast<std::uint16_t>(from[x] * 257);
    }
    return gray16;
}

std::vector<std::uint8_t> encoded(const QImage& image, const char* format)
{
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    if (!image.save(&buffer, format))
        throw Error(std::string("The map could not be encoded as ") + format);
    const QByteArray& data = buffer.data();
    return {data.begin(), data.end()};
}

std::string lowerExtension(const std::string& path)
{
    std::string extension = std::filesystem::path(path).extension().string();
    std::transform(extension.begin(), extension.end(), extension.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return extension;
}

} // namespace

QImage HeightImage16(const Grid& map, int rows, int cols)
{
    QImage image(cols, rows, QImage::Format_Grayscale16);
    for (int y = 0; y < rows; ++y) {
        const Height* row = map.row(rows - y);
        std::uint16_t* pixel = wordsOf(image, y);
        for (int x = 0; x < cols; ++x)
            pixel[x] = WidenHeight(row[x + 1]);
    }
    return image;
}

QImage HeightPreview8(const Grid& map, int rows, int cols)
{
    // Indexed with a gray palette: Qt writes that as an 8-bit BMP, but other
    // 8-bit formats as 24-bit ones.
    QImage image(cols, rows, QImage::Format_Indexed8);
    QList<QRgb> grays(256);
    for (int v = 0; v < 256; ++v)
        grays[v] = qRgb(v, v, v);
    image.setColorTable(grays);
    for (int y = 0; y < rows; ++y) {
        const Height* row = map.row(rows - y);
        std::uint8_t* pixel = image.scanLine(y);
        for (int x = 0; x < cols; ++x)
            pixel[x] = static_cast<std::uint8_t>((row[x + 1] & 0x0FFF) / 16);
    }
    return image;
}

QImage DecodePngHeights(std::span<const std::uint8_t> file)
{
    MemoryImageReader png(file, "png");
    QImageReader& reader = png.reader();
    const QSize size = reader.size();
    if (!size.isValid())
        throw Error("PNG image is not valid");
    if (size.height() < LowestImage || size.height() > HighestImage)
        throw Error(formatMessage("The image is %s pixels high; images from 2 to 512 pixels high can be opened",
                                  IntToStr(size.height())));
    QImage image;
    if (!reader.read(&image))
        throw Error("PNG image is not valid");
    return toGray16(image);
}

void PlaceHeightImage(const QImage& image, Grid& map, int rows, int cols)
{
    const int width = std::min(cols, image.width());
    for (int y = 0; y < rows; ++y) {
        Height* row = map.row(rows - y);
        std::fill(row + 1, row + cols + 1, Height{0});
        if (y >= image.height())
            continue;
        const std::uint16_t* pixel = wordsOf(image, y);
        for (int x = 0; x < width; ++x)
            row[x + 1] = NarrowWord(pixel[x]);
    }
}

void SaveBitmap(Frame& frame)
{
    const AppState& s = frame.state();
    if (s.MapRows == 0)
        throw Error("The map is empty: there is nothing to save");
    const auto path = frame.prompter().chooseFile(SaveDialog);
    if (!path)
        return;
    const std::string extension = lowerExtension(*path);
    if (extension != ".png" && extension != ".bmp")
        throw Error(
            formatMessage("Bitmaps are saved as .png (16-bit heights) or .bmp (8-bit preview), not as %s", *path));
    WriteWholeFile(*path, extension == ".png" ? encoded(HeightImage16(s.HeightMap, s.MapRows, s.MapCols), "PNG")
                                              : encoded(HeightPreview8(s.HeightMap, s.MapRows, s.MapCols), "BMP"));
}

void OpenPngHeightMap(Frame& frame)
{
    const auto path = frame.prompter().chooseFile(OpenDialog);
    if (!path)
        return;
    const QImage image = DecodePngHeights(ReadWholeFile(*path, {"a PNG file", 64 * MiB}));
    BeginImportOfRows(frame, image.height());
    const AppState& s = frame.state();
    PlaceHeightImage(image, frame.state().HeightMap, s.MapRows, s.MapCols);
    frame.RefreshViews();
}

} // namespace tolvar
