#pragma once

#include "Version.h"

#include <QString>

#include <cstdio>

// Texts of the programs on standard output and standard error, in the encoding of the
// terminal's locale.
namespace tenvik {

inline void Print(std::FILE* stream, const QString& text)
{
    std::fputs(text.toLocal8Bit().constData(), stream);
    std::fflush(stream);
}

// "tenvik-export: <message>" on a line of its own, for messages on standard error.
inline void Say(const QString& program, const QString& message)
{
    Print(stderr, program + QStringLiteral(": ") + message + u'\n');
}

// "tenvik-export 2.4.4": the program's name and the version.
inline QString VersionLine(const QString& program)
{
    return program + u' ' + QString::fromLatin1(ProgramVersion);
}

} // namespace tenvik
