#include "formats/game_terrain_save.h"

#include "core/error.h"
#include "core/frame.h"
#include "core/number_text.h"
#include "effects/game_terrain_options.h"
#include "formats/file_io.h"
#include "formats/game_companions.h"
#include "formats/game_terrain_files.h"
#include "formats/height_file.h"
#include "formats/trn_size.h"
#include "fractal/row_workers.h"

#include <QFileInfo>
#include <optional>

namespace tolvar {
namespace {

constexpr SizeLimit TrnLimit{"a terrain (.trn) file", MiB};
constexpr int CellMetres = 10;

std::string fileName(const std::string& path)
{
    return QFileInfo(QString::fromStdString(path)).fileName().toStdString();
}

std::optional<std::int64_t> existingSize(const std::string& path)
{
    const QFileInfo file(QString::fromStdString(path));
    return file.exists() ? std::optional(file.size()) : std::nullopt;
}

// Whether to paint NAME.mat: one of the right size is kept unless the user
// asked for a repaint; one of another size goes only when the user agrees.
bool paintMaterials(Frame& frame, const std::string& matPath, int side, bool repaint)
{
    const auto size = existingSize(matPath);
    const std::int64_t needed = MaterialFileBytes(side);
    if (repaint || !size)
        return true;
    if (*size == needed)
        return false;
    const std::int64_t zoneBytes = MaterialZoneSide * MaterialZoneSide * 2;
    return frame.prompter().askYesNo("Save Game Terrain", fileName(matPath) + " holds " +
                                                              IntToStr(*size / zoneBytes) + " zones; this map needs " +
                                                              IntToStr(needed / zoneBytes) + ". Replace it?");
}

// What becomes of NAME.trn: new text to write, a problem to report, and
// whether the user cancelled the whole save.
struct TrnPlan {
    std::optional<std::string> text;
    std::string status;
    std::string problem;
    bool cancelled = false;
};

TrnPlan planTrn(Frame& frame, const std::string& trnPath, int side)
{
    const std::string name = fileName(trnPath);
    if (!existingSize(trnPath))
        return {std::nullopt, "no " + name + " written: the game's tools make it", {}, false};
    std::string text;
    TrnSize size;
    try {
        const std::vector<std::uint8_t> bytes = ReadWholeFile(trnPath, TrnLimit);
        text.assign(bytes.begin(), bytes.end());
        size = ReadTrnSize(text);
    } catch (const Error& e) {
        return {std::nullopt, name + " left alone", name + " was left alone: " + e.what(), false};
    }
    const int metres = side * CellMetres;
    if (TrnSizeIs(size, metres))
        return {std::nullopt, name + " kept", {}, false};
    const std::string map = IntToStr(metres);
    switch (frame.prompter().ask("Save Game Terrain", name + " says " + size.width + " x " + size.depth +
                                                          " m; this map is " + map + " x " + map +
                                                          " m. Update its size?")) {
    case Answer::Yes:
        return {WithTrnSize(text, size, metres), name + " updated", {}, false};
    case Answer::No:
        return {std::nullopt, name + " left alone", {}, false};
    case Answer::Cancel:
        break;
    }
    return {std::nullopt, {}, {}, true};
}

// The materials to show for a kept NAME.mat, or none when it cannot be read.
std::vector<std::uint8_t> keptMaterials(const std::string& matPath, int side)
{
    try {
        return DecodeMaterialFile(ReadWholeFile(matPath, {"a material file", MaterialFileBytes(side)}), side);
    } catch (const Error&) {
        return {};
    }
}

} // namespace

void SaveGameTerrain(Frame& frame)
{
    // A refused box stops the save before any question.
    const GameTerrainSettings settings = ReadGameTerrainBoxes(gameTerrainBoxes());
    const auto target = AskHeightSaveTarget(frame);
    if (!target)
        return;
    const std::string& path = target->path;
    AppState& s = frame.state();
    const int side = s.MapRows;
    const std::string lgtPath = CompanionPath(path, "lgt"), matPath = CompanionPath(path, "mat");
    const bool paint = paintMaterials(frame, matPath, side, gameTerrainBoxes().chkRepaintMaterials);
    const TrnPlan trn = planTrn(frame, CompanionPath(path, "trn"), side);
    if (trn.cancelled)
        return;

    frame.BusyCursorOn();
    const auto heights = GameHeights(s.HeightMap, side, target->ceiling);
    std::vector<std::uint8_t> light = BakeGameLight(*heights, side, settings.sun, DefaultWorkers());
    std::vector<std::uint8_t> materials = paint ? PaintMaterials(*heights, side, settings.rules) : std::vector<std::uint8_t>{};
    std::vector<FileContents> files{{path, EncodeHeightFile(s.HeightMap, side, side, target->ceiling)},
                                    {lgtPath, EncodeLightFile(light, side)}};
    if (paint)
        files.push_back({matPath, EncodeMaterialFile(materials, side)});
    if (trn.text)
        files.push_back({CompanionPath(path, "trn"), {trn.text->begin(), trn.text->end()}});
    frame.BusyCursorOff();
    WriteFileSet(files);

    s.SavedMap = s.HeightMap;
    frame.ui().heightFileUsed(path);
    KeepGameCompanions(s.HeightMap, side, std::move(light), paint ? std::move(materials) : keptMaterials(matPath, side));
    frame.ui().setPointInfo("Saved " + fileName(path) + ", " + fileName(lgtPath) + ", " + fileName(matPath) +
                            (paint ? "" : " kept") + "; " + trn.status);
    if (!trn.problem.empty())
        frame.prompter().showError(trn.problem);
}

} // namespace tolvar
