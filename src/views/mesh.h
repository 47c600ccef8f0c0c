#pragma once

#include "core/app_state.h"
#include "views/projection.h"

#include <functional>

namespace tolvar {

struct MeshPoint {
    WorldPoint world;
    ScreenPoint screen;
};

// One cell of the viewed window: its own point, the point one row further
// down the plan and the point one column further right.
struct MeshCell {
    MeshPoint p1;
    MeshPoint p2;
    MeshPoint p3;
};

// Visits the cells of the viewed window in drawing order, each point
// projected once. A window that reaches beyond the map in use (the map shrank
// under unchanged step counts) loses the cells that lie outside it, so
// nothing beyond the map is read.
void ForEachMeshCell(const AppState& state, const Projection& projection,
                     const std::function<void(const MeshCell&)>& visit);

} // namespace tolvar
