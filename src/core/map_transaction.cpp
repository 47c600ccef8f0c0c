#include "core/map_transaction.h"

#include <algorithm>

namespace tolvar {

MapTransaction::MapTransaction(MapDocument& map) : map_(map), before_(map.heights()) { map_.addListener(*this); }

MapTransaction::~MapTransaction() { map_.removeListener(*this); }

void MapTransaction::beginOperation()
{
    if (!open_)
        before_ = map_.heights();
    open_ = true;
    ++operations_;
}

// Only the changed tiles are copied: a brush stroke costs its own cells.
void MapTransaction::commit()
{
    const Grid& heights = map_.heights();
    for (int tileRow = 0; tileRow < MapTiles::PerSide; ++tileRow)
        for (int tileCol = 0; tileCol < MapTiles::PerSide; ++tileCol) {
            if (!changed_.has(tileRow, tileCol))
                continue;
            const MapTiles::Area area = MapTiles::area(tileRow, tileCol);
            for (int r = area.top; r < area.bottom; ++r)
                std::copy(heights.row(r) + area.left, heights.row(r) + area.right, before_.row(r) + area.left);
        }
    changed_.clear();
    open_ = false;
}

} // namespace tolvar
