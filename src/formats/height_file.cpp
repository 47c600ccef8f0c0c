#include "formats/height_file.h"

#include "core/frame.h"
#include "core/number_text.h"
#include "formats/file_io.h"
#include "formats/game_companions.h"
#include "formats/zone_layout.h"

#include <algorithm>
#include <array>
#include <cassert>
#include <optional>

namespace tolvar {
namespace {

constexpr int TileSide = 128;
constexpr std::size_t TileWords = TileSide * TileSide;
constexpr Height LoadMask = 0x0FFF;

constexpr FileDialog LoadDialog{"dlgLoad", "hgt", "Battlezone Height Files", "*.hgt", false};

// Visits the cells of the whole tiles in file order: visit(word, row, col).
template <typename Visit> void forEachTileCell(int rows, int cols, Visit visit)
{
    ForEachZoneCell(rows, cols, TileSide, visit);
}

} // namespace

int HeightFileSide(std::int64_t words)
{
    for (const int side : std::array{128, 256, 384, 512})
        if (words == std::int64_t{side} * side)
            return side;
    return 0;
}

std::size_t HeightFileWords(int rows, int cols)
{
    return static_cast<std::size_t>(rows / TileSide) * static_cast<std::size_t>(cols / TileSide) * TileWords;
}

std::vector<std::uint8_t> EncodeHeightFile(const Grid& map, int rows, int cols, Height ceiling)
{
    std::vector<std::uint8_t> bytes(2 * HeightFileWords(rows, cols));
    forEachTileCell(rows, cols, [&](std::size_t word, int r, int c) {
        const Height h = std::min(map(r, c), ceiling);
        bytes[2 * word] = static_cast<std::uint8_t>(h & 0xFF);
        bytes[2 * word + 1] = static_cast<std::uint8_t>(h >> 8);
    });
    return bytes;
}

std::size_t CellsAboveGameLimit(const Grid& map, int rows, int cols)
{
    std::size_t count = 0;
    forEachTileCell(rows, cols, [&](std::size_t, int r, int c) { count += map(r, c) > GameHeightLimit; });
    return count;
}

void DecodeHeightFile(std::span<const std::uint8_t> bytes, Grid& map, int rows, int cols)
{
    assert(bytes.size() >= 2 * HeightFileWords(rows, cols));
    forEachTileCell(rows, cols, [&](std::size_t word, int r, int c) {
        const auto h = static_cast<Height>(bytes[2 * word] | bytes[2 * word + 1] << 8);
        map(r, c) = static_cast<Height>(h & LoadMask);
    });
}

namespace {

void readHeightFile(Frame& frame, const std::string& path)
{
    AppState& s = frame.state();
    {
        InputFile file(path);
        const std::int64_t words = file.size() / 2;
        if (const int side = HeightFileSide(words))
            frame.document().setSize({static_cast<std::uint16_t>(side), static_cast<std::uint16_t>(side)});
        frame.ui().setText(Box::cboHeight, IntToStr(s.MapRows * 10));
        frame.ui().setPointInfo(IntToStr(words));
        frame.BeginOperation();
        // Read all of it before storing any: a short file changes nothing.
        const auto bytes = file.read(2 * HeightFileWords(s.MapRows, s.MapCols));
        DecodeHeightFile(bytes, s.HeightMap, s.MapRows, s.MapCols);
        s.SavedMap = s.HeightMap;
        if (const std::string note = OpenGameCompanions(path, s.HeightMap, s.MapRows); !note.empty())
            frame.ui().setPointInfo(IntToStr(words) + note);
    }
    frame.ui().heightFileUsed(path);
    frame.RefreshViews();
}

} // namespace

void OpenHeightFile(Frame& frame)
{
    // Before the dialog: its effects stand even when the user cancels.
    frame.BeginOperation();
    if (const auto path = frame.prompter().chooseFile(LoadDialog))
        readHeightFile(frame, *path);
}

void OpenHeightFileNamed(Frame& frame, const std::string& path)
{
    frame.BeginOperation();
    readHeightFile(frame, path);
}

namespace {

std::optional<Height> askHeightCeiling(Frame& frame)
{
    const AppState& s = frame.state();
    const std::size_t above = CellsAboveGameLimit(s.HeightMap, s.MapRows, s.MapCols);
    if (above == 0)
        return Height{0xFFFF};
    const std::string limit = IntToStr(GameHeightLimit);
    const std::string question = IntToStr(static_cast<std::int64_t>(above)) + " cells are higher than " + limit +
                                 ", the highest height the game reads. Yes clips them to " + limit +
                                 " in the file only; the map keeps its heights. No writes all 16 bits: the game "
                                 "reads the top bits as flags, and Tolvar reads them back wrapped (6000 as 1904). "
                                 "Cancel writes nothing.";
    switch (frame.prompter().ask("Save", question)) {
    case Answer::Yes:
        return GameHeightLimit;
    case Answer::No:
        return Height{0xFFFF};
    case Answer::Cancel:
        break;
    }
    return std::nullopt;
}

} // namespace

std::optional<HeightSaveTarget> AskHeightSaveTarget(Frame& frame)
{
    const auto ceiling = askHeightCeiling(frame);
    if (!ceiling)
        return std::nullopt;
    auto path = frame.prompter().chooseFile(HeightSaveDialog);
    if (!path)
        return std::nullopt;
    return HeightSaveTarget{*ceiling, std::move(*path)};
}

void SaveHeightFile(Frame& frame)
{
    const auto target = AskHeightSaveTarget(frame);
    if (!target)
        return;
    AppState& s = frame.state();
    WriteWholeFile(target->path, EncodeHeightFile(s.HeightMap, s.MapRows, s.MapCols, target->ceiling));
    s.SavedMap = s.HeightMap;
    frame.ui().heightFileUsed(target->path);
}

} // namespace tolvar
