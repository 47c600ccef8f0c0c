#include "effects/effect_commands.h"

namespace tolvar {

CommandTable EffectCommands() { return {}; }

} // namespace tolvar
