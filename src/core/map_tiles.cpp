#include "core/map_tiles.h"

#include <algorithm>

namespace tolvar {
namespace {

int tileOf(int cell) { return std::clamp(cell, 0, Grid::Side - 1) / MapTiles::Side; }

} // namespace

MapTiles::Area MapTiles::area(int tileRow, int tileCol)
{
    const int top = tileRow * Side, left = tileCol * Side;
    return {top, std::min(top + Side, Grid::Side), left, std::min(left + Side, Grid::Side)};
}

MapTiles MapTiles::All()
{
    MapTiles tiles;
    tiles.markAll();
    return tiles;
}

void MapTiles::mark(const CellRect& cells)
{
    if (cells.empty())
        return;
    for (int row = tileOf(cells.firstRow); row <= tileOf(cells.lastRow); ++row)
        for (int col = tileOf(cells.firstCol); col <= tileOf(cells.lastCol); ++col)
            marked_.set(index(row, col));
}

} // namespace tolvar
