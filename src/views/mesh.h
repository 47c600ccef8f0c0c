#pragma once

#include "core/app_state.h"
#include "views/projection.h"

#include <cstdint>

namespace tolvar {

// One cell of the viewed window: its own point, the point one row further
// down the plan and the point one column further right.
struct MeshCell {
    WorldPoint p1;
    WorldPoint p2;
    WorldPoint p3;
};

// Visits the cells of the viewed window in drawing order. A window that
// reaches beyond the map in use (the map shrank under unchanged step counts)
// loses the cells that lie outside it, so nothing beyond the map is read.
template <class Visit>
void ForEachMeshCell(const AppState& s, Visit&& visit)
{
    const int size = s.view.ViewSize;
    const int half = size / 2;
    const std::int64_t br = static_cast<std::int64_t>(size) * s.view.ViewStepsDown / 2;
    const std::int64_t bc = static_cast<std::int64_t>(size) * s.view.ViewStepsRight / 2;
    const auto z = [&](std::int64_t r, std::int64_t c) { return 0.1L * s.HeightMap(static_cast<int>(r), static_cast<int>(c)); };
    for (int i = 1; i < size; ++i) {
        const std::int64_t r = s.MapRows + 1 - (br + i);
        if (r - 1 < 1 || r > s.MapRows)
            continue;
        const long double x1 = 10.0L * (i - half);
        const long double x2 = 10.0L * (i + 1 - half);
        for (int j = 1; j < size; ++j) {
            const std::int64_t c = bc + j;
            if (c < 1 || c + 1 > s.MapCols)
                continue;
            const long double y1 = 10.0L * (j - half);
            const long double y3 = 10.0L * (j + 1 - half);
            visit(MeshCell{{x1, y1, z(r, c)}, {x2, y1, z(r - 1, c)}, {x1, y3, z(r, c + 1)}});
        }
    }
}

} // namespace tolvar
