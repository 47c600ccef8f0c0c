#pragma once

#include "core/app_state.h"

namespace tolvar::testing {

// A fresh 128 x 128 map seen whole from rotation 0 at size 128, each cell
// (row, col) set to height(row, col).
template <class Height> AppState& wholeViewMap(Height height)
{
    resetAppState();
    AppState& s = appState();
    s.MapRows = s.MapCols = 128;
    s.view = ViewState{128, 0, 0, 0};
    for (int r = 1; r <= 128; ++r)
        for (int c = 1; c <= 128; ++c)
            s.HeightMap(r, c) = static_cast<tolvar::Height>(height(r, c));
    return s;
}

} // namespace tolvar::testing
