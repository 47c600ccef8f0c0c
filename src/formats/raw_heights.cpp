#include "formats/raw_heights.h"

#include "core/error.h"
#include "core/frame.h"
#include "core/number_text.h"
#include "formats/file_io.h"
#include "formats/height_file.h"
#include "formats/map_import.h"
#include "formats/wide_height.h"

#include <cassert>

namespace tolvar {
namespace {

constexpr FileDialog LoadDialog{"dlgOpenBinaryFile", "r16", "Raw 16-bit Height Files", "*.r16 *.raw", false};
constexpr FileDialog SaveDialog{"dlgSaveBinaryFile", "r16", "Raw 16-bit Height Files", "*.r16 *.raw", true};

constexpr const char* AcceptedSizes =
    "binary files hold 128 x 128, 256 x 256, 384 x 384 or 512 x 512 16-bit words, or one more row and column";

} // namespace

std::optional<RawLayout> RawLayoutOf(std::int64_t bytes)
{
    if (bytes % 2 != 0)
        return std::nullopt;
    for (const int extra : {0, 1}) {
        const std::int64_t words = bytes / 2;
        for (int side = 128; side <= 512; side += 128)
            if (words == std::int64_t{side + extra} * (side + extra))
                return RawLayout{side, side + extra};
    }
    return std::nullopt;
}

std::vector<std::uint8_t> EncodeRawHeights(const Grid& map, int side)
{
    std::vector<std::uint8_t> bytes;
    bytes.reserve(2 * static_cast<std::size_t>(side) * static_cast<std::size_t>(side));
    for (int r = side; r >= 1; --r)
        for (int c = 1; c <= side; ++c)
            AppendWord(bytes, WidenHeight(map(r, c)));
    return bytes;
}

void DecodeRawHeights(std::span<const std::uint8_t> bytes, RawLayout layout, Grid& map)
{
    assert(bytes.size() == 2 * static_cast<std::size_t>(layout.stride) * static_cast<std::size_t>(layout.stride));
    for (int y = 0; y < layout.side; ++y) {
        const std::uint8_t* word =
            bytes.data() + 2 * static_cast<std::size_t>(y) * static_cast<std::size_t>(layout.stride);
        Height* row = map.row(layout.side - y);
        for (int x = 0; x < layout.side; ++x, word += 2)
            row[x + 1] = NarrowWord(static_cast<std::uint16_t>(word[0] | word[1] << 8));
    }
}

void OpenBinaryFile(Frame& frame)
{
    const auto path = frame.prompter().chooseFile(LoadDialog);
    if (!path)
        return;
    InputFile file(*path);
    const auto layout = RawLayoutOf(file.size());
    if (!layout)
        throw Error("The file is " + IntToStr(file.size()) + " bytes long; " + AcceptedSizes);
    const std::vector<std::uint8_t> bytes = file.readAll();
    BeginImportOfRows(frame, layout->side);
    DecodeRawHeights(bytes, *layout, frame.state().HeightMap);
    frame.RefreshViews();
}

void SaveBinaryFile(Frame& frame)
{
    const AppState& s = frame.state();
    // A map of another size would make a file that no open accepts.
    if (!HeightFileSide(std::int64_t{s.MapRows} * s.MapRows))
        throw Error("The map is " + IntToStr(s.MapRows) + " x " + IntToStr(s.MapCols) + "; " + AcceptedSizes);
    const auto path = frame.prompter().chooseFile(SaveDialog);
    if (!path)
        return;
    WriteWholeFile(*path, EncodeRawHeights(s.HeightMap, s.MapRows));
}

} // namespace tolvar
