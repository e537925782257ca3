#include "core/Clock.h"

#include <gtest/gtest.h>

#include <chrono>

namespace tenvik {
namespace {

TEST(Clock, TodayIsTheClocksDateAsAWholeDay)
{
    FixedClock clock({2020, 12, 25});
    EXPECT_EQ(TodayDate(clock), 44190);
    EXPECT_EQ(ClockYear(clock), 2020);

    clock.SetToday({2060, 12, 31});
    EXPECT_EQ(TodayDate(clock), MaxViewDate);
    EXPECT_EQ(ClockYear(clock), 2060);

    clock.SetToday({2021, 2, 30});
    EXPECT_EQ(TodayDate(clock), 0);
}

// The local date lies within a day of the UTC date, whatever the time zone; a year or
// month taken from the C library without its offset (1900, 1) would be far off.
TEST(Clock, SystemClockGivesTheDateOfTheSystemsTime)
{
    const auto utcToday = [] {
        const std::chrono::year_month_day utc{std::chrono::floor<std::chrono::days>(std::chrono::system_clock::now())};
        return EncodeDate(static_cast<int>(utc.year()), static_cast<int>(static_cast<unsigned>(utc.month())),
                          static_cast<int>(static_cast<unsigned>(utc.day())));
    };
    const DayNumber before = utcToday();
    const CivilDate today = SystemClock{}.LocalDate();
    const DayNumber after = utcToday();

    ASSERT_TRUE(TryEncodeDate(today.year, today.month, today.day).has_value());
    EXPECT_GE(EncodeDate(today), before - 1);
    EXPECT_LE(EncodeDate(today), after + 1);
}

} // namespace
} // namespace tenvik
