#pragma once

#include "Version.h"

#include <QCoreApplication>
#include <QString>

// The texts of the About page and its two links, kept in one place so the captions and
// the addresses the links open cannot drift apart.
namespace tenvik {

inline constexpr const char* WebHost = "tenvik.example.org";
inline constexpr const char* SupportAddress = "support@tenvik.example.org";

// Ten lines; the program's line break is a lone carriage return. Each line is translated
// on its own, so no translation can lose a line break.
inline QString AboutText()
{
    return QCoreApplication::translate("tenvik::TMainForm", "Tenvik for Ostrand Fire v%1")
               .arg(QString::fromLatin1(ProgramVersion))
        + QStringLiteral("\r\r\u00A9 2026 Quorvell\r\r")
        + QCoreApplication::translate("tenvik::TMainForm", "To change Pay Period Start Date,") + u'\r'
        + QCoreApplication::translate("tenvik::TMainForm", "double-click on background of Settings tab")
        + QStringLiteral("\r\r")
        + QCoreApplication::translate("tenvik::TMainForm",
                                      "For information only: the department's official roster prevails.")
        + u'\r'
        + QCoreApplication::translate(
               "tenvik::TMainForm",
               "Your settings are kept in Quorvell/Tenvik/Tenvik.ini in your configuration folder.")
        + QStringLiteral("\rhttp://") + QString::fromLatin1(WebHost);
}

inline QString IssuesLinkCaption()
{
    return QString::fromLatin1(WebHost) + QStringLiteral("/issues.htm");
}

inline QString SupportLinkCaption()
{
    //: The caption of the support address, "email: support@..."
    return QCoreApplication::translate("tenvik::TMainForm", "email: ") + QString::fromLatin1(SupportAddress);
}

} // namespace tenvik
