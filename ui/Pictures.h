#pragma once

#include <QString>

// The window's pictures, compiled into the program.
namespace tenvik {

inline const QString HelpPicturePath = QStringLiteral(":/img/help.png");                  // the Settings page explained
inline const QString CalendarHelpPicturePath = QStringLiteral(":/img/help-calendar.png"); // the key to the marks
inline const QString SextantPicturePath = QStringLiteral(":/img/sextant.png");            // and sextant@2x.png

// The Help page's pictures drawn in a translation's language ("es", "fr_CA"), or the English
// ones where that language has none.
QString HelpPicturePathFor(const QString& language);
QString CalendarHelpPicturePathFor(const QString& language);

// Makes the pictures readable under their paths. The window's library is static, so the
// linker keeps them only when something calls this; calling it again does nothing.
void LoadPictureResources();

} // namespace tenvik
