#include "formats/bitmap_import.h"

#include "core/error.h"
#include "core/frame.h"
#include "core/number_text.h"
#include "formats/bitmap_decode.h"
#include "formats/file_io.h"

namespace tolvar {
namespace {

enum class BitmapMode { Averaged, Divided, Masked };

constexpr FileDialog BitmapDialog{"dlgOpenBitmap", "bmp", "Bitmaps", "*.bmp", false};
// The grids hold 512 data rows; a picture lower than 2 makes a map of none.
constexpr int LowestPicture = 2;
constexpr int HighestPicture = 512;

// The colour with red in bits 0-7, green in 8-15 and blue in 16-23; a point
// outside the picture is -1.
std::int32_t pixelValue(const QImage& picture, int x, int y)
{
    if (x < 0 || y < 0 || x >= picture.width() || y >= picture.height())
        return -1;
    const QRgb p = reinterpret_cast<const QRgb*>(picture.constScanLine(y))[x];
    return qRed(p) | qGreen(p) << 8 | qBlue(p) << 16;
}

// Signed division, so the outside value -1 divides to 0.
std::int64_t heightOf(std::int32_t p, BitmapMode mode, std::int32_t factor)
{
    switch (mode) {
    case BitmapMode::Averaged:
        return std::int64_t{(p & 0xFF) + (p & 0xFF00) / 255 + (p & 0xFF0000) / 65535} * factor;
    case BitmapMode::Divided:
        return std::int64_t{(p / 255) & 0x0FFF} * factor;
    case BitmapMode::Masked:
        break;
    }
    return p & 0x0FFF;
}

QImage loadPicture(const std::string& path)
{
    std::vector<std::uint8_t> file;
    try {
        file = ReadWholeFile(path, {"a bitmap file", 64 * MiB});
    } catch (const FileTooLarge&) {
        throw;
    } catch (const Error&) {
        throw Error(formatMessage("Cannot open file %s", path));
    }
    QImage picture = DecodeBitmap(file);
    if (picture.height() < LowestPicture || picture.height() > HighestPicture)
        throw Error(formatMessage("The bitmap is %s pixels high; bitmaps from 2 to 512 pixels high can be opened",
                                  IntToStr(picture.height())));
    return picture;
}

void openBitmap(Frame& frame, BitmapMode mode)
{
    const auto path = frame.prompter().chooseFile(BitmapDialog);
    if (!path)
        return;
    const QImage picture = loadPicture(*path);
    frame.ui().setText(Box::cboHeight, IntToStr(picture.height() * 10));
    frame.BeginOperation();
    AppState& s = frame.state();
    const std::int32_t factor = s.params.Steepness < 6 ? s.params.Steepness : 5;
    // The picture's rows run the opposite way to the map's.
    for (int r = 0; r < s.MapRows; ++r)
        for (int c = 0; c < s.MapCols; ++c)
            s.HeightMap.store(r, c, heightOf(pixelValue(picture, c, s.MapRows - r), mode, factor));
    frame.RefreshViews();
}

} // namespace

void OpenBitmapAveraged(Frame& frame)
{
    openBitmap(frame, BitmapMode::Averaged);
}
void OpenBitmapDivided(Frame& frame)
{
    openBitmap(frame, BitmapMode::Divided);
}
void OpenBitmapMasked(Frame& frame)
{
    openBitmap(frame, BitmapMode::Masked);
}

} // namespace tolvar
