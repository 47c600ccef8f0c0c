#pragma once

#include "core/grid.h"
#include "core/map_transaction.h"

#include <cstddef>
#include <vector>

namespace tolvar {

// The change between two versions of a grid, kept as the 64 x 64 tiles in
// which they differ, each with its cells before and after. A small brush
// stroke costs a tile or two rather than a whole map.
class TileDelta {
public:
    // The tiles among those given where after differs from before.
    static TileDelta Between(const Grid& before, const Grid& after, const MapTiles& among = MapTiles::All());

    bool empty() const { return tiles_.empty(); }
    std::size_t tileCount() const { return tiles_.size(); }
    // The memory the cells take.
    std::size_t bytes() const { return bytes_; }

    // Writes the tiles' cells as they were before, or after, into grid.
    void applyBefore(Grid& grid) const { apply(grid, &Tile::before); }
    void applyAfter(Grid& grid) const { apply(grid, &Tile::after); }

private:
    struct Tile {
        int row;
        int col;
        std::vector<Height> before;
        std::vector<Height> after;
    };
    void apply(Grid& grid, std::vector<Height> Tile::*cells) const;

    std::vector<Tile> tiles_;
    std::size_t bytes_ = 0;
};

} // namespace tolvar
