#include "core/number_text.h"

#include "core/decimal_extended.h"
#include "core/error.h"

#include <charconv>
#include <cmath>
#include <limits>

namespace tolvar {
namespace {

bool isDigit(char c) { return c >= '0' && c <= '9'; }

int hexValue(char c)
{
    if (isDigit(c))
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

[[noreturn]] void notInteger(std::string_view text)
{
    throw Error(formatMessage("'%s' is not a valid integer value", std::string(text)));
}

[[noreturn]] void notFloat(std::string_view text)
{
    throw Error(formatMessage("'%s' is not a valid floating point value", std::string(text)));
}

std::string_view trimLeft(std::string_view s)
{
    while (!s.empty() && s.front() == ' ')
        s.remove_prefix(1);
    return s;
}

std::string_view trim(std::string_view s)
{
    s = trimLeft(s);
    while (!s.empty() && s.back() == ' ')
        s.remove_suffix(1);
    return s;
}

template <typename T>
T narrowFloat(std::string_view text)
{
    const long double value = StrToFloat(text);
    if (std::fabs(value) > static_cast<long double>(std::numeric_limits<T>::max()))
        notFloat(text);
    return static_cast<T>(value);
}

} // namespace

std::int32_t StrToInt(std::string_view text)
{
    std::string_view s = trimLeft(text);
    bool negative = false;
    if (!s.empty() && (s.front() == '+' || s.front() == '-')) {
        negative = s.front() == '-';
        s.remove_prefix(1);
    }
    std::uint32_t magnitude = 0;
    if (!s.empty() && s.front() == '$') {
        s.remove_prefix(1);
        if (s.empty())
            notInteger(text);
        for (const char c : s) {
            const int digit = hexValue(c);
            // Leading zeros carry no value; any other digit pushed past
            // 32 bits would lose one.
            if (digit < 0 || magnitude > 0x0FFFFFFFu)
                notInteger(text);
            magnitude = magnitude * 16 + static_cast<std::uint32_t>(digit);
        }
    } else {
        if (s.empty())
            notInteger(text);
        std::uint64_t value = 0;
        for (const char c : s) {
            if (!isDigit(c))
                notInteger(text);
            value = value * 10 + static_cast<std::uint64_t>(c - '0');
            if (value > 0x80000000u)
                notInteger(text);
        }
        if (value == 0x80000000u && !negative)
            notInteger(text);
        magnitude = static_cast<std::uint32_t>(value);
    }
    // Hex texts are bit patterns: the sign negates them modulo 2^32.
    return static_cast<std::int32_t>(negative ? 0u - magnitude : magnitude);
}

long double StrToFloat(std::string_view text)
{
    std::string_view s = trim(text);
    bool negative = false;
    if (!s.empty() && (s.front() == '+' || s.front() == '-')) {
        negative = s.front() == '-';
        s.remove_prefix(1);
    }
    const std::optional<long double> value = DecimalToExtended(s);
    if (!value)
        notFloat(text);
    return negative ? -*value : *value;
}

double StrToDouble(std::string_view text) { return narrowFloat<double>(text); }

float StrToSingle(std::string_view text) { return narrowFloat<float>(text); }

std::int32_t RoundToInt(long double value)
{
    // rint rounds as nearbyint does, without saving and restoring the
    // floating-point state, which would make it some thirty times slower.
    const long double rounded = std::rint(value);
    constexpr long double limit = 0x1p63L;
    if (std::isnan(rounded) || rounded < -limit || rounded >= limit)
        throw Error("Invalid floating point operation");
    return static_cast<std::int32_t>(static_cast<std::uint32_t>(static_cast<std::int64_t>(rounded)));
}

std::string IntToStr(std::int64_t value) { return std::to_string(value); }

std::string FloatToStr(long double value)
{
    // to_chars, unlike printf, ignores the locale Qt sets at start-up.
    char text[64];
    char* end = std::to_chars(text, text + sizeof text, value, std::chars_format::general, 15).ptr;
    return {text, end};
}

} // namespace tolvar
