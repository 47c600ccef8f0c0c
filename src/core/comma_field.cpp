#include "core/comma_field.h"

namespace tolvar {

std::string CommaField(std::string_view text, int n)
{
    std::string_view field;
    for (int i = 0; i < n; ++i) {
        const auto comma = text.find(',');
        if (comma == std::string_view::npos) {
            field = text;
        } else {
            field = text.substr(0, comma);
            text.remove_prefix(comma + 1);
        }
    }
    return std::string(field);
}

} // namespace tolvar
