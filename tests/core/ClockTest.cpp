#include "core/Clock.h"

#include <gtest/gtest.h>

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

TEST(Clock, SystemClockGivesAValidDate)
{
    const CivilDate today = SystemClock{}.LocalDate();
    EXPECT_TRUE(TryEncodeDate(today.year, today.month, today.day).has_value());
}

} // namespace
} // namespace tenvik
