#include "ui/Pictures.h"

#include <QFile>
#include <QtGlobal>

// Q_INIT_RESOURCE names a function of the global namespace, so it is called from there.
static void InitPictures()
{
    Q_INIT_RESOURCE(pictures);
}

namespace tenvik {

void LoadPictureResources()
{
    static const bool loaded = (InitPictures(), true);
    Q_UNUSED(loaded);
}

namespace {

// ":/img/help.png" in Spanish is ":/img/help-es.png".
QString InLanguage(const QString& englishPath, const QString& language)
{
    if (language.isEmpty())
        return englishPath;
    LoadPictureResources();
    QString path = englishPath;
    path.insert(path.lastIndexOf(u'.'), u'-' + language);
    return QFile::exists(path) ? path : englishPath;
}

} // namespace

QString HelpPicturePathFor(const QString& language)
{
    return InLanguage(HelpPicturePath, language);
}

QString CalendarHelpPicturePathFor(const QString& language)
{
    return InLanguage(CalendarHelpPicturePath, language);
}

} // namespace tenvik
