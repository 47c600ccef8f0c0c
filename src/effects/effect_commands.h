#pragma once

#include "core/command.h"

namespace tolvar {

// The Effects menu and Edit > Copy, Paste and Combine.
CommandTable EffectCommands();

} // namespace tolvar
