// Which language the programs speak for a locale, and the calendar file in it.
#include "export/CalendarEvents.h"
#include "translations/EventWords.h"
#include "translations/Translations.h"

#include "UnshippedLocale.h"

#include <QCoreApplication>
#include <QFile>
#include <QLibraryInfo>

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

namespace tenvik {
namespace {

using namespace Qt::StringLiterals;

QString SettingsTab()
{
    return QCoreApplication::translate("tenvik::TMainForm", "Settings");
}

QString Events(int n)
{
    return QCoreApplication::translate("tenvik-export", "%n event(s)", nullptr, n);
}

TEST(TranslationsTest, TheLocalesLanguageOrTheNearestShippedOne)
{
    struct Case {
        QString locale;
        const char* language; // of ours in use; empty for English
        const char* settings;
        const char* twoEvents;
    };
    const Case cases[] = {
        {QStringLiteral("es_ES"), "es", "Ajustes", "2 eventos"},
        {QStringLiteral("es_US"), "es", "Ajustes", "2 eventos"},
        {QStringLiteral("fr_CA"), "fr_CA", "Paramètres", "2 événements"},
        {QStringLiteral("fr_FR"), "fr_CA", "Paramètres", "2 événements"}, // closer than English
        {QStringLiteral("de_AT"), "de", "Einstellungen", "2 Termine"},
        {QStringLiteral("en_US"), "", "Settings", "2 events"},
        // Not shipped: English, with its plurals.
        {test::LocaleWithoutTranslation().name(), "", "Settings", "2 events"},
        {QStringLiteral("C"), "", "Settings", "2 events"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.locale.toStdString());
        {
            const Translations translations{QLocale(c.locale)};
            EXPECT_EQ(translations.language(), QString::fromLatin1(c.language));
            EXPECT_EQ(SettingsTab(), QString::fromUtf8(c.settings));
            EXPECT_EQ(Events(2), QString::fromUtf8(c.twoEvents));
        }
        // Gone with the object.
        EXPECT_EQ(SettingsTab(), QStringLiteral("Settings"));
        EXPECT_EQ(Events(1), QStringLiteral("1 event(s)"));
    }
}

TEST(TranslationsTest, EnglishHasItsPluralForms)
{
    const Translations translations{QLocale(QLocale::English, QLocale::UnitedStates)};
    EXPECT_EQ(Events(1), QStringLiteral("1 event"));
    EXPECT_EQ(Events(365), QStringLiteral("365 events"));
}

// Qt's own texts (the command line's "Usage:", its dialogs' buttons) follow where the
// system has them.
TEST(TranslationsTest, QtsOwnTextsFollowTheLanguage)
{
    const QString qtFile = QLibraryInfo::path(QLibraryInfo::TranslationsPath) + QStringLiteral("/qtbase_fr.qm");
    if (!QFile::exists(qtFile))
        GTEST_SKIP() << "Qt's translations are not installed";
    const Translations translations{QLocale(QLocale::French, QLocale::Canada)};
    EXPECT_EQ(QCoreApplication::translate("QCommandLineParser", "Usage: %1"), QStringLiteral("Utilisation : %1"));
}

std::vector<std::string> Words(const EventPhrases& phrases)
{
    return {phrases.dutySummary,    phrases.dutyDescription,   phrases.rdoSummary,       phrases.rdoDescription,
            phrases.paydaySummary,  phrases.paydayDescription, phrases.payPeriodSummary, phrases.payPeriodDescription,
            phrases.dutyCategory,   phrases.rdoCategory,       phrases.paydayCategory,   phrases.payPeriodCategory,
            phrases.platoonSummary, phrases.platoonDescription};
}

// Whoever exports reads the events in their language; the calendar program still finds
// the same events by their identifiers.
TEST(TranslationsTest, TheCalendarFileSpeaksTheExportersLanguage)
{
    // The English words are the plain layer's own, which its tests and Windows build use.
    EXPECT_EQ(Words(TranslatedEventPhrases()), Words(EventPhrases{}));

    UserProfile profile;
    profile.group = "A2";
    profile.agency = "Velmora Fire";
    const DayNumber first = EncodeDate(2027, 1, 1);
    const DayNumber last = EncodeDate(2027, 1, 31);
    const auto english = EventsFor(first, last, profile, {}, TranslatedEventPhrases());
    const Translations spanish{QLocale(QLocale::Spanish, QLocale::Spain)};
    const auto translated = EventsFor(first, last, profile, {}, TranslatedEventPhrases());
    ASSERT_EQ(translated.size(), english.size());
    for (std::size_t i = 0; i < english.size(); ++i)
        EXPECT_EQ(translated[i].uid, english[i].uid);
    const auto duty = std::find_if(translated.begin(), translated.end(),
                                   [](const DayEvent& event) { return event.kind == EventKind::Duty; });
    ASSERT_NE(duty, translated.end());
    EXPECT_EQ(duty->summary, "De guardia - A2");
    EXPECT_EQ(duty->description, "Velmora Fire, grupo A2: turno A de guardia.");
    EXPECT_EQ(duty->category, "Guardia");
}

} // namespace
} // namespace tenvik
