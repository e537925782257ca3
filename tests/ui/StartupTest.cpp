#include "Version.h"
#include "WindowFixture.h"

#include "bridge/FilePath.h"
#include "ui/widgets/ArrowButton.h"
#include "ui/widgets/CellGrid.h"
#include "ui/widgets/ColorComboBox.h"
#include "ui/widgets/ComboBox.h"
#include "ui/widgets/DateEdit.h"
#include "ui/widgets/DayCell.h"
#include "ui/widgets/Image.h"
#include "ui/widgets/Label.h"
#include "ui/widgets/Notice.h"
#include "ui/widgets/StateColorButton.h"
#include "ui/widgets/Switch.h"
#include "ui/widgets/TabControl.h"
#include "ui/widgets/Text.h"

#include <QDir>
#include <QFileInfo>
#include <QLineEdit>

#include <cmath>

namespace tenvik::test {
namespace {

using namespace Main;

TEST_F(WindowTest, FirstStartOpensTodayWithTheDefaults)
{
    TMainForm& w = open();

    EXPECT_EQ(w.frameGeometry().size(), QSize(350, 640));
    EXPECT_EQ(w.windowTitle(), QStringLiteral("Tenvik\u00AE"));
    EXPECT_EQ(w.tabCtrl->currentWidget(), w.tabCalendar);
    EXPECT_EQ(CurrentDate, Today);
    EXPECT_EQ(SavedDate, Today);
    EXPECT_EQ(CellOf(Today), 11);
    for (DayNumber d : CellDates)
        EXPECT_EQ(d, std::trunc(d));
    EXPECT_TRUE(w.gloCal->hasFocus());

    // The folder is made at start-up; the file only by Save.
    EXPECT_TRUE(QFileInfo(configPath(QStringLiteral("Quorvell/Tenvik"))).isDir());
    EXPECT_FALSE(QFileInfo::exists(configPath(QStringLiteral("Quorvell/Tenvik/Tenvik.ini"))));
    EXPECT_EQ(QDir::fromNativeSeparators(DisplayPathOf(SettingsPath)),
              configPath(QStringLiteral("Quorvell/Tenvik/Tenvik.ini")));

    EXPECT_EQ(w.edAgency->text(), QStringLiteral("Velmora Fire"));
    EXPECT_EQ(w.lblToolbar1->rawText(), QStringLiteral("Velmora Fire"));
    EXPECT_EQ(w.cbPlt->currentIndex(), 0);
    EXPECT_EQ(w.cbPlt->count(), 15);
    EXPECT_FALSE(w.swPaydays->isChecked());
    EXPECT_FALSE(w.swDebitDays->isChecked());
    EXPECT_FALSE(w.swPayPeriods->isChecked());
    EXPECT_EQ(PayPeriodStart, 44185);
    EXPECT_EQ(w.dePPStart->dayNumber(), 44185);
    EXPECT_TRUE(w.dePPStart->isHidden());
    EXPECT_TRUE(w.ccbColor->isHidden());
    EXPECT_EQ(w.deDate->dayNumber(), Today);
    EXPECT_TRUE(w.bPrev->autoRepeat());
    EXPECT_TRUE(w.bNext->autoRepeat());
    EXPECT_EQ(w.lblAbout->rawText().count(u'\r'), 9);

    // What the About page says, word for word, with the project's version.
    EXPECT_EQ(w.lblAbout->text(),
              QStringLiteral("Tenvik for Ostrand Fire v" TENVIK_VERSION "\n"
                             "\n"
                             "\u00A9 2026 Quorvell\n"
                             "\n"
                             "To change Pay Period Start Date,\n"
                             "double-click on background of Settings tab\n"
                             "\n"
                             "For information only: the department's official roster prevails.\n"
                             "Your settings are kept in Quorvell/Tenvik/Tenvik.ini in your configuration folder.\n"
                             "http://tenvik.example.org"));
    const std::pair<StateColorButton*, TAlphaColor> buttons[] = {{w.bAPlt, colors::Red},
                                                                 {w.bBPlt, colors::Blue},
                                                                 {w.bXPlt, colors::Fuchsia},
                                                                 {w.bLdTr, colors::Silver},
                                                                 {w.bBkGr, colors::White}};
    for (const auto& [button, color] : buttons) {
        SCOPED_TRACE(button->objectName().toStdString());
        EXPECT_EQ(button->textColors().normal, color);
    }
    EXPECT_EQ(m_reportedErrors.size(), 0u);
}

TEST_F(WindowTest, EveryWidgetCarriesItsName)
{
    TMainForm& w = open(Show::No);
    const QWidget* named[] = {w.tabCtrl,   w.tabCalendar, w.loCalendar, w.gloCal,   w.gR[0],   w.gT[41],     w.gX[7],
                              w.lblDOW[6], w.deDate,      w.cbPlt,      w.edAgency, w.imgHelp, w.imgSextant, w.sbHelp2};
    const char* names[] = {"tabCtrl", "tabCalendar", "loCalendar", "gloCal",   "gR00",    "gT41",       "gX07",
                           "lblDOW7", "deDate",      "cbPlt",      "edAgency", "imgHelp", "imgSextant", "sbHelp2"};
    for (std::size_t i = 0; i < std::size(names); ++i)
        EXPECT_EQ(named[i]->objectName(), QLatin1String(names[i]));

    // Each cell's rectangle comes right before its two texts in the refresh order.
    const auto& order = w.paintOrder();
    const auto at = std::find(order.begin(), order.end(), w.gR[12]);
    ASSERT_NE(at, order.end());
    ASSERT_LT(at + 2, order.end());
    EXPECT_EQ(*(at + 1), w.gT[12]);
    EXPECT_EQ(*(at + 2), w.gX[12]);
    EXPECT_EQ(w.gX[12]->parentWidget(), w.gT[12]);
    EXPECT_EQ(w.gT[12]->parentWidget(), w.gR[12]);
}

struct StoredCase {
    const char* name;
    const char* ini;
    int assignment;
    const char* title;
    bool paydays;
    bool debit;
    bool payPeriods;
    TAlphaColor aPlt;
    TAlphaColor bkGr;
};

TEST_F(WindowTest, StoredSettingsReachTheWidgets)
{
    const StoredCase cases[] = {
        {"group in lower case", "[Config]\nRDO=a3\n", 3, "Velmora Fire - A3", false, false, false, colors::Red,
         colors::White},
        {"rdo in lower case", "[Config]\nAgency=Station 9\nRDO=rdo\n", 0, "Station 9", false, false, false, colors::Red,
         colors::White},
        {"empty agency, unknown group", "[Config]\nAgency=\nRDO=C1\n", 0, "Velmora Fire", false, false, false,
         colors::Red, colors::White},
        {"switches and colours",
         "[Config]\nRDO=B7\nShowPaydays=1\nShowDebit=2\nShowPayPeriods=0x1\n[Colors]\nAPlt=Green\nBkGr=Navy\n", 14,
         "Velmora Fire - B7", true, true, true, 0xFF008000, colors::Navy},
    };
    for (const StoredCase& c : cases) {
        SCOPED_TRACE(c.name);
        writeSettings(c.ini);
        TMainForm& w = open(Show::No);
        EXPECT_EQ(w.cbPlt->currentIndex(), c.assignment);
        EXPECT_EQ(w.lblToolbar1->rawText(), QString::fromUtf8(c.title));
        EXPECT_EQ(w.swPaydays->isChecked(), c.paydays);
        EXPECT_EQ(w.swDebitDays->isChecked(), c.debit);
        EXPECT_EQ(w.swPayPeriods->isChecked(), c.payPeriods);
        EXPECT_EQ(APltColor, c.aPlt);
        EXPECT_EQ(w.bAPlt->textColors().normal, c.aPlt);
        EXPECT_EQ(w.bBkGr->textColors().normal, c.bkGr);
        EXPECT_EQ(w.rectSettings->fillColor(), c.bkGr);
    }
}

TEST_F(WindowTest, StoredPayPeriodStartReachesItsPicker)
{
    writeSettings("[Config]\nPPStart=12/4/2011\n");
    TMainForm& w = open(Show::No);
    EXPECT_EQ(PayPeriodStart, Day(2011, 12, 4));
    EXPECT_EQ(w.dePPStart->dayNumber(), Day(2011, 12, 4));
}

// A value the window cannot read takes its default, as it always has, but no longer in
// silence: the window says which, once it shows.
TEST_F(WindowTest, ValuesTheFileHoldsButTheWindowCannotReadAreSaid)
{
    // A German short date, which a US English window does not read, and a switch in words.
    writeSettings("[Config]\nShowPaydays=yes\nPPStart=20.12.2021\n[Colors]\nAPlt=Rouge\n");
    TMainForm& w = open();
    EXPECT_EQ(PayPeriodStart, 44185);
    EXPECT_FALSE(w.swPaydays->isChecked());
    ASSERT_TRUE(w.lblNotice->isVisible());
    const QString said = w.lblNotice->text();
    for (const char* part :
         {"Paydays \u201Cyes\u201D", "Pay period start \u201C20.12.2021\u201D", "A platoon colour \u201CRouge\u201D"})
        EXPECT_TRUE(said.contains(QString::fromUtf8(part))) << said.toStdString();

    // The same date in the form Save writes now reads anywhere; a file that reads says nothing.
    writeSettings("[Config]\nShowPaydays=1\nPPStart=2021-12-20\n");
    TMainForm& again = open();
    EXPECT_EQ(PayPeriodStart, Day(2021, 12, 20));
    EXPECT_FALSE(again.lblNotice->isVisible());
}

} // namespace
} // namespace tenvik::test
