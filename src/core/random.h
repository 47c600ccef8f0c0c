#pragma once

#include <chrono>
#include <cstdint>

namespace tolvar {

// The one pseudo-random generator all random features draw from. Its
// sequence is part of the behaviour: the same seed gives the same map.
class Random {
public:
    std::uint32_t RandomSeed = 0;

    // A value in 0..n-1 for n > 0; a negative n counts as n + 2^32, so the
    // result then spans the whole 32-bit range (returned as its bit pattern).
    std::int32_t RandomInt(std::int32_t n);
    // A value in [0, 1), exactly the new seed times 2^-32.
    long double RandomReal();
    // Milliseconds since midnight UTC of the given moment.
    void SeedFromClock(std::chrono::system_clock::time_point now = std::chrono::system_clock::now());

    bool operator==(const Random&) const = default;

private:
    std::uint32_t step();
};

} // namespace tolvar
