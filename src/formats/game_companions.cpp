#include "formats/game_companions.h"

#include "core/error.h"
#include "core/number_text.h"
#include "effects/game_terrain_options.h"
#include "formats/file_io.h"
#include "formats/game_terrain_files.h"

#include "fractal/row_workers.h"

#include <QFileInfo>
#include <optional>

namespace tolvar {
namespace {

std::string fileName(const std::string& path)
{
    return QFileInfo(QString::fromStdString(path)).fileName().toStdString();
}

// The whole file when it is there with exactly the expected size; a note
// for the status line when it is there but cannot be used. Sizes are
// compared before a byte is read, so any file costs nothing.
std::optional<std::vector<std::uint8_t>> readCompanion(const std::string& path, std::int64_t expected,
                                                       std::string& note)
{
    if (!QFileInfo::exists(QString::fromStdString(path)))
        return std::nullopt;
    try {
        InputFile file(path);
        if (file.size() == expected && expected > 0)
            return file.readAll();
        note += "; " + fileName(path) + " is " + IntToStr(file.size()) + " bytes, not " + IntToStr(expected) +
                ": not used";
    } catch (const Error& e) {
        note += "; " + fileName(path) + ": " + e.what() + ": not used";
    }
    return std::nullopt;
}

GameTerrainSettings currentSettings()
{
    try {
        return ReadGameTerrainBoxes(gameTerrainBoxes());
    } catch (const Error&) {
        return ReadGameTerrainBoxes({});
    }
}

} // namespace

bool GameCompanions::lightFits(const Grid& current, int currentSide) const
{
    return !light.empty() && side == currentSide && map == current;
}

bool GameCompanions::materialsFit(const Grid& current, int currentSide) const
{
    return !materials.empty() && side == currentSide && map == current;
}

GameCompanions& gameCompanions()
{
    static GameCompanions companions;
    return companions;
}

void KeepGameCompanions(const Grid& map, int side, std::vector<std::uint8_t> light,
                        std::vector<std::uint8_t> materials)
{
    GameCompanions& kept = gameCompanions();
    kept.map = map;
    kept.side = side;
    kept.light = std::move(light);
    kept.materials = std::move(materials);
    ++kept.version;
}

std::vector<std::uint8_t> GameLightOf(const Grid& map, int side)
{
    const GameCompanions& kept = gameCompanions();
    if (kept.lightFits(map, side))
        return kept.light;
    return BakeGameLight(*GameHeights(map, side, 0xFFFF), side, currentSettings().sun, DefaultWorkers());
}

std::vector<std::uint8_t> GameMaterialsOf(const Grid& map, int side)
{
    const GameCompanions& kept = gameCompanions();
    if (kept.materialsFit(map, side))
        return kept.materials;
    return PaintMaterials(*GameHeights(map, side, 0xFFFF), side, currentSettings().rules);
}

std::string OpenGameCompanions(const std::string& heightPath, const Grid& map, int side)
{
    std::string note;
    std::vector<std::uint8_t> light, materials;
    if (const auto bytes = readCompanion(CompanionPath(heightPath, "lgt"), LightFileBytes(side), note))
        light = DecodeLightFile(*bytes, side);
    if (const auto bytes = readCompanion(CompanionPath(heightPath, "mat"), MaterialFileBytes(side), note))
        materials = DecodeMaterialFile(*bytes, side);
    KeepGameCompanions(map, side, std::move(light), std::move(materials));
    return note;
}

} // namespace tolvar
