#pragma once

#include "core/grid.h"

#include <memory>

namespace tolvar {

// Runs fill on a copy of the map and keeps the copy only when fill returns,
// so an import that fails partway leaves the map exactly as it was.
template <typename Fill> void ImportIntoMap(Grid& map, Fill&& fill)
{
    const auto copy = std::make_unique<Grid>(map);
    fill(*copy);
    map = *copy;
}

} // namespace tolvar
