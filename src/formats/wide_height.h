#pragma once

#include "core/grid.h"

#include <cstdint>

namespace tolvar {

// Other tools expect heights over the whole 16-bit range, the game keeps 12
// bits. The 12 bits are widened by repeating their top bits below them, so
// 0 and 4095 meet 0 and 65535, and narrowing is exact for every 12-bit map.
inline std::uint16_t WidenHeight(Height h)
{
    const unsigned low12 = h & 0x0FFFu;
    return static_cast<std::uint16_t>(low12 * 16 + low12 / 256);
}

inline Height NarrowWord(std::uint16_t word)
{
    return static_cast<Height>(word / 16);
}

} // namespace tolvar
