#pragma once

#include "core/error.h"
#include "core/grid.h"

#include <cstdint>
#include <string>

namespace tolvar::testing {

// The message of the Error a call throws, or "(no error)".
template <typename Call>
std::string errorOf(Call&& call)
{
    try {
        call();
    } catch (const Error& e) {
        return e.what();
    }
    return "(no error)";
}

// Every cell of the grid, border ring included, set to one value.
inline Grid filledGrid(Height value)
{
    Grid grid;
    grid.cells.fill(value);
    return grid;
}

// The generator state after `draws` steps from `seed`, stepped here on its own.
inline std::uint32_t seedAfter(std::uint32_t seed, long draws)
{
    for (long i = 0; i < draws; ++i)
        seed = static_cast<std::uint32_t>((std::uint64_t{seed} * 0x08088405u + 1u) & 0xFFFFFFFFu);
    return seed;
}

} // namespace tolvar::testing
