#pragma once

#include "Version.h"

#include <QString>

// The texts of the About page and its two links, kept in one place so the captions and
// the addresses the links open cannot drift apart.
namespace tenvik {

inline constexpr const char* WebHost = "tenvik.example.org";
inline constexpr const char* SupportAddress = "support@tenvik.example.org";

// Ten lines; the program's line break is a lone carriage return.
inline QString AboutText()
{
    return QStringLiteral("Tenvik for Ostrand Fire v") + QString::fromLatin1(ProgramVersion)
        + QStringLiteral("\r"
                         "\r"
                         "\u00A9 2026 Quorvell\r"
                         "\r"
                         "To change Pay Period Start Date,\r"
                         "double-click on background of Settings tab\r"
                         "\r"
                         "For information only: the department's official roster prevails.\r"
                         "Your settings are kept in Quorvell/Tenvik/Tenvik.ini in your configuration folder.\r"
                         "http://")
        + QString::fromLatin1(WebHost);
}

inline QString IssuesLinkCaption()
{
    return QString::fromLatin1(WebHost) + QStringLiteral("/issues.htm");
}

inline QString SupportLinkCaption()
{
    return QStringLiteral("email: ") + QString::fromLatin1(SupportAddress);
}

} // namespace tenvik
