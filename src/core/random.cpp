#include "core/random.h"

namespace tolvar {

std::uint32_t Random::step()
{
    RandomSeed = RandomSeed * 134775813u + 1u;
    return RandomSeed;
}

std::int32_t Random::RandomInt(std::int32_t n)
{
    const std::uint64_t product = std::uint64_t{step()} * static_cast<std::uint32_t>(n);
    return static_cast<std::int32_t>(static_cast<std::uint32_t>(product >> 32));
}

long double Random::RandomReal()
{
    return static_cast<long double>(step()) * 0x1p-32L;
}

void Random::SeedFromClock(std::chrono::system_clock::time_point now)
{
    using namespace std::chrono;
    const auto sinceEpoch = duration_cast<milliseconds>(now.time_since_epoch()).count();
    constexpr std::int64_t msPerDay = 86'400'000;
    RandomSeed = static_cast<std::uint32_t>(((sinceEpoch % msPerDay) + msPerDay) % msPerDay);
}

} // namespace tolvar
