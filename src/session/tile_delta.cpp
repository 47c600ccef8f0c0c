#include "session/tile_delta.h"

#include <algorithm>

namespace tolvar {
namespace {

// The cells of one tile: rows [top, bottom), columns [left, right). Tiles of
// the last row and column are cut short by the grid's edge.
struct TileArea {
    int top, bottom, left, right;

    explicit TileArea(int top, int left)
        : top(top), bottom(std::min(top + TileDelta::TileSide, Grid::Side)), left(left),
          right(std::min(left + TileDelta::TileSide, Grid::Side))
    {
    }
    int width() const { return right - left; }
};

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

TileDelta TileDelta::Between(const Grid& before, const Grid& after)
{
    TileDelta delta;
    for (int top = 0; top < Grid::Side; top += TileSide)
        for (int left = 0; left < Grid::Side; left += TileSide)
            if (const TileArea area(top, left); differs(before, after, area))
                delta.tiles_.push_back({top, left, cellsOf(before, area), cellsOf(after, area)});
    return delta;
}

std::size_t TileDelta::bytes() const
{
    std::size_t total = 0;
    for (const Tile& tile : tiles_)
        total += (tile.before.size() + tile.after.size()) * sizeof(Height);
    return total;
}

void TileDelta::apply(Grid& grid, std::vector<Height> Tile::*cells) const
{
    for (const Tile& tile : tiles_) {
        const TileArea area(tile.top, tile.left);
        auto from = (tile.*cells).begin();
        for (int r = area.top; r < area.bottom; ++r, from += area.width())
            std::copy(from, from + area.width(), grid.row(r) + area.left);
    }
}

} // namespace tolvar
