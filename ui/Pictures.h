#pragma once

#include <QString>

// The window's pictures, compiled into the program.
namespace tenvik {

inline const QString HelpPicturePath = QStringLiteral(":/img/help.png");                  // the Settings page explained
inline const QString CalendarHelpPicturePath = QStringLiteral(":/img/help-calendar.png"); // the key to the marks
inline const QString SextantPicturePath = QStringLiteral(":/img/sextant.png");            // and sextant@2x.png

// Makes the pictures readable under their paths. The window's library is static, so the
// linker keeps them only when something calls this; calling it again does nothing.
void LoadPictureResources();

} // namespace tenvik
