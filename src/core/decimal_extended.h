#pragma once

#include <optional>
#include <string_view>

namespace tolvar {

// The x87 extended value nearest to an unsigned decimal ("12", ".5",
// "3.25e-7"), ties to even. Done here rather than by the C library, whose
// parsers differ between platforms (MinGW's from_chars stops at double
// precision), so that a typed number gives the same bits everywhere.
// nullopt when the text is no such decimal or the value lies outside the
// normal extended range.
std::optional<long double> DecimalToExtended(std::string_view text);

} // namespace tolvar
