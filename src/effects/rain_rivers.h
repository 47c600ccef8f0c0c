#pragma once

#include "core/grid.h"
#include "core/random.h"

#include <cstdint>
#include <functional>

namespace tolvar {

class Frame;

// Hydraulic erosion of rows and columns 1..n by `droplets` droplets, one
// after another. Each starts at a random point (two draws, the column
// first), runs downhill with inertia for up to 30 steps, picks up sediment
// where it speeds up and drops it where it slows or the ground rises.
// Strength scales how much sediment a droplet can carry. Heights are worked
// in fractions and rounded half to even at the end; they never go below 0
// nor above 65535. The border lines take no part.
// keepGoing(droplet) is asked now and then; once it answers false the
// droplets stop with the map untouched and Cancelled is thrown.
void RainErosion(Grid& map, int n, std::int32_t droplets, std::int32_t strength, Random& random,
                 const std::function<bool(int)>& keepGoing);

// Effects > Erosion > Rain/Rivers: "Bail Out Value" x 100 droplets (the box
// takes 1 to 100000), strength from Steepness (1 to 100).
void RainRivers1Click(Frame& frame);

} // namespace tolvar
