#include "translations/Translations.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibraryInfo>
#include <QTranslator>

namespace tenvik {
namespace {

const QString OwnFolder = QStringLiteral(":/i18n");
const QString OwnPrefix = QStringLiteral("tenvik");
// English has no translation of its own, only the plural forms of the "%n" texts.
const QString EnglishPlurals = QStringLiteral("tenvik_en");

// The translation Qt picks for the locale's languages (es_MX finds "es"), else any we ship
// for the same language in another country: French of France reads the Canadian French
// rather than English.
bool LoadOwn(QTranslator& translator, const QLocale& locale)
{
    if (translator.load(locale, OwnPrefix, QStringLiteral("_"), OwnFolder))
        return true;
    const QString language = QLocale::languageToCode(locale.language());
    const QStringList variants =
        QDir(OwnFolder).entryList({OwnPrefix + u'_' + language + QStringLiteral("_*.qm")}, QDir::Files, QDir::Name);
    return !variants.isEmpty() && translator.load(variants.constFirst(), OwnFolder);
}

} // namespace

Translations::Translations(const QLocale& locale)
{
    const auto install = [this](std::unique_ptr<QTranslator> translator) {
        QCoreApplication::installTranslator(translator.get());
        m_installed.push_back(std::move(translator));
    };

    // Installed first, so that it is asked last: a language of ours answers before it.
    auto plurals = std::make_unique<QTranslator>();
    if (plurals->load(EnglishPlurals, OwnFolder))
        install(std::move(plurals));

    auto own = std::make_unique<QTranslator>();
    if (!LoadOwn(*own, locale) || own->language().startsWith(u"en"))
        return;
    m_language = own->language();
    install(std::move(own));

    auto qt = std::make_unique<QTranslator>();
    if (qt->load(QLocale(m_language), QStringLiteral("qtbase"), QStringLiteral("_"),
                 QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        install(std::move(qt));
}

Translations::~Translations()
{
    for (const auto& translator : m_installed)
        QCoreApplication::removeTranslator(translator.get());
}

QStringList ShippedLanguages()
{
    QStringList languages;
    const QString prefix = OwnPrefix + u'_';
    for (const QString& file : QDir(OwnFolder).entryList({prefix + QStringLiteral("*.qm")}, QDir::Files, QDir::Name)) {
        const QString language = file.mid(prefix.size()).chopped(3);
        if (language != EnglishPlurals.mid(prefix.size()))
            languages << language;
    }
    return languages;
}

} // namespace tenvik
