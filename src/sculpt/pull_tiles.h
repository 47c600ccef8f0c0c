#pragma once

#include "core/map_tiles.h"

#include <array>
#include <memory>

namespace tolvar {

// The strongest pull each cell of the grid has met in a stroke, all 0 at
// first. Its tiles are made as the stroke first reaches them, so that a
// click costs its own cells rather than a whole map.
class PullTiles {
public:
    double& operator()(int row, int col)
    {
        constexpr int side = MapTiles::Side;
        std::unique_ptr<double[]>& tile = tiles_[MapTiles::index(row / side, col / side)];
        if (!tile)
            tile = std::make_unique<double[]>(side * side);
        return tile[static_cast<std::size_t>(row % side * side + col % side)];
    }

private:
    std::array<std::unique_ptr<double[]>, MapTiles::PerSide * MapTiles::PerSide> tiles_;
};

} // namespace tolvar
