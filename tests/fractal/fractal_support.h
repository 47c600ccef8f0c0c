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

// The random generator stepped here on its own, for models of the generators.
struct ModelRandom {
    std::uint32_t seed = 0;

    // Below n, read as unsigned: the high word of the stepped state times n.
    std::int32_t draw(std::int32_t n)
    {
        seed = static_cast<std::uint32_t>(std::uint64_t{seed} * 0x08088405u + 1u);
        return static_cast<std::int32_t>(std::uint64_t{seed} * static_cast<std::uint32_t>(n) >> 32);
    }
};

// The generator state after `draws` steps from `seed`.
inline std::uint32_t seedAfter(std::uint32_t seed, long draws)
{
    ModelRandom random{seed};
    for (long i = 0; i < draws; ++i)
        random.draw(0);
    return random.seed;
}

} // namespace tolvar::testing
