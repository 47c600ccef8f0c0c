#pragma once

#include "core/command.h"

namespace tolvar {

// The File menu's height-file items and imports.
CommandTable FormatCommands();

} // namespace tolvar
