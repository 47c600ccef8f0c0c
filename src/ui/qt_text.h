#pragma once

#include <QString>
#include <string_view>

namespace tolvar {

// A text of the Qt-free code, which is UTF-8, as Qt's.
inline QString qs(std::string_view s)
{
    return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size()));
}

} // namespace tolvar
