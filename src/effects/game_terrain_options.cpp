#include "effects/game_terrain_options.h"

#include "core/error.h"
#include "core/number_text.h"


namespace tolvar {
namespace {

double degreesIn(const std::string& text, std::string_view what, double lowest, double highest)
{
    double value = 0;
    try {
        value = StrToDouble(text);
    } catch (const Error&) {
        throw Error(std::string(what) + ": '" + text + "' is not a number");
    }
    if (!(value >= lowest && value <= highest))
        throw Error(std::string(what) + ": '" + text + "' must lie between " + FloatToStr(lowest) + " and " +
                    FloatToStr(highest));
    return value;
}

int materialIn(const std::string& text)
{
    std::int32_t value = -1;
    try {
        value = StrToInt(text);
    } catch (const Error&) {
    }
    if (value < 0 || value >= MaterialCount)
        throw Error("Cliff material: '" + text + "' must be a whole number from 0 to 15");
    return value;
}

} // namespace

GameTerrainBoxes& gameTerrainBoxes()
{
    static GameTerrainBoxes boxes;
    return boxes;
}

GameTerrainSettings ReadGameTerrainBoxes(const GameTerrainBoxes& boxes)
{
    GameTerrainSettings settings;
    settings.sun.azimuth = degreesIn(boxes.ediSunAzimuth, "Sun azimuth", -360, 360);
    settings.sun.elevation = degreesIn(boxes.ediSunElevation, "Sun elevation", 1, 90);
    settings.rules.bands = ParseMaterialBands(boxes.ediMaterialBands);
    settings.rules.cliffSlope = degreesIn(boxes.ediCliffSlope, "Cliff slope", 0, 90);
    settings.rules.cliffMaterial = materialIn(boxes.ediCliffMaterial);
    return settings;
}

} // namespace tolvar
