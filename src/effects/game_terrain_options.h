#pragma once

#include "effects/game_light.h"
#include "effects/game_materials.h"

#include <array>
#include <string>
#include <string_view>

namespace tolvar {

// The texts of the Game Terrain window's boxes, which Save Game Terrain and
// the 3D View read.
struct GameTerrainBoxes {
    std::string ediSunAzimuth = "315";
    std::string ediSunElevation = "45";
    std::string ediMaterialBands = "0:0 1000:1 2000:2 3000:3";
    std::string ediCliffSlope = "35";
    std::string ediCliffMaterial = "4";
    bool chkRepaintMaterials = false;
};

// One text box: its design name, its label and where its text is kept.
struct GameTerrainBox {
    std::string_view name;
    std::string_view label;
    std::string GameTerrainBoxes::*text;
};
inline const std::array<GameTerrainBox, 5> GameTerrainTextBoxes{{
    {"ediSunAzimuth", "Sun azimuth (degrees from north)", &GameTerrainBoxes::ediSunAzimuth},
    {"ediSunElevation", "Sun elevation (1 to 90 degrees)", &GameTerrainBoxes::ediSunElevation},
    {"ediMaterialBands", "Material bands (HEIGHT:MATERIAL ...)", &GameTerrainBoxes::ediMaterialBands},
    {"ediCliffSlope", "Cliff slope (degrees)", &GameTerrainBoxes::ediCliffSlope},
    {"ediCliffMaterial", "Cliff material (0 to 15)", &GameTerrainBoxes::ediCliffMaterial},
}};

// The boxes as the window shows them; the window keeps them up to date.
GameTerrainBoxes& gameTerrainBoxes();

struct GameTerrainSettings {
    Sun sun;
    MaterialRules rules;
};

// The values of the boxes; throws Error naming the first box whose text is
// not a value it takes.
GameTerrainSettings ReadGameTerrainBoxes(const GameTerrainBoxes& boxes);

} // namespace tolvar
