// Texts keep inside their boxes at every window size: the sizing caps each font where its
// widest text would leave its widget, and the window is never made so small that the
// buttons of a band would overlap or cut their captions.
#include "WindowFixture.h"

#include "ui/widgets/ArrowButton.h"
#include "ui/widgets/CellGrid.h"
#include "ui/widgets/DateEdit.h"
#include "ui/widgets/DayCell.h"
#include "ui/widgets/Label.h"
#include "ui/widgets/StateColorButton.h"
#include "ui/widgets/Switch.h"
#include "ui/widgets/TabControl.h"
#include "ui/widgets/Text.h"

#include <QApplication>
#include <QLineEdit>

namespace tenvik::test {
namespace {

using namespace Main;

void ResizeOutside(TMainForm& w, QSize outer)
{
    w.resize(outer - (w.frameGeometry().size() - w.size()));
    QApplication::processEvents();
}

struct Switches {
    const char* name;
    bool rdo;
    bool payPeriods;
};

TEST_F(WindowTest, NoSizedTextLeavesItsBoxFromTheSmallestWindowToTallAndWideOnes)
{
    // Both label switches on, so the corners hold two lines; and a first day of a pay
    // period selected, so the status line has its two parts. Every day shown carries the
    // four marks of the user's entries, which must find room beside both.
    writeSettings("[Config]\nRDO=B7\nShowPaydays=1\nShowDebit=1\nShowPayPeriods=1\nPPStart=1/3/2021\n");
    recordEveryKind(Day(2026, 8, 30), Day(2026, 10, 10));
    recordEveryKind(Day(2027, 11, 28), Day(2028, 1, 8));
    TMainForm& w = open();
    settle();
    const QSize smallest = w.minimumSize() + (w.frameGeometry().size() - w.size());
    const QSize sizes[] = {{350, 640}, {350, 1000}, {500, 900}, {260, 420}, smallest, {1400, 500}};
    const Switches switches[] = {{"both labels", true, true}, {"no labels", false, false}, {"RDO labels", true, false}};
    // September is the longest month name; 2027 is not the clock's year, so its months
    // are titled with the short name and the year.
    const DayNumber days[] = {Day(2026, 9, 20), Day(2027, 12, 26)};
    for (const QSize outer : sizes) {
        ResizeOutside(w, outer);
        for (const Switches& on : switches) {
            w.swDebitDays->setChecked(on.rdo);
            w.swPayPeriods->setChecked(on.payPeriods);
            for (const DayNumber day : days) {
                GoTo(day);
                for (QWidget* page : {w.tabCalendar, w.tabSettings, w.tabHelp, w.tabAbout}) {
                    w.tabCtrl->setCurrentWidget(page);
                    QApplication::processEvents();
                    SCOPED_TRACE(::testing::Message()
                                 << outer.width() << " x " << outer.height() << ", " << on.name << ", "
                                 << w.lblMonthName->text().toStdString() << ", " << page->objectName().toStdString());
                    const std::vector<StrayText> strays = TextsLeavingTheirBoxes(w);
                    EXPECT_TRUE(strays.empty()) << Describe(strays);
                    EXPECT_TRUE(w.gR[15]->marks().Any()); // the check below has marks to check
                    const std::vector<StrayText> marks = MarksInTheWay(w);
                    EXPECT_TRUE(marks.empty()) << Describe(marks);
                }
            }
        }
    }
}

// The faults once seen, each at the size it showed at.
TEST_F(WindowTest, TallOrNarrowWindowsKeepDayNumbersMonthAndStatusWhole)
{
    writeSettings("[Config]\nShowDebit=1\nShowPayPeriods=1\n");
    TMainForm& w = open();

    ResizeOutside(w, {350, 1000});
    GoTo(Day(2026, 12, 29));
    const Text& number = *w.gT[static_cast<std::size_t>(CellOf(Day(2026, 12, 29)))];
    EXPECT_EQ(number.text(), QStringLiteral("29"));
    EXPECT_LT(DayCornerFontSize, 0.45f * w.gloCal->itemHeight()); // capped by the width
    EXPECT_GE(w.lblMonthName->contentsRect().left(), w.bPrev->geometry().right());

    ResizeOutside(w, {260, 420});
    EXPECT_LE(w.lblStatus->contentsRect().right(), w.deDate->geometry().left());
    EXPECT_GE(w.lblStatus->contentsRect().left(), w.bToday->geometry().right());
    const std::vector<StrayText> strays = TextsLeavingTheirBoxes(w);
    EXPECT_TRUE(strays.empty()) << Describe(strays);
}

// The agency is the user's text: the title shows it whole, as large as its bar allows.
TEST_F(WindowTest, ALongAgencyKeepsTheTitleInsideItsBar)
{
    const std::string agencies[] = {
        "Ostrand County Fire Protection District Volunteer Company",                                         // 57
        "Ostrand County Fire Protection District Volunteer Company No. 7 and Hazardous Materials Unit Team", // 95
    };
    for (const std::string& agency : agencies) {
        SCOPED_TRACE(agency.size());
        writeSettings("[Config]\nAgency=" + agency + "\nRDO=B7\n");
        TMainForm& w = open();
        for (const QSize outer : {QSize(300, 1000), QSize(350, 640)}) {
            SCOPED_TRACE(::testing::Message() << outer.width() << " x " << outer.height());
            ResizeOutside(w, outer);
            EXPECT_EQ(w.lblToolbar1->rawText(), QString::fromStdString(agency) + QStringLiteral(" - B7"));
            const std::vector<StrayText> strays = TextsLeavingTheirBoxes(w);
            EXPECT_TRUE(strays.empty()) << Describe(strays);
        }
    }

    // One typed on the Settings page, longer than any fitting could keep readable: cut
    // short on screen, whole for a screen reader.
    TMainForm& w = open();
    ResizeOutside(w, {350, 640});
    const QString endless = QString(QStringLiteral("Ostrand Fire ")).repeated(80);
    w.tabCtrl->setCurrentWidget(w.tabSettings);
    w.edAgency->setText(endless);
    w.tabCtrl->setCurrentWidget(w.tabCalendar);
    QApplication::processEvents();
    const std::vector<StrayText> strays = TextsLeavingTheirBoxes(w);
    EXPECT_TRUE(strays.empty()) << Describe(strays);
    EXPECT_TRUE(w.lblToolbar1->accessibleName().startsWith(endless));

    // A short one keeps the size every page's title has.
    w.tabCtrl->setCurrentWidget(w.tabSettings);
    w.edAgency->setText(QStringLiteral("Velmora Fire"));
    w.tabCtrl->setCurrentWidget(w.tabCalendar);
    EXPECT_EQ(w.lblToolbar1->fontSize(), TitleFontSize);
    EXPECT_EQ(w.lblToolbar2->fontSize(), TitleFontSize);
}

TEST_F(WindowTest, SmallestWindowKeepsTheBandsButtonsApartAndWhole)
{
    TMainForm& w = open();
    const QSize smallest = w.minimumSize();
    // In English the page tabs' captions set the width: well below the 350 it opens at.
    EXPECT_LE(smallest.width(), 280);
    EXPECT_LE(smallest.height(), 400);

    w.resize(100, 100);
    QApplication::processEvents();
    EXPECT_EQ(w.size(), smallest);
    for (QWidget* page : {w.tabCalendar, w.tabSettings, w.tabHelp, w.tabAbout}) {
        w.tabCtrl->setCurrentWidget(page);
        QApplication::processEvents();
        // Buttons at the two ends of one band do not meet.
        const std::pair<QWidget*, QWidget*> ends[] = {{w.bPrev, w.bNext}, {w.bToday, w.deDate}, {w.sbBack2, w.bSave}};
        for (const auto& [left, right] : ends) {
            if (!left->isVisible())
                continue;
            SCOPED_TRACE(left->objectName().toStdString());
            EXPECT_LT(left->geometry().right(), right->geometry().left());
        }
    }
    w.tabCtrl->setCurrentWidget(w.tabCalendar);
    QApplication::processEvents();
    for (const QWidget* button : std::initializer_list<const QWidget*>{w.bToday, w.deDate, w.bPrev, w.bNext}) {
        SCOPED_TRACE(button->objectName().toStdString());
        EXPECT_GE(button->height(), button->minimumSizeHint().height());
    }
}

} // namespace
} // namespace tenvik::test
