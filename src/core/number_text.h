#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace tolvar {

// Text to number conversions of the parameter boxes and history lines. The
// decimal separator is always "." whatever the desktop's locale, since the
// default texts (".1", "-.692") are written that way.

// "[blanks][+|-]digits" within the signed 32-bit range, or
// "[blanks][+|-]$hexdigits" with up to 8 digits read as a 32-bit pattern.
std::int32_t StrToInt(std::string_view text);

// A decimal number with blanks around it, a sign, a point that may lead and
// an exponent; no inf, nan or hex. Out of range is a conversion error.
long double StrToFloat(std::string_view text);
double StrToDouble(std::string_view text);
float StrToSingle(std::string_view text);

// Round half to even, keeping the low 32 bits of the 64-bit result; values
// beyond the 64-bit range and NaN raise "Invalid floating point operation".
std::int32_t RoundToInt(long double value);

// Decimal text of an integer, without blanks or grouping.
std::string IntToStr(std::int64_t value);

// The general form with up to 15 significant digits and no trailing zeros:
// 3 gives "3", 0.5 gives "0.5", 0.00002 gives "2e-05".
std::string FloatToStr(long double value);

} // namespace tolvar
