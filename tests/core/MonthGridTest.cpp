#include "core/MonthGrid.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace tenvik {
namespace {

constexpr double NaN = std::numeric_limits<double>::quiet_NaN();
constexpr double Inf = std::numeric_limits<double>::infinity();

TEST(ComputeViewDate, ClampsAndBuildsTheGrid)
{
    struct Case {
        const char* name;
        DayNumber in;
        DayNumber stored;
        DayNumber firstCell;
    };
    const Case cases[] = {
        {"31 December 1900 is raised to January 1901", 366, 367, 365},
        {"1 January 2061 is lowered to December 2060", 58807, 58806, 58773},
        {"day 0 is raised", 0, 367, 365},
        {"NaN counts as too low", NaN, 367, 365},
        {"minus infinity", -Inf, 367, 365},
        {"plus infinity", Inf, 58806, 58773},
        {"February 2015 starts on a Sunday", 42036, 42036, 42036},
        {"October 2021 starts on a Friday", 44484, 44484, 44465},
        {"a time of day is stored as it is", 44484.5, 44484.5, 44465},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const ViewDate view = ComputeViewDate(c.in);
        EXPECT_EQ(view.currentDate, c.stored);
        EXPECT_EQ(ClampViewDate(c.in), c.stored);
        EXPECT_EQ(view.cellDates.front(), c.firstCell);
        EXPECT_EQ(view.cellDates.back(), c.firstCell + 41);
    }
}

TEST(MonthGridFor, FebruaryAndOctober)
{
    const CellDateArray february2015 = MonthGridFor(42050); // 15 February 2015
    for (std::size_t i = 0; i < february2015.size(); ++i)
        EXPECT_EQ(CalendarMonth(february2015[i]), i < 28 ? 2 : 3) << i;

    const CellDateArray october2021 = MonthGridFor(44470); // 1 October 2021
    EXPECT_EQ(october2021[5], 44470);
    EXPECT_EQ(CalendarMonth(october2021[4]), 9);
}

// Every month the calendar can show keeps the shape the window relies on.
TEST(MonthGridFor, EveryShownMonthHoldsItsWholeMonth)
{
    for (DayNumber d = MinViewDate; d <= MaxViewDate; d = MonthStep(d, 1)) {
        SCOPED_TRACE(testing::Message() << CalendarYear(d) << '-' << CalendarMonth(d));
        const CellDateArray cells = MonthGridFor(d);
        const DayNumber first = FirstOfMonth(d);
        const int length = DaysInMonth(CalendarYear(d), CalendarMonth(d));
        const auto leading = static_cast<std::size_t>(WeekdayIndex(first) - 1);

        EXPECT_EQ(WeekdayIndex(cells[0]), 1);
        EXPECT_EQ(cells[leading], first);
        for (std::size_t i = 0; i < cells.size(); ++i) {
            ASSERT_EQ(cells[i], cells[0] + static_cast<double>(i));
            ASSERT_EQ(cells[i], std::trunc(cells[i]));
            const bool inMonth = i >= leading && i < leading + static_cast<std::size_t>(length);
            ASSERT_EQ(SameMonthNumber(cells[i], d), inMonth) << i;
        }
        EXPECT_LE(leading + static_cast<std::size_t>(length) - 1, 36U);
    }
}

// The month buttons step past the ends; the view brings them back.
TEST(ComputeViewDate, MonthStepsPastTheEndsAreClamped)
{
    for (DayNumber d = 58776; d <= MaxViewDate; ++d) // every day of December 2060
        EXPECT_EQ(ComputeViewDate(static_cast<DayNumber>(WholeDay(MonthStep(d, 1)))).currentDate, MaxViewDate) << d;
    for (DayNumber d = MinViewDate; d < MinViewDate + 31; ++d) // every day of January 1901
        EXPECT_EQ(ComputeViewDate(static_cast<DayNumber>(WholeDay(MonthStep(d, -1)))).currentDate, MinViewDate) << d;
}

} // namespace
} // namespace tenvik
