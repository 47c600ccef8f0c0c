#pragma once

#include <cstdint>

namespace tolvar {

// Signed 32-bit sum that wraps like the two's-complement hardware instead of
// overflowing: centres drawn with a negative bound span the whole 32-bit range.
inline std::int32_t wrappingAdd(std::int32_t a, std::int32_t b)
{
    return static_cast<std::int32_t>(static_cast<std::uint32_t>(a) + static_cast<std::uint32_t>(b));
}

} // namespace tolvar
