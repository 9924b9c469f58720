#pragma once

#include <QString>

#include <string_view>

namespace velmar {

// UTF-8 text of the catalogue or the engine, such as a category or unit
// name, as a Qt string.
inline QString ToQString(std::string_view utf8)
{
    return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
}

} // namespace velmar
