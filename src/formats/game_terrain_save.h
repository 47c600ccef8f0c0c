#pragma once

namespace tolvar {

class Frame;

// File > Save Game Terrain: NAME.hgt as Save writes it, then beside it the
// light the game shows (NAME.lgt), the materials (NAME.mat, unless one of
// the right size may hold the map maker's own painting) and the size in an
// existing NAME.trn, all written together or none.
void SaveGameTerrain(Frame& frame);

} // namespace tolvar
