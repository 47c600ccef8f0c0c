#pragma once

#include "frame_fixture.h"

#include "effects/effect_commands.h"

#include <algorithm>
#include <string_view>

namespace tolvar::testing {

// A frame test with logging on that clicks effect items by name.
class EffectTest : public FrameTest {
protected:
    EffectTest() { logHistory(); }

    void click(std::string_view item)
    {
        const auto table = EffectCommands();
        const auto command = std::find_if(table.begin(), table.end(), [&](const Command& c) { return c.item == item; });
        ASSERT_NE(command, table.end()) << item;
        command->run(frame);
    }
};

} // namespace tolvar::testing
