#include "core/error.h"

namespace tolvar {

std::string formatMessage(const std::string& pattern, const std::string& argument)
{
    std::string result = pattern;
    if (const auto at = result.find("%s"); at != std::string::npos)
        result.replace(at, 2, argument);
    return result;
}

} // namespace tolvar
