#pragma once

#include "core/grid.h"
#include "core/map_document.h"
#include "core/map_tiles.h"

#include <cstdint>

namespace tolvar {

// What the map's changes cost to keep: the heights before the state under
// way, kept once, and the tiles the document reported changed since. The
// first operation (BeginOperation) of a state takes the heights; the others
// a replayed session runs in the same state count from them too. Between
// states the kept heights follow the reported changes, so a command outside
// any operation (Undo) is kept as well.
class MapTransaction : public MapListener {
public:
    explicit MapTransaction(MapDocument& map);
    ~MapTransaction() override;
    MapTransaction(const MapTransaction&) = delete;
    MapTransaction& operator=(const MapTransaction&) = delete;

    MapDocument& document() { return map_; }
    // The heights before the first change of the state under way.
    const Grid& before() const { return before_; }
    // For a step back or forward, which moves the last state itself.
    Grid& before() { return before_; }
    const MapTiles& changed() const { return changed_; }

    // A new operation begins with the map as it stands.
    void beginOperation();
    // Counts the operations begun, so that a Cancel knows whether one began.
    std::uint64_t operations() const { return operations_; }

    // The map as it stands is the last state now; the next operation
    // begins a new one.
    void commit();

    // A command stopped part-way may have written cells it never reported.
    void markAllChanged() { changed_.markAll(); }

    void regionChanged(const CellRect& cells) override { changed_.mark(cells); }
    void mapReplaced() override { markAllChanged(); }

private:
    MapDocument& map_;
    Grid before_;
    MapTiles changed_;
    std::uint64_t operations_ = 0;
    bool open_ = false;
};

} // namespace tolvar
