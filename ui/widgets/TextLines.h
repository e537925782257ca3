#pragma once

#include <QString>

// The program breaks lines with a lone carriage return, which Qt's text layout does not
// break at; shown text turns every CR (and CR LF) into a line feed.
namespace tenvik {

inline QString DisplayLines(QString text)
{
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return text;
}

} // namespace tenvik
