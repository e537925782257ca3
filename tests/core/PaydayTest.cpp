#include "core/Payday.h"

#include <gtest/gtest.h>

#include <limits>
#include <set>
#include <string>

namespace tenvik {
namespace {

constexpr double NaN = std::numeric_limits<double>::quiet_NaN();
constexpr double Inf = std::numeric_limits<double>::infinity();
constexpr int Friday = 6;
constexpr int Sunday = 1;

TEST(Payday, KnownDaysWithTheDefaultStart)
{
    struct Case {
        DayNumber day;
        bool payday;
        bool periodStart;
        std::string label;
    };
    const Case cases[] = {
        {40913, false, false, ""},     // Thursday 5 January 2012
        {40914, true, false, ""},      // Friday 6 January 2012, the first payday
        {40928, true, false, ""},      // Friday 20 January 2012
        {44185, false, true, "PP1"},   // Sunday 20 December 2020, the default start
        {44190, true, false, "PP1"},   // Friday 25 December 2020
        {44198, false, false, "PP1"},  // Saturday 2 January 2021
        {44199, false, true, "PP2"},   // Sunday 3 January 2021
        {44535, false, true, "PP26"},  // Sunday 5 December 2021
        {44548, false, false, "PP26"}, // Saturday 18 December 2021
        {44549, false, true, "PP1"},   // Sunday 19 December 2021, 364 days on
        {44184.5, false, false, ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.day);
        EXPECT_EQ(IsPayday(c.day), c.payday);
        EXPECT_EQ(IsPayPeriodStart(c.day, DefaultPayPeriodStart), c.periodStart);
        EXPECT_EQ(PayPeriodLabel(c.day, DefaultPayPeriodStart), c.label);
    }
}

TEST(Payday, EveryOtherFridayFromTheAnchor)
{
    DayNumber previous = 0;
    for (DayNumber d = MinViewDate; d <= MaxViewDate; ++d) {
        if (!IsPayday(d))
            continue;
        ASSERT_EQ(WeekdayIndex(d), Friday) << d;
        if (previous != 0)
            ASSERT_EQ(d - previous, 14) << d;
        else
            ASSERT_EQ(d, PaydayAnchor);
        previous = d;
    }
}

// With the default start, periods begin on a Sunday five days before a payday, and the
// labels run PP1 to PP26 and round again, changing only where a period starts.
TEST(PayPeriod, DefaultStartRunsSundayToSaturday)
{
    std::set<std::string> seen;
    for (DayNumber d = DefaultPayPeriodStart; d <= MaxViewDate; ++d) {
        const std::string label = PayPeriodLabel(d, DefaultPayPeriodStart);
        seen.insert(label);
        const bool start = IsPayPeriodStart(d, DefaultPayPeriodStart);
        ASSERT_EQ(start, WeekdayIndex(d) == Sunday && IsPayday(d + 5)) << d;
        if (start) {
            ASSERT_NE(label, PayPeriodLabel(d - 1, DefaultPayPeriodStart)) << d;
        } else {
            ASSERT_EQ(label, PayPeriodLabel(d - 1, DefaultPayPeriodStart)) << d;
        }
    }
    std::set<std::string> all;
    for (int k = 1; k <= PayPeriodsPerCycle; ++k)
        all.insert("PP" + std::to_string(k));
    EXPECT_EQ(seen, all);
}

TEST(PayPeriod, NothingBeforeTheStart)
{
    const DayNumber lateStart = MaxViewDate + 100;
    for (DayNumber d = MinViewDate; d <= MaxViewDate; ++d) {
        ASSERT_FALSE(IsPayPeriodStart(d, lateStart)) << d;
        ASSERT_EQ(PayPeriodLabel(d, lateStart), "") << d;
    }
}

TEST(PayPeriod, MovingTheStart)
{
    const DayNumber start = DefaultPayPeriodStart;
    const DayNumber yearLater = start + 364;
    const DayNumber fortnightLater = start + 14;
    for (DayNumber d = start; d <= start + 3 * 364; ++d) {
        const std::string label = PayPeriodLabel(d, start);
        if (d >= yearLater) {
            ASSERT_EQ(PayPeriodLabel(d, yearLater), label) << d;
        }
        if (d < fortnightLater) {
            ASSERT_EQ(PayPeriodLabel(d, fortnightLater), "") << d;
        } else {
            const int number = std::stoi(label.substr(2));
            const int lowered = number == 1 ? PayPeriodsPerCycle : number - 1;
            ASSERT_EQ(PayPeriodLabel(d, fortnightLater), "PP" + std::to_string(lowered)) << d;
        }
    }
}

TEST(Payday, NonFiniteDays)
{
    EXPECT_FALSE(IsPayday(NaN)); // day 0, long before the first payday
    EXPECT_FALSE(IsPayday(-Inf));
    EXPECT_EQ(IsPayday(Inf), IsPayday(MaxEncodableDate));
    EXPECT_EQ(PayPeriodLabel(NaN, DefaultPayPeriodStart), "");
    EXPECT_EQ(PayPeriodLabel(Inf, DefaultPayPeriodStart), PayPeriodLabel(MaxEncodableDate, DefaultPayPeriodStart));
    EXPECT_EQ(IsPayPeriodStart(Inf, DefaultPayPeriodStart), IsPayPeriodStart(MaxEncodableDate, DefaultPayPeriodStart));

    // A start that is not a number counts as day 0; an infinite one as the range's end.
    EXPECT_EQ(PayPeriodLabel(44190, NaN), PayPeriodLabel(44190, 0));
    EXPECT_TRUE(IsPayPeriodStart(0, NaN));
    EXPECT_EQ(PayPeriodLabel(44190, Inf), "");
    EXPECT_EQ(PayPeriodLabel(44190, -Inf), PayPeriodLabel(44190, MinEncodableDate));
    EXPECT_EQ(PayPeriodLabel(Inf, Inf), "PP1");
}

} // namespace
} // namespace tenvik
