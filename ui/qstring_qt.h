// The program's texts are UTF-8 std::strings; this is their one way into a
// QString.
#pragma once

#include <QString>

#include <string_view>

namespace vornia {

inline QString ToQString(std::string_view text)
{
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

} // namespace vornia
