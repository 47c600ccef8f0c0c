#pragma once

#include "core/frame.h"
#include "core/grid.h"
#include "core/number_text.h"

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

// For an import whose file sets the map size, once the file has been read
// and checked whole: the size box takes the file's rows and the prologue
// runs, after which the import stores its cells.
inline void BeginImportOfRows(Frame& frame, int rows)
{
    frame.ui().setText(Box::cboHeight, IntToStr(rows * 10));
    frame.BeginOperation();
}

} // namespace tolvar
