#include "core/decimal_extended.h"

#include <algorithm>
#include <bit>
#include <cfloat>
#include <cmath>
#include <cstdint>
#include <vector>

namespace tolvar {
namespace {

// Halfway points between extended values have fewer significant digits than
// this, so digits past it only ever break a tie, which a sticky bit records.
constexpr std::size_t MaxDigits = 12000;
// Beyond these powers of ten every nonzero value is out of range.
constexpr int MaxPower = 4933;
constexpr int MinPower = -4932;

// An unsigned integer of any size, in 32-bit limbs, least significant first.
class BigNat {
public:
    explicit BigNat(std::uint32_t value = 0) : limbs_{value} { trim(); }

    void multiplyAdd(std::uint32_t factor, std::uint32_t addend)
    {
        std::uint64_t carry = addend;
        for (std::uint32_t& limb : limbs_) {
            carry += static_cast<std::uint64_t>(limb) * factor;
            limb = static_cast<std::uint32_t>(carry);
            carry >>= 32;
        }
        if (carry != 0)
            limbs_.push_back(static_cast<std::uint32_t>(carry));
        trim();
    }

    void multiplyByPowerOfTen(int power)
    {
        for (; power >= 9; power -= 9)
            multiplyAdd(1000000000u, 0);
        for (; power > 0; --power)
            multiplyAdd(10, 0);
    }

    void shiftLeft(int bits)
    {
        if (bits <= 0 || limbs_.empty())
            return;
        limbs_.insert(limbs_.begin(), static_cast<std::size_t>(bits / 32), 0u);
        if (const int rest = bits % 32) {
            std::uint32_t carry = 0;
            for (std::uint32_t& limb : limbs_) {
                const std::uint32_t next = limb >> (32 - rest);
                limb = (limb << rest) | carry;
                carry = next;
            }
            if (carry != 0)
                limbs_.push_back(carry);
        }
    }

    void shiftRightOne()
    {
        for (std::size_t i = 0; i < limbs_.size(); ++i) {
            const std::uint32_t high = i + 1 < limbs_.size() ? limbs_[i + 1] << 31 : 0u;
            limbs_[i] = (limbs_[i] >> 1) | high;
        }
        trim();
    }

    void setBit(int i)
    {
        const auto at = static_cast<std::size_t>(i / 32);
        if (limbs_.size() <= at)
            limbs_.resize(at + 1, 0u);
        limbs_[at] |= 1u << (i % 32);
    }

    bool bit(int i) const
    {
        const auto at = static_cast<std::size_t>(i / 32);
        return at < limbs_.size() && ((limbs_[at] >> (i % 32)) & 1u) != 0;
    }

    bool anyBitBelow(int i) const
    {
        for (int b = 0; b < i; ++b)
            if (bit(b))
                return true;
        return false;
    }

    int bitLength() const
    {
        if (limbs_.empty())
            return 0;
        return static_cast<int>(limbs_.size() - 1) * 32 + std::bit_width(limbs_.back());
    }

    bool isZero() const { return limbs_.empty(); }

    bool lessThan(const BigNat& other) const
    {
        if (limbs_.size() != other.limbs_.size())
            return limbs_.size() < other.limbs_.size();
        for (std::size_t i = limbs_.size(); i-- > 0;)
            if (limbs_[i] != other.limbs_[i])
                return limbs_[i] < other.limbs_[i];
        return false;
    }

    // Requires other <= *this.
    void subtract(const BigNat& other)
    {
        std::int64_t borrow = 0;
        for (std::size_t i = 0; i < limbs_.size(); ++i) {
            std::int64_t d = static_cast<std::int64_t>(limbs_[i]) - borrow -
                             (i < other.limbs_.size() ? static_cast<std::int64_t>(other.limbs_[i]) : 0);
            borrow = d < 0 ? 1 : 0;
            limbs_[i] = static_cast<std::uint32_t>(d + (borrow << 32));
        }
        trim();
    }

private:
    void trim()
    {
        while (!limbs_.empty() && limbs_.back() == 0)
            limbs_.pop_back();
    }

