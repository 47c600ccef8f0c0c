#include "formats/format_commands.h"

#include "formats/height_file.h"

#include <array>

namespace tolvar {

CommandTable FormatCommands()
{
    static constexpr std::array<Command, 2> table{{
        {"Open1", OpenHeightFile},
        {"Save1", SaveHeightFile},
    }};
    return table;
}

} // namespace tolvar
