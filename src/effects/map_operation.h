#pragma once

#include "core/frame.h"

#include <initializer_list>
#include <string>

namespace tolvar {

// The frame most effects run in: their history lines first, so that a bad
// parameter box still leaves them written, then the prologue, the rewrite of
// the map and the views.
template <typename Rewrite> void RewriteMap(Frame& frame, std::initializer_list<std::string> lines, Rewrite rewrite)
{
    for (const std::string& line : lines)
        frame.LogCommand(line);
    frame.BeginOperation();
    rewrite(frame.state());
    frame.RefreshViews();
}

} // namespace tolvar
