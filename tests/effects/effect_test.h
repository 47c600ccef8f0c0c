#pragma once

#include "core/error.h"
#include "effects/effect_commands.h"
#include "frame_fixture.h"
#include "irregular_map.h"

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

namespace tolvar::testing {

// A 128 x 128 map of irregular heights, border ring included, whose size is
// already taken. Commands are clicked by their item names.
class EffectTest : public FrameTest {
protected:
    static constexpr int N = 128;

    EffectTest()
    {
        fillIrregular(map(), 1);
        frame.BeginOperation();
        ui.calls.clear();
    }

    void click(std::string_view item)
    {
        for (const Command& command : EffectCommands())
            if (item == command.item)
                return command.run(frame);
        ADD_FAILURE() << "no command " << item;
    }

    // A copy of old whose cells in rows and columns first..last hold rule(r, c), low 16 bits.
    static Grid modelled(const Grid& old, int first, int last, const std::function<std::int64_t(int, int)>& rule)
    {
        Grid grid = old;
        for (int r = first; r <= last; ++r)
            for (int c = first; c <= last; ++c)
                grid.store(r, c, rule(r, c));
        return grid;
    }

    // "" when the map equals want, else the first cell that differs.
    std::string differenceFrom(const Grid& want)
    {
        for (int r = 0; r < Grid::Side; ++r)
            for (int c = 0; c < Grid::Side; ++c)
                if (map()(r, c) != want(r, c))
                    return "cell " + std::to_string(r) + "," + std::to_string(c) + ": " + std::to_string(map()(r, c)) +
                           ", want " + std::to_string(want(r, c));
        return "";
    }
};

} // namespace tolvar::testing
