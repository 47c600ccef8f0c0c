#pragma once

#include "core/app_state.h"
#include "core/grid.h"

#include <vector>

namespace tolvar {

// What hears of the map's changes: the views, the step states, the recovery
// copy. Each call comes once the heights stand.
class MapListener {
public:
    virtual ~MapListener() = default;

    // The heights of these cells changed, and no others.
    virtual void regionChanged(const CellRect&) {}
    // Any height of the map may have changed.
    virtual void mapReplaced() {}
    virtual void sizeChanged(MapSize) {}
};

// The map being edited: the heights and the size in use, which it holds in
// the state it wraps. Whatever writes the heights tells the document what it
// changed, and the document tells its listeners.
class MapDocument {
public:
    explicit MapDocument(AppState& state) : state_(state) {}
    MapDocument(const MapDocument&) = delete;
    MapDocument& operator=(const MapDocument&) = delete;

    const Grid& heights() const { return state_.HeightMap; }
    Grid& heights() { return state_.HeightMap; }
    MapSize size() const { return {state_.MapRows, state_.MapCols}; }
    // The parameters and the view window the views draw by.
    const AppState& state() const { return state_; }

    // Listeners are told of a new size only.
    void setSize(MapSize size);
    void regionChanged(const CellRect& cells);
    void mapReplaced();

    void addListener(MapListener& listener);
    void removeListener(MapListener& listener);

private:
    template <class Call>
    void tell(const Call& call);

    AppState& state_;
    std::vector<MapListener*> listeners_;
};

} // namespace tolvar
