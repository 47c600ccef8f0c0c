#pragma once

#include "core/command.h"

namespace tolvar {

class Frame;

// Session > Session Logging: flips its own check mark, which decides
// whether commands write their history lines.
void ToggleSessionLogging(Frame& frame);

// SessionLogging1, Rerun1 and the session file items.
CommandTable SessionCommands();

} // namespace tolvar
