#include "core/map_document.h"

#include <algorithm>

namespace tolvar {

// A listener may come or go while the others hear of a change.
template <class Call>
void MapDocument::tell(const Call& call)
{
    const std::vector<MapListener*> listeners = listeners_;
    for (MapListener* listener : listeners)
        if (std::ranges::find(listeners_, listener) != listeners_.end())
            call(*listener);
}

void MapDocument::setSize(MapSize size)
{
    if (size == this->size())
        return;
    state_.MapRows = size.rows;
    state_.MapCols = size.cols;
    tell([size](MapListener& listener) { listener.sizeChanged(size); });
}

void MapDocument::regionChanged(const CellRect& cells)
{
    if (!cells.empty())
        tell([&cells](MapListener& listener) { listener.regionChanged(cells); });
}

void MapDocument::mapReplaced()
{
    tell([](MapListener& listener) { listener.mapReplaced(); });
}

void MapDocument::addListener(MapListener& listener) { listeners_.push_back(&listener); }

void MapDocument::removeListener(MapListener& listener) { std::erase(listeners_, &listener); }

} // namespace tolvar
