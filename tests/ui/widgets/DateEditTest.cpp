#include "PaintCounter.h"
#include "bridge/QtDate.h"
#include "ui/widgets/DateEdit.h"

#include <QCalendarWidget>
#include <QSignalSpy>
#include <QTableView>
#include <QTest>

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace tenvik {
namespace {

TEST(DayNumberConversionTest, MapsDayNumbersToDatesAndBack)
{
    struct Case {
        DayNumber day;
        QDate date;
    };
    const Case cases[] = {
        {0, QDate(1899, 12, 30)},  {-1, QDate(1899, 12, 29)},      {2, QDate(1900, 1, 1)},
        {367, QDate(1901, 1, 1)},  {40925, QDate(2012, 1, 17)},    {58806, QDate(2060, 12, 31)},
        {-693593, QDate(1, 1, 1)}, {2958465, QDate(9999, 12, 31)},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.day);
        EXPECT_EQ(DayNumberToQDate(c.day), c.date);
        EXPECT_EQ(QDateToDayNumber(c.date), c.day);
    }
}

TEST(DayNumberConversionTest, DropsTheTimeAndSaturatesWhatNoDateHolds)
{
    constexpr double infinity = std::numeric_limits<double>::infinity();
    struct Case {
        DayNumber day;
        QDate date;
    };
    const Case cases[] = {
        {45000.75, QDate(2023, 3, 15)}, {-0.5, QDate(1899, 12, 30)}, // truncated towards zero
        {-1.5, QDate(1899, 12, 29)},    {std::nan(""), QDate(1899, 12, 30)},
        {1e300, QDate(9999, 12, 31)},   {-infinity, QDate(1, 1, 1)},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.day);
        EXPECT_EQ(DayNumberToQDate(c.day), c.date);
    }
    EXPECT_EQ(QDateToDayNumber(QDate()), 0);
}

class DateEditTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        edit.setDayNumber(45000); // 15 March 2023
        edit.resize(120, 41);
        ASSERT_TRUE(test::ShowAndSettle(edit));
    }
    QWidget* calendarView() { return edit.calendarWidget()->findChild<QTableView*>(); }

    DateEdit edit;
    QSignalSpy opened{&edit, &DateEdit::pickerOpened};
    QSignalSpy closed{&edit, &DateEdit::pickerClosed};
};

TEST_F(DateEditTest, CoversThePayPeriodStartRangeWithWeeksFromSunday)
{
    edit.setDayNumber(2);
    EXPECT_EQ(edit.dayNumber(), 2); // 1 January 1900 is not clamped away
    edit.setDayNumber(2958465);
    EXPECT_EQ(edit.dayNumber(), 2958465);
    EXPECT_TRUE(edit.calendarPopup());
    EXPECT_EQ(edit.calendarWidget()->firstDayOfWeek(), Qt::Sunday);
}

TEST_F(DateEditTest, MakesItsCalendarWhenItFirstOpens)
{
    EXPECT_EQ(edit.findChild<QCalendarWidget*>(), nullptr);
    edit.openPicker(); // the press on the arrow that a click sends
    const auto* calendar = edit.findChild<QCalendarWidget*>();
    ASSERT_NE(calendar, nullptr);
    EXPECT_TRUE(edit.isPickerOpen());
    EXPECT_EQ(opened.count(), 1);
    EXPECT_EQ(calendar->firstDayOfWeek(), Qt::Sunday);
    edit.closePicker();
}

TEST_F(DateEditTest, ReportsOpeningAndClosingWithoutAChoice)
{
    edit.openPicker();
    EXPECT_TRUE(edit.isPickerOpen());
    EXPECT_EQ(opened.count(), 1);
    EXPECT_EQ(edit.calendarWidget()->selectedDate(), QDate(2023, 3, 15));
    edit.openPicker(); // already open: no second report
    EXPECT_EQ(opened.count(), 1);

    edit.closePicker();
    EXPECT_FALSE(edit.isPickerOpen());
    EXPECT_EQ(closed.count(), 1);
    EXPECT_EQ(edit.dayNumber(), 45000);

    edit.openPicker();
    QTest::keyClick(calendarView(), Qt::Key_Escape);
    EXPECT_FALSE(edit.isPickerOpen());
    EXPECT_EQ(closed.count(), 2);
    EXPECT_EQ(edit.dayNumber(), 45000);
}

TEST_F(DateEditTest, APickedDateIsTheEditsDateWhenTheCloseIsReported)
{
    DayNumber whenClosed = -1;
    QObject::connect(&edit, &DateEdit::pickerClosed, &edit, [&] { whenClosed = edit.dayNumber(); });
    edit.openPicker();
    QTest::keyClick(calendarView(), Qt::Key_Right);
    QTest::keyClick(calendarView(), Qt::Key_Return);
    QCoreApplication::processEvents();
    EXPECT_FALSE(edit.isPickerOpen());
    EXPECT_EQ(closed.count(), 1);
    EXPECT_EQ(whenClosed, 45001);
}

} // namespace
} // namespace tenvik
