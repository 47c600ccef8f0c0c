#pragma once

#include "core/grid.h"

#include <bitset>
#include <cstddef>

namespace tolvar {

// The grid, border ring included, in 64 x 64 tiles: the unit in which a
// change is kept. Tiles of the last row and column are cut short.
class MapTiles {
public:
    static constexpr int Side = 64;
    static constexpr int PerSide = (Grid::Side + Side - 1) / Side;

    // Rows [top, bottom) and columns [left, right) of the grid.
    struct Area {
        int top, bottom, left, right;
        int width() const { return right - left; }
    };
    static Area area(int tileRow, int tileCol);

    static MapTiles All();

    void mark(const CellRect& cells);
    void markAll() { marked_.set(); }
    void clear() { marked_.reset(); }
    bool none() const { return marked_.none(); }
    bool has(int tileRow, int tileCol) const { return marked_[index(tileRow, tileCol)]; }
    // The place of a tile in a row-by-row list of all of them.
    static std::size_t index(int tileRow, int tileCol) { return static_cast<std::size_t>(tileRow * PerSide + tileCol); }

private:
    std::bitset<PerSide * PerSide> marked_;
};

} // namespace tolvar
