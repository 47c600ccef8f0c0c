#pragma once

#include <cstdint>

namespace tolvar {

// The quotient (step x t + offset) / divisor for t = first, first + 1, ...,
// kept exactly as a floor and a remainder so that each step costs an
// addition instead of a division. Needs divisor > 0 and |step| <= divisor;
// the start is worked out in 128 bits, so any int coordinates are safe.
class StepQuotient {
public:
    StepQuotient(std::int64_t step, std::int64_t divisor, std::int64_t first, std::int64_t offset = 0)
        : step_(step), divisor_(divisor)
    {
        const __int128 n = __int128{step} * first + offset;
        floor_ = static_cast<std::int64_t>(n / divisor);
        remainder_ = static_cast<std::int64_t>(n % divisor);
        if (remainder_ < 0) {
            --floor_;
            remainder_ += divisor;
        }
    }

    std::int64_t floor() const { return floor_; }

    // Nearest integer, halves to the even one. A tie is exact here, so this
    // matches rounding the quotient computed in floating point.
    std::int64_t roundedHalfEven() const
    {
        const std::int64_t twice = 2 * remainder_;
        if (twice > divisor_ || (twice == divisor_ && (floor_ & 1) != 0))
            return floor_ + 1;
        return floor_;
    }

    void next()
    {
        remainder_ += step_;
        if (remainder_ >= divisor_) {
            ++floor_;
            remainder_ -= divisor_;
        } else if (remainder_ < 0) {
            --floor_;
            remainder_ += divisor_;
        }
    }

private:
    std::int64_t step_;
    std::int64_t divisor_;
    std::int64_t floor_;
    std::int64_t remainder_;
};

} // namespace tolvar
