// The window as a user of another language starts it: the locale's dates and the texts of
// its translation, none of them cut off by its widget.
#include "ClippedTexts.h"
#include "TextClipping.h"
#include "UnshippedLocale.h"
#include "WindowFixture.h"

#include "bridge/LocaleCapture.h"
#include "translations/Translations.h"
#include "ui/Pictures.h"
#include "ui/widgets/DayCell.h"
#include "ui/widgets/Image.h"
#include "ui/widgets/Label.h"
#include "ui/widgets/Switch.h"
#include "ui/widgets/TabControl.h"

#include <QApplication>

#include <memory>
#include <vector>

namespace tenvik::test {
namespace {

using namespace Main;

// A fresh window in the locale, with that locale's translation installed first, as the
// program installs it before it builds the window.
class LanguageTest : public WindowTest {
protected:
    void startIn(const QLocale& locale)
    {
        m_locale = CaptureLocaleFormats(locale);
        m_longDateLocale = locale;
        QLocale::setDefault(locale);
        m_translations = std::make_unique<Translations>(locale);
        m_language = m_translations->language();
    }

    void TearDown() override
    {
        m_form.reset();
        m_translations.reset();
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    }

    std::unique_ptr<Translations> m_translations;
};

struct Speech {
    const char* locale;
    const char* tabs[4];
    const char* settingLabels[4]; // assignment, paydays, RDO labels, pay-period labels
    const char* todaySaid;        // what follows the long date of today
    const char* statusDate;
};

const Speech Speeches[] = {
    {"es_ES",
     {"Calendario", "Ajustes", "Ayuda", "Acerca de"},
     {"Asignación", "Días de pago", "Mostrar RDO", "Períodos de pago"},
     ", hoy, turno B, RDO del grupo B2",
     "10/12/2026"},
    {"fr_CA",
     {"Calendrier", "Paramètres", "Aide", "À propos"},
     {"Affectation", "Jours de paie", "Afficher les RDO", "Périodes de paie"},
     ", aujourd'hui, peloton B, RDO du groupe B2",
     "2026-12-10"},
};

TEST_F(LanguageTest, PagesLabelsAndSpokenDaysAreInTheUsersLanguage)
{
    for (const Speech& speech : Speeches) {
        SCOPED_TRACE(speech.locale);
        const QLocale locale(QString::fromLatin1(speech.locale));
        startIn(locale);
        TMainForm& w = open();

        for (int i = 0; i < 4; ++i)
            EXPECT_EQ(w.tabCtrl->tabText(i), QString::fromUtf8(speech.tabs[i]));
        const Label* labels[] = {w.lblPlatoon, w.lblPaydays, w.lblDebitDays, w.lblPayPeriods};
        for (int i = 0; i < 4; ++i)
            EXPECT_EQ(labels[i]->text(), QString::fromUtf8(speech.settingLabels[i]));

        const QString today =
            locale.toString(QDate(2026, 12, 10), QLocale::LongFormat) + QString::fromUtf8(speech.todaySaid);
        EXPECT_EQ(w.gR[static_cast<std::size_t>(CellOf(Today))]->accessibleName(), today);
        EXPECT_EQ(w.lblStatus->accessibleName(), today);
        EXPECT_TRUE(w.lblStatus->rawText().startsWith(QString::fromLatin1(speech.statusDate) + u'\r'))
            << w.lblStatus->rawText().toStdString();

        // The rotation's week starts on Sunday in every language, Monday-first ones too.
        EXPECT_EQ(w.lblDOW[0]->text(), locale.dayName(Qt::Sunday, QLocale::ShortFormat));
        EXPECT_EQ(WeekdayIndex(CellDates[0]), 1);
        TearDown();
    }
}

// Every page of the window in each shipped language, English included as it is the widths
// the window was drawn for. A language is shown in the locale Qt finds likeliest for it
// ("es" in es_ES).
TEST_F(LanguageTest, NoTextIsCutOff)
{
    QList<QLocale> locales{QLocale(QLocale::English, QLocale::UnitedStates)};
    for (const QString& language : ShippedLanguages())
        locales << QLocale(language);
    for (const QLocale& locale : locales) {
        SCOPED_TRACE(locale.name().toStdString());
        startIn(locale);
        recordEveryKind(Day(2026, 11, 29), Day(2027, 1, 9));
        TMainForm& w = open();
        settle();
        // Every switch on, so that the grid's corners carry their labels, and the days
        // the user's marks, too.
        w.swPaydays->setChecked(true);
        w.swDebitDays->setChecked(true);
        w.swPayPeriods->setChecked(true);
        // At the size the window opens and at its smallest, where the month's name, the
        // weekdays and the status line have the least room.
        for (const QSize size : {w.size(), w.minimumSize()}) {
            SCOPED_TRACE(QStringLiteral("%1 x %2").arg(size.width()).arg(size.height()).toStdString());
            w.resize(size);
            for (int page = 0; page < w.tabCtrl->count(); ++page) {
                w.tabCtrl->setCurrentIndex(page);
                QApplication::processEvents();
                for (const QString& clipped : ClippedTexts(w))
                    ADD_FAILURE() << "page " << page << ": " << clipped.toStdString();
                const std::vector<StrayText> strays = TextsLeavingTheirBoxes(w);
                EXPECT_TRUE(strays.empty()) << "page " << page << ":\n" << Describe(strays);
                EXPECT_TRUE(w.gR[15]->marks().Any());
                const std::vector<StrayText> marks = MarksInTheWay(w);
                EXPECT_TRUE(marks.empty()) << "page " << page << ":\n" << Describe(marks);
            }
        }
        TearDown();
    }
}

// The Help page's pictures show the page in the window's language; a language without a
// translation shows the English ones, and every shipped translation has its own.
TEST_F(LanguageTest, HelpPicturesAreDrawnInTheWindowsLanguage)
{
    const struct {
        QLocale locale;
        const char* settingsPicture;
        const char* calendarPicture;
    } cases[] = {
        {QLocale(QLocale::Spanish, QLocale::Spain), ":/img/help-es.png", ":/img/help-calendar-es.png"},
        {QLocale(QLocale::French, QLocale::Canada), ":/img/help-fr_CA.png", ":/img/help-calendar-fr_CA.png"},
        {QLocale(QLocale::English, QLocale::UnitedStates), ":/img/help.png", ":/img/help-calendar.png"},
        {LocaleWithoutTranslation(), ":/img/help.png", ":/img/help-calendar.png"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.locale.name().toStdString());
        startIn(c.locale);
        TMainForm& w = open();
        EXPECT_EQ(w.imgHelp->picturePath(), QString::fromLatin1(c.settingsPicture));
        EXPECT_EQ(w.imgHelpCalendar->picturePath(), QString::fromLatin1(c.calendarPicture));
        TearDown();
    }
    // A new translation's pictures are drawn from the window in its language and committed
    // beside the others; the build embeds what resources/ holds.
    for (const QString& language : ShippedLanguages()) {
        const std::string draw = "; draw it: scripts/make-help-picture --language " + language.toStdString();
        EXPECT_TRUE(HelpPicturePathFor(language) != HelpPicturePath)
            << "no resources/help-" << language.toStdString() << ".png" << draw;
        EXPECT_TRUE(CalendarHelpPicturePathFor(language) != CalendarHelpPicturePath)
            << "no resources/help-calendar-" << language.toStdString() << ".png" << draw;
    }
}

} // namespace
} // namespace tenvik::test
