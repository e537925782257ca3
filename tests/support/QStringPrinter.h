#pragma once

#include <QString>

#include <ostream>

// GoogleTest prints a QString it cannot name as a list of raw bytes; as text a failing
// comparison of paths or messages can be read. Found by argument-dependent lookup, so it
// lives beside QString in the global namespace.
inline void PrintTo(const QString& text, std::ostream* out)
{
    *out << '"' << text.toStdString() << '"';
}