    std::vector<std::uint32_t> limbs_;
};

struct Decimal {
    BigNat digits;
    int power = 0; // value = digits x 10^power
    bool dropped = false; // nonzero digits beyond MaxDigits
    std::size_t count = 0; // significant digits kept
};

int exponentOf(std::string_view text)
{
    int sign = 1;
    if (!text.empty() && (text.front() == '+' || text.front() == '-')) {
        sign = text.front() == '-' ? -1 : 1;
        text.remove_prefix(1);
    }
    int value = 0;
    for (const char c : text)
        value = std::min(value * 10 + (c - '0'), 1000000); // far past any range
    return sign * value;
}

std::optional<Decimal> readDecimal(std::string_view text)
{
    Decimal d;
    bool seenPoint = false, seenDigit = false;
    int fractionDigits = 0;
    std::size_t at = 0;
    for (; at < text.size(); ++at) {
        const char c = text[at];
        if (c == '.' && !seenPoint) {
            seenPoint = true;
            continue;
        }
        if (c < '0' || c > '9')
            break;
        seenDigit = true;
        if (d.count == 0 && c == '0') {
            fractionDigits += seenPoint;
            continue;
        }
        if (d.count < MaxDigits) {
            d.digits.multiplyAdd(10, static_cast<std::uint32_t>(c - '0'));
            ++d.count;
            fractionDigits += seenPoint;
        } else {
            d.dropped = d.dropped || c != '0';
            fractionDigits -= !seenPoint;
        }
    }
    if (!seenDigit)
        return std::nullopt;
    int power = 0;
    if (at < text.size()) {
        if (text[at] != 'e' && text[at] != 'E')
            return std::nullopt;
        const std::string_view exponent = text.substr(at + 1);
        const std::size_t signs = !exponent.empty() && (exponent.front() == '+' || exponent.front() == '-');
        if (exponent.size() == signs || exponent.find_first_not_of("0123456789", signs) != std::string_view::npos)
            return std::nullopt;
        power = exponentOf(exponent);
    }
    d.power = power - fractionDigits;
    return d;
}

// value x 2^scale, with sticky telling that some nonzero part below value
// was cut off, rounded to 64 significant bits, ties to even.
std::optional<long double> roundToExtended(const BigNat& value, int scale, bool sticky)
{
    const int cut = std::max(0, value.bitLength() - 64);
    std::uint64_t mantissa = 0;
    for (int b = 63; b >= 0; --b)
        mantissa = (mantissa << 1) | (value.bit(cut + b) ? 1u : 0u);
    if (cut > 0 && value.bit(cut - 1) && (sticky || value.anyBitBelow(cut - 1) || (mantissa & 1u)))
        ++mantissa;
    int exponent = scale + cut;
    if (mantissa == 0) { // carried out of 64 bits
        mantissa = std::uint64_t{1} << 63;
        ++exponent;
    }
    const long double result = std::ldexp(static_cast<long double>(mantissa), exponent);
    if (std::isinf(result) || result < LDBL_MIN)
        return std::nullopt;
    return result;
}

} // namespace

std::optional<long double> DecimalToExtended(std::string_view text)
{
    std::optional<Decimal> d = readDecimal(text);
    if (!d)
        return std::nullopt;
    if (d->digits.isZero())
        return 0.0L;
    const int magnitude = d->power + static_cast<int>(d->count); // value < 10^magnitude
    if (magnitude - 1 > MaxPower)
        return std::nullopt;
    if (magnitude <= MinPower)
        return std::nullopt;
    if (d->power >= 0) {
        d->digits.multiplyByPowerOfTen(d->power);
        return roundToExtended(d->digits, 0, d->dropped);
    }
    // Divide by 10^-power, keeping 66 quotient bits and the remainder's
    // sign as the sticky bit.
    BigNat divisor(1);
    divisor.multiplyByPowerOfTen(-d->power);
    const int scale = std::max(0, divisor.bitLength() - d->digits.bitLength() + 66);
    BigNat rest = d->digits;
    rest.shiftLeft(scale);
    const int top = rest.bitLength() - divisor.bitLength();
    divisor.shiftLeft(top);
    BigNat quotient;
    for (int b = top; b >= 0; --b) {
        if (!rest.lessThan(divisor)) {
            rest.subtract(divisor);
            quotient.setBit(b);
        }
        divisor.shiftRightOne();
    }
    return roundToExtended(quotient, -scale, d->dropped || !rest.isZero());
}

} // namespace tolvar
