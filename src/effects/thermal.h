#pragma once

#include "core/grid.h"
#include "fractal/row_workers.h"

#include <cstdint>
#include <functional>

namespace tolvar {

class Frame;

// Thermal erosion of rows and columns 1..n: material slides from a cell to a
// lower neighbour (of the four) while the drop between them is more than
// `talus` height units. Each pass reads a snapshot of the map, so its result
// does not depend on the order of the cells or the number of workers. Every
// move takes whole units from one cell of the map to another, so the sum of
// the map is the same after each pass; the border lines take no part.
// keepGoing(pass) is asked between steps; once it answers false the passes
// stop with the map part done and Cancelled is thrown.
void ThermalErosion(Grid& map, int n, std::int32_t passes, std::int32_t talus, unsigned workers,
                    const std::function<bool(int)>& keepGoing);

// Effects > Erosion > Thermal: passes from the "Bail Out Value" box (1 to
// 100000), the talus from Steepness (0 or more; 0 acts as 1, since a drop of
// one unit cannot be split).
void Thermal1Click(Frame& frame);

} // namespace tolvar
