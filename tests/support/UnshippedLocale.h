#pragma once

#include "translations/Translations.h"

#include <QLocale>
#include <QString>
#include <QStringList>

#include <gtest/gtest.h>

#include <algorithm>

namespace tenvik::test {

// A locale of a language the program has no translation for, to test what its users get:
// the first of a few that no shipped translation covers, so that adding one of them as a
// translation does not turn the case into a translated one. A translation counts for every
// country of its language ("fr_CA" covers fr_FR), as the programs pick them.
inline QLocale LocaleWithoutTranslation()
{
    const QStringList shipped = ShippedLanguages();
    for (const char* name : {"it_IT", "pl_PL", "nl_NL", "ja_JP"}) {
        const QLocale locale(QString::fromLatin1(name));
        const QString language = QLocale::languageToCode(locale.language());
        const bool covered = std::any_of(shipped.cbegin(), shipped.cend(), [&language](const QString& translation) {
            return translation == language || translation.startsWith(language + u'_');
        });
        if (!covered)
            return locale;
    }
    ADD_FAILURE() << "every candidate language has a translation: add another to LocaleWithoutTranslation";
    return QLocale::c();
}

} // namespace tenvik::test
