#pragma once

#include "core/fractal_params.h"
#include "core/grid.h"
#include "core/random.h"
#include "core/view_state.h"

#include <cstdint>

namespace tolvar {

// All process-wide data of the editor: the grids, the size in use, the
// parameters, the view state and the random generator.
struct AppState {
    Grid HeightMap;
    Grid UndoMap;
    Grid ClipMap;
    // The map as last opened from or saved to a height file.
    Grid SavedMap;
    std::uint16_t MapRows = 0;
    std::uint16_t MapCols = 0;
    FractalParams params;
    ViewState view;
    Random random;

    bool operator==(const AppState&) const = default;
};

// True when closing now would lose heights that no height file holds.
inline bool MapChangedSinceSaved(const AppState& s) { return s.HeightMap != s.SavedMap; }

AppState& appState();
// Back to the start-up state: zero grids, no size, seed 0.
void resetAppState();

} // namespace tolvar
