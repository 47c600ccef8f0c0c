#pragma once

#include <string>
#include <string_view>

namespace tolvar {

// The n-th comma-separated field of text, counting from 1. A count beyond the
// last comma gives the last field again; 0 or less gives the empty text.
std::string CommaField(std::string_view text, int n);

} // namespace tolvar
