#include "session/session_commands.h"

#include "core/frame.h"
#include "session/replay_session.h"
#include "session/session_file.h"

#include <array>

namespace tolvar {

void ToggleSessionLogging(Frame& frame)
{
    UiPort& ui = frame.ui();
    ui.setChecked("SessionLogging1", !ui.isChecked("SessionLogging1"));
}

CommandTable SessionCommands()
{
    static constexpr std::array<Command, 4> table{{
        {"SessionLogging1", ToggleSessionLogging},
        {"Rerun1", ReplaySession},
        {"OpenSession1", OpenSessionFile},
        {"SaveSession1", SaveSessionFile},
    }};
    return table;
}

} // namespace tolvar
