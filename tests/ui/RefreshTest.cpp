#include "PaintCounter.h"
#include "WindowFixture.h"

#include "ui/widgets/CellGrid.h"
#include "ui/widgets/ComboBox.h"
#include "ui/widgets/DateEdit.h"
#include "ui/widgets/DayCell.h"
#include "ui/widgets/Label.h"
#include "ui/widgets/StateColorButton.h"
#include "ui/widgets/Switch.h"
#include "ui/widgets/Text.h"

#include <QApplication>
#include <QLineEdit>

namespace tenvik::test {
namespace {

using namespace Main;
using Align = Text::Align;

// In the grid of December 2026 (today the 10th, a B day):
constexpr int Nov29 = 0;  // leading day
constexpr int Dec4 = 5;   // payday
constexpr int Dec10 = 11; // today
constexpr int Dec11 = 12; // B
constexpr int Dec12 = 13; // A
constexpr int Dec13 = 14; // first day of PP1, RDO of A3
constexpr int Dec14 = 15; // RDO of B3
constexpr int Dec18 = 19; // payday
constexpr int Dec28 = 29; // RDO of A2
constexpr int Jan1 = 33;  // trailing day

void Refresh()
{
    RefreshAll();
}

void SetSwitches(TMainForm& w, bool paydays, bool debit, bool payPeriods)
{
    w.swPaydays->setChecked(paydays);
    w.swDebitDays->setChecked(debit);
    w.swPayPeriods->setChecked(payPeriods);
    Refresh();
}

TEST_F(WindowTest, CellsShowTheSelectionAndThePlatoons)
{
    TMainForm& w = open();
    struct Cell {
        int index;
        TAlphaColor fill;
        TAlphaColor number;
        const char* text;
    };
    const Cell cells[] = {
        {Nov29, colors::White, colors::Silver, "29"}, {Dec10, colors::Blue, colors::White, "10"},
        {Dec11, colors::White, colors::Blue, "11"},   {Dec12, colors::White, colors::Red, "12"},
        {Jan1, colors::White, colors::Silver, "1"},
    };
    for (const Cell& c : cells) {
        SCOPED_TRACE(c.index);
        const auto i = static_cast<std::size_t>(c.index);
        EXPECT_EQ(w.gR[i]->fillColor(), c.fill);
        EXPECT_EQ(w.gR[i]->strokeThickness(), 0.5);
        EXPECT_EQ(w.gT[i]->color(), c.number);
        EXPECT_TRUE(w.gT[i]->bold());
        EXPECT_EQ(w.gT[i]->text(), QLatin1String(c.text));
    }

    // The user's own RDO: in its own colour, and filled with it when selected.
    w.cbPlt->setCurrentIndex(2); // A2
    Refresh();
    EXPECT_EQ(w.gT[Dec28]->color(), colors::Fuchsia);
    GoTo(Day(2026, 12, 28));
    EXPECT_EQ(w.gR[Dec28]->fillColor(), colors::Fuchsia);
    EXPECT_EQ(w.gT[Dec28]->color(), colors::Black);
    EXPECT_EQ(w.gR[Dec10]->fillColor(), colors::White);
}

TEST_F(WindowTest, SelectedDayBeforeTheScheduleReadsAsBackgroundOnLeadingColour)
{
    TMainForm& w = open();
    GoTo(Day(2011, 12, 15));
    const auto cell = static_cast<std::size_t>(CellOf(CurrentDate));
    EXPECT_EQ(w.gR[cell]->fillColor(), colors::Silver);
    EXPECT_EQ(w.gT[cell]->color(), colors::White);
}

TEST_F(WindowTest, PaydaysAreUnderlinedOnlyWhileShown)
{
    TMainForm& w = open();
    for (bool shown : {true, false}) {
        SCOPED_TRACE(shown);
        SetSwitches(w, shown, false, false);
        EXPECT_EQ(w.gT[Dec4]->underline(), shown);
        EXPECT_EQ(w.gT[Dec18]->underline(), shown);
        EXPECT_FALSE(w.gT[Dec11]->underline());
    }
}

TEST_F(WindowTest, LabelSwitchesChooseTextsSizesAndNumberPlacement)
{
    TMainForm& w = open();
    struct Row {
        bool debit;
        bool payPeriods;
        const char* dec13;
        const char* dec14;
        const float* labelSize;
    };
    const Row rows[] = {
        {true, true, "PP1\rA3", "B3", &LabelSmallFontSize},
        {true, false, "A3", "B3", &LabelFontSize},
        {false, true, "PP1", "", &LabelFontSize},
        {false, false, "", "", nullptr},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(::testing::Message() << r.debit << r.payPeriods);
        SetSwitches(w, false, r.debit, r.payPeriods);
        EXPECT_EQ(w.gX[Dec13]->text(), QLatin1String(r.dec13));
        EXPECT_EQ(w.gX[Dec14]->text(), QLatin1String(r.dec14));
        if (r.labelSize) {
            EXPECT_EQ(w.gX[Dec13]->fontSize(), *r.labelSize);
        }
        const bool corner = r.debit || r.payPeriods;
        const Text& number = *w.gT[Dec13];
        EXPECT_EQ(number.horizontalAlign(), corner ? Align::Leading : Align::Center);
        EXPECT_EQ(number.verticalAlign(), corner ? Align::Leading : Align::Center);
        EXPECT_EQ(number.margins(), corner ? QMarginsF(4, -2, 0, 0) : QMarginsF());
        EXPECT_EQ(number.fontSize(), corner ? DayCornerFontSize : DayFontSize);
    }
    // A label takes the contrast colour of its own cell: black on white, white on blue.
    SetSwitches(w, false, true, false);
    EXPECT_EQ(w.gX[Dec13]->color(), colors::Black);
    EXPECT_EQ(w.gX[Dec10]->color(), colors::White);
}

TEST_F(WindowTest, LegendCellsShowThePlatoonLetters)
{
    TMainForm& w = open();
    SetSwitches(w, true, true, true);
    EXPECT_EQ(w.gT[40]->text(), QStringLiteral("A"));
    EXPECT_EQ(w.gT[40]->color(), colors::Red);
    EXPECT_EQ(w.gT[41]->text(), QStringLiteral("B"));
    EXPECT_EQ(w.gT[41]->color(), colors::Blue);
    EXPECT_EQ(w.gT[41]->fontSize(), DayFontSize);
    EXPECT_EQ(w.gT[41]->horizontalAlign(), Align::Center);
    EXPECT_TRUE(w.gX[40]->text().isEmpty());
    EXPECT_TRUE(w.gX[41]->text().isEmpty());
}

TEST_F(WindowTest, MonthTitleNamesTheYearOnlyOutsideTheCurrentOne)
{
    TMainForm& w = open();
    const std::pair<DayNumber, const char*> cases[] = {{Day(2026, 12, 10), "December"},
                                                       {Day(2026, 3, 1), "March"},
                                                       {Day(2027, 1, 10), "Jan 2027"},
                                                       {Day(1950, 6, 30), "Jun 1950"}};
    for (const auto& [date, title] : cases) {
        SCOPED_TRACE(title);
        GoTo(date);
        EXPECT_EQ(w.lblMonthName->rawText(), QLatin1String(title));
        EXPECT_EQ(w.lblMonthName->fontSize(), MonthFontSize);
    }
}

TEST_F(WindowTest, WeekdayNamesComeFromTheLocale)
{
    m_locale.ShortDayNames = {"So", "Mo", "Di", "Mi", "Do", "Fr", "Sa"};
    TMainForm& w = open(Show::No);
    EXPECT_EQ(w.lblDOW[0]->rawText(), QStringLiteral("So"));
    EXPECT_EQ(w.lblDOW[6]->rawText(), QStringLiteral("Sa"));
    EXPECT_EQ(w.lblDOW[3]->fontSize(), WeekdayFontSize);
}

TEST_F(WindowTest, StatusLineNamesTheDayItsGroupAndPayPeriod)
{
    TMainForm& w = open();
    w.cbPlt->setCurrentIndex(2); // A2
    struct Case {
        DayNumber date;
        DayNumber payPeriodStart;
        const char* status;
    };
    const Case cases[] = {
        {Day(2026, 12, 10), 44185, "12/10/2026\rB2"},
        {Day(2026, 12, 13), 44185, "12/13/2026\rPP1 - A3"},
        {Day(2026, 12, 28), 44185, "12/28/2026\rA2 *"},
        // A first day before the RDO schedule has no group to follow the dash.
        {Day(2011, 12, 4), Day(2011, 12, 4), "12/4/2011\rPP1"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.status);
        PayPeriodStart = c.payPeriodStart;
        GoTo(c.date);
        EXPECT_EQ(w.lblStatus->rawText(), QLatin1String(c.status));
        EXPECT_EQ(w.lblStatus->fontSize(), StatusFontSize);
    }
}

TEST_F(WindowTest, TodayButtonStandsOutOnlyAwayFromToday)
{
    TMainForm& w = open();
    using Colors = StateColorButton::TextColors;
    const std::tuple<DayNumber, Colors, bool> cases[] = {
        {Today, {colors::Dimgray, colors::Dimgray, colors::Dimgray, colors::Blue}, false},
        {Day(2026, 12, 11), {colors::Black, colors::Black, colors::Black, colors::Blue}, true},
    };
    for (const auto& [date, expected, bold] : cases) {
        GoTo(date);
        EXPECT_EQ(w.bToday->textColors(), expected);
        EXPECT_EQ(w.bToday->bold(), bold);
    }
}

TEST_F(WindowTest, BackgroundColourDecidesTextBorderAndLinkColours)
{
    TMainForm& w = open();
    struct Case {
        const char* name;
        TAlphaColor background;
        TAlphaColor text;
        TAlphaColor save;
        TAlphaColor links;
        TAlphaColor border;
    };
    const Case cases[] = {
        {"white", colors::White, colors::Black, colors::Navy, colors::Blue, colors::Slategray},
        {"navy", colors::Navy, colors::White, colors::Blue, colors::Blue, colors::Slategray},
        {"blue", colors::Blue, colors::White, colors::Blue, colors::White, colors::Black},
        {"slate grey", colors::Slategray, colors::Black, colors::Navy, colors::Blue, colors::Black},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        BkGrColor = c.background;
        Refresh();
        for (const Label* label : {w.lblToolbar1, w.lblToolbar2, w.lblToolbar4, w.lblMonthName, w.lblDOW[0],
                                   w.lblStatus, w.lblPlatoon, w.lblPayPeriods, w.lblAbout})
            EXPECT_EQ(label->color(), c.text) << label->objectName().toStdString();
        EXPECT_EQ(w.sbBack2->textColors().normal, c.text);
        EXPECT_EQ(w.bSave->textColors().normal, c.save);
        EXPECT_EQ(w.sbHelp1->textColors().normal, c.links);
        EXPECT_EQ(w.sbHelp2->textColors().normal, c.links);
        EXPECT_EQ(w.rectAbout->fillColor(), c.background);
        EXPECT_EQ(w.rectDaysOfWeek->strokeColor(), c.border);
        EXPECT_EQ(w.rectDaysOfWeek->strokeThickness(), 0.5);
        EXPECT_EQ(w.rectToolbar1->strokeThickness(), 0);
        // The Help page stays white with black text whatever the background.
        EXPECT_EQ(w.rectHelp->fillColor(), colors::White);
        EXPECT_EQ(w.rectToolbar3->fillColor(), colors::White);
        EXPECT_EQ(w.lblToolbar3->color(), colors::Black);
        EXPECT_EQ(w.sbBack3->textColors().normal, colors::Black);
        // The agency edit keeps its own white base, so its text stays black.
        EXPECT_EQ(w.edAgency->palette().color(QPalette::Text), QColor(Qt::black));
    }
}

TEST_F(WindowTest, TitleFollowsTheAgencyFieldAndTheGroup)
{
    TMainForm& w = open();
    w.edAgency->setText(QStringLiteral("Harbour Rescue"));
    w.cbPlt->setCurrentIndex(9); // B2
    Refresh();
    EXPECT_EQ(w.lblToolbar1->rawText(), QStringLiteral("Harbour Rescue - B2"));
    w.cbPlt->setCurrentIndex(0);
    Refresh();
    EXPECT_EQ(w.lblToolbar1->rawText(), QStringLiteral("Harbour Rescue"));
}

TEST_F(WindowTest, PassOverAnUnchangedStateRepaintsNothing)
{
    TMainForm& w = open();
    SetSwitches(w, true, true, true);
    QApplication::processEvents();
    PaintCounter paints(*qApp);
    Refresh();
    QApplication::processEvents();
    EXPECT_EQ(paints.count(), 0);
}

} // namespace
} // namespace tenvik::test
