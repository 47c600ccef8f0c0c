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
// down the plan, the point one column further right and the point diagonally
// across from its own.
struct MeshCell {
    MeshPoint p1;
    MeshPoint p2;
    MeshPoint p3;
    MeshPoint p4;
};

// Loop: rows, then columns, counting up. FarToNear: the painter's order, in
// which nearer cells come later and cover what they hide.
enum class MeshOrder { Loop, FarToNear };

// Visits the cells of the viewed window in the given order, each point
// projected once. A window that reaches beyond the map in use (the map shrank
// under unchanged step counts) loses the cells that lie outside it, so
// nothing beyond the map is read.
void ForEachMeshCell(const AppState& state, const Projection& projection,
                     const std::function<void(const MeshCell&)>& visit, MeshOrder order = MeshOrder::Loop);

// A triangle of the mesh, outlined b to a, a to c and c to b, and the cell
// it belongs to.
struct MeshTriangle {
    const MeshPoint& a;
    const MeshPoint& b;
    const MeshPoint& c;
    const MeshCell& cell;
};

// Both triangles of every cell, (p1, p2, p3) and (p4, p2, p3), farthest
// first. Drawn in this order, each triangle covers what lies behind it.
void ForEachMeshTriangle(const AppState& state, const Projection& projection,
                         const std::function<void(const MeshTriangle&)>& visit);

} // namespace tolvar
