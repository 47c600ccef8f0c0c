#include "session/session_commands.h"

#include "core/frame.h"
#include "session/replay_session.h"

#include <array>

namespace tolvar {

void ToggleSessionLogging(Frame& frame)
{
    UiPort& ui = frame.ui();
    ui.setChecked("SessionLogging1", !ui.isChecked("SessionLogging1"));
}

CommandTable SessionCommands()
{
    static constexpr std::array<Command, 2> table{{
        {"SessionLogging1", ToggleSessionLogging},
        {"Rerun1", ReplaySession},
    }};
    return table;
}

} // namespace tolvar
