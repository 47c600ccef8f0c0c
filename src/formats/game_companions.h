#pragma once

#include "core/grid.h"

#include <cstdint>
#include <string>
#include <vector>

namespace tolvar {

// The light and materials the game would show, as the last Save Game
// Terrain wrote them or Open found them beside the height file, with the
// map they belong to.
struct GameCompanions {
    Grid map;
    int side = 0;
    std::vector<std::uint8_t> light;     // map order; empty when none
    std::vector<std::uint8_t> materials; // tile order; empty when none
    // Counts every change, so that a view knows when to draw them again.
    unsigned version = 0;

    // Each only while the map stands as they were made for.
    bool lightFits(const Grid& current, int currentSide) const;
    bool materialsFit(const Grid& current, int currentSide) const;
};

GameCompanions& gameCompanions();

// Replaces the kept companions by those made for this map.
void KeepGameCompanions(const Grid& map, int side, std::vector<std::uint8_t> light,
                        std::vector<std::uint8_t> materials);

// What the game would show of the map: the kept light and materials while
// the map stands as they were made for, otherwise made now from the Game
// Terrain boxes (their defaults while a box holds a refused value).
std::vector<std::uint8_t> GameLightOf(const Grid& map, int side);
std::vector<std::uint8_t> GameMaterialsOf(const Grid& map, int side);

// Open: keeps NAME.lgt and NAME.mat beside the opened height file when they
// hold the map's number of zones. Returns a note for the status line about
// those that were there but could not be used, or an empty text.
std::string OpenGameCompanions(const std::string& heightPath, const Grid& map, int side);

} // namespace tolvar
