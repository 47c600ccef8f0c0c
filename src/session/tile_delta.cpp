#include "session/tile_delta.h"

#include <algorithm>

namespace tolvar {
namespace {

using TileArea = MapTiles::Area;

bool differs(const Grid& a, const Grid& b, const TileArea& area)
{
    for (int r = area.top; r < area.bottom; ++r)
        if (!std::equal(a.row(r) + area.left, a.row(r) + area.right, b.row(r) + area.left))
            return true;
    return false;
}

std::vector<Height> cellsOf(const Grid& grid, const TileArea& area)
{
    std::vector<Height> cells;
    cells.reserve(static_cast<std::size_t>((area.bottom - area.top) * area.width()));
    for (int r = area.top; r < area.bottom; ++r)
        cells.insert(cells.end(), grid.row(r) + area.left, grid.row(r) + area.right);
    return cells;
}

} // namespace

TileDelta TileDelta::Between(const Grid& before, const Grid& after, const MapTiles& among)
{
    TileDelta delta;
    for (int tileRow = 0; tileRow < MapTiles::PerSide; ++tileRow)
        for (int tileCol = 0; tileCol < MapTiles::PerSide; ++tileCol) {
            if (!among.has(tileRow, tileCol))
                continue;
            if (const TileArea area = MapTiles::area(tileRow, tileCol); differs(before, after, area)) {
                const Tile& tile =
                    delta.tiles_.emplace_back(Tile{tileRow, tileCol, cellsOf(before, area), cellsOf(after, area)});
                delta.bytes_ += (tile.before.size() + tile.after.size()) * sizeof(Height);
            }
        }
    return delta;
}

void TileDelta::apply(Grid& grid, std::vector<Height> Tile::*cells) const
{
    for (const Tile& tile : tiles_) {
        const TileArea area = MapTiles::area(tile.row, tile.col);
        auto from = (tile.*cells).begin();
        for (int r = area.top; r < area.bottom; ++r, from += area.width())
            std::copy(from, from + area.width(), grid.row(r) + area.left);
    }
}

} // namespace tolvar
