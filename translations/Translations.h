#pragma once

#include <QLocale>
#include <QString>

#include <memory>
#include <vector>

class QTranslator;

// The program's texts in the user's language. Ours are embedded in the program (":/i18n");
// Qt's own (its dialogs' buttons, the command-line parser's headings) come from the system's
// Qt translations where they are installed.
namespace tenvik {

class Translations {
public:
    // Installs the texts of the locale's language for the whole program, until this object
    // goes. Needs the application object. English needs nothing but its plural forms, and a
    // language we do not ship leaves the program in English, Qt's dialogs included, so that
    // one window never mixes two languages.
    explicit Translations(const QLocale& locale);
    ~Translations();
    Translations(const Translations&) = delete;
    Translations& operator=(const Translations&) = delete;

    // The translation of our texts that is in use ("es", "fr_CA"); empty for English.
    QString language() const { return m_language; }

private:
    std::vector<std::unique_ptr<QTranslator>> m_installed;
    QString m_language;
};

// The languages the program ships besides English, as their translation files name them.
QStringList ShippedLanguages();

} // namespace tenvik
