#pragma once

#include <QString>

#include <ostream>

// Qt texts in readable form in test failure messages.
inline void PrintTo(const QString& text, std::ostream* out)
{
    *out << '"' << text.toStdString() << '"';
}
