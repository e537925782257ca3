#include "core/DayNumber.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <climits>
#include <cmath>
#include <limits>

namespace tenvik {
namespace {

namespace chr = std::chrono;

constexpr double NaN = std::numeric_limits<double>::quiet_NaN();
constexpr double Inf = std::numeric_limits<double>::infinity();
constexpr std::int64_t Int64Max = std::numeric_limits<std::int64_t>::max();
constexpr std::int64_t Int64Min = std::numeric_limits<std::int64_t>::min();

// 30 December 1899 in the civil calendar of <chrono>: the independent reference.
constexpr chr::sys_days DayZero = chr::sys_days{chr::year{1899} / 12 / 30};

chr::sys_days ChronoDay(std::int64_t day)
{
    return DayZero + chr::days{day};
}

CivilDate ChronoDate(chr::year_month_day ymd)
{
    return {static_cast<int>(ymd.year()), static_cast<int>(static_cast<unsigned>(ymd.month())),
            static_cast<int>(static_cast<unsigned>(ymd.day()))};
}

TEST(DayNumber, KnownDays)
{
    struct Case {
        DayNumber day;
        CivilDate date;
        int weekday;
    };
    const Case cases[] = {
        {MinEncodableDate, {1, 1, 1}, 2},
        {MinFieldDate, {100, 1, 1}, 6},
        {0, {1899, 12, 30}, 7},
        {1, {1899, 12, 31}, 1},
        {2, {1900, 1, 1}, 2},
        {MinViewDate, {1901, 1, 1}, 3},
        {40908, {2011, 12, 31}, 7},
        {40925, {2012, 1, 17}, 3},
        {44185, {2020, 12, 20}, 1},
        {MaxViewDate, {2060, 12, 31}, 6},
        {MaxEncodableDate, {9999, 12, 31}, 6},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.day);
        EXPECT_EQ(DecodeDate(c.day), c.date);
        EXPECT_EQ(EncodeDate(c.date), c.day);
        EXPECT_EQ(WeekdayIndex(c.day), c.weekday);
    }
}

// Every day a date can be encoded for, against the civil calendar of the standard library.
TEST(DayNumber, AgreesWithChronoOverTheEncodableRange)
{
    const auto first = static_cast<std::int64_t>(MinEncodableDate);
    const auto last = static_cast<std::int64_t>(MaxEncodableDate);
    EXPECT_EQ(ChronoDay(first), chr::sys_days{chr::year{1} / 1 / 1});
    EXPECT_EQ(ChronoDay(last), chr::sys_days{chr::year{9999} / 12 / 31});

    int failures = 0;
    for (std::int64_t day = first; day <= last && failures < 10; ++day) {
        const auto d = static_cast<DayNumber>(day);
        const chr::sys_days reference = ChronoDay(day);
        const chr::year_month_day ymd{reference};
        const CivilDate expected = ChronoDate(ymd);
        const int expectedWeekday = static_cast<int>(chr::weekday{reference}.c_encoding()) + 1;
        const auto expectedFirst =
            static_cast<DayNumber>((chr::sys_days{ymd.year() / ymd.month() / 1} - DayZero).count());

        const bool ok = DecodeDate(d) == expected && EncodeDate(expected) == d && WeekdayIndex(d) == expectedWeekday
            && CalendarYear(d) == expected.year && CalendarMonth(d) == expected.month && CalendarDay(d) == expected.day
            && FirstOfMonth(d) == expectedFirst
            && DaysInMonth(expected.year, expected.month)
                == static_cast<int>(static_cast<unsigned>((ymd.year() / ymd.month() / chr::last).day()));
        if (!ok) {
            ++failures;
            ADD_FAILURE() << "day " << day << " is " << expected.year << '-' << expected.month << '-' << expected.day;
        }
    }
}

TEST(DayNumber, LeapYears)
{
    for (int year = 1; year <= 9999; ++year)
        ASSERT_EQ(IsLeapYear(year), chr::year{year}.is_leap()) << year;
    EXPECT_TRUE(IsLeapYear(2000));
    EXPECT_FALSE(IsLeapYear(1900));
    EXPECT_EQ(DaysInMonth(2024, 2), 29);
    EXPECT_EQ(DaysInMonth(2100, 2), 28);
}

TEST(DayNumber, InvalidDatesAreNotEncoded)
{
    struct Case {
        int year, month, day;
    };
    const Case cases[] = {
        {0, 12, 31},   {10000, 1, 1}, {2021, 0, 1},  {2021, 13, 1},   {2021, 1, 0},       {2021, 1, 32},
        {2021, 2, 29}, {1900, 2, 29}, {2021, 4, 31}, {INT_MIN, 1, 1}, {2021, INT_MAX, 1}, {2021, 1, INT_MIN},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.year << '-' << c.month << '-' << c.day);
        EXPECT_FALSE(TryEncodeDate(c.year, c.month, c.day).has_value());
        EXPECT_EQ(EncodeDate(c.year, c.month, c.day), 0);
    }
    EXPECT_EQ(TryEncodeDate(2024, 2, 29), 45351);
    EXPECT_EQ(DaysInMonth(2021, 0), 0);
    EXPECT_EQ(DaysInMonth(2021, 13), 0);
}

TEST(WholeDay, TruncatesTowardsZeroAndSaturates)
{
    struct Case {
        double in;
        std::int64_t out;
    };
    const Case cases[] = {
        {0, 0},
        {44190.75, 44190},
        {-1.75, -1},
        {-0.5, 0},
        {NaN, 0},
        {Inf, Int64Max},
        {-Inf, Int64Min},
        {1e19, Int64Max},
        {-1e19, Int64Min},
        {9223372036854775808.0, Int64Max},  // 2^63, one past the largest int64
        {-9223372036854775808.0, Int64Min}, // -2^63 itself fits
        {9.2e18, 9200000000000000000},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.in);
        EXPECT_EQ(WholeDay(c.in), c.out);
    }
}

TEST(MonthStep, StepsAndLowersTheDay)
{
    struct Case {
        DayNumber from;
        int months;
        DayNumber to;
    };
    const Case cases[] = {
        {44227, 1, 44255},       // 31 January 2021 -> 28 February 2021
        {45322, 1, 45351},       // 31 January 2024 -> 29 February 2024
        {44286, -1, 44255},      // 31 March 2021 -> 28 February 2021
        {44545, 1, 44576},       // 15 December 2021 -> 15 January 2022
        {44206, -1, 44175},      // 10 January 2021 -> 10 December 2020
        {44211, 12, 44576},      // 15 January 2021 -> 15 January 2022
        {44227.75, 1, 44255.75}, // the time of day carries over
        {-10.25, 1, 21.25},      // 20 December 1899 06:00 -> 20 January 1900 06:00
        {-10.25, -1, -40.25},    // 20 December 1899 06:00 -> 20 November 1899 06:00
        {58806, 1, 58837},       // 31 December 2060 -> 31 January 2061, beyond the shown range
        {MinViewDate, -1, 336},  // 1 January 1901 -> 1 December 1900
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.from << " by " << c.months);
        EXPECT_EQ(MonthStep(c.from, c.months), c.to);
    }
}

// Each day of the shown range, a year and a month either way, against <chrono>'s month
// arithmetic with the day lowered to the end of a shorter month.
TEST(MonthStep, AgreesWithChrono)
{
    const int steps[] = {-25, -13, -12, -1, 1, 12, 13, 25};
    int failures = 0;
    for (auto day = static_cast<std::int64_t>(MinViewDate);
         day <= static_cast<std::int64_t>(MaxViewDate) && failures < 10; ++day) {
        const chr::year_month_day from{ChronoDay(day)};
        for (const int k : steps) {
            const chr::year_month target = chr::year_month{from.year(), from.month()} + chr::months{k};
            const chr::day lastDay = chr::year_month_day_last{target.year(), chr::month_day_last{target.month()}}.day();
            const chr::year_month_day expected{target.year(), target.month(), std::min(from.day(), lastDay)};
            const auto expectedDay = static_cast<DayNumber>((chr::sys_days{expected} - DayZero).count());
            if (MonthStep(static_cast<DayNumber>(day), k) != expectedDay) {
                ++failures;
                ADD_FAILURE() << "day " << day << " by " << k << " months";
            }
        }
    }
}

TEST(DayNumber, SameDayAndSameMonthNumber)
{
    EXPECT_TRUE(SameDay(44190, 44190.75));
    EXPECT_FALSE(SameDay(44190, 44191));
    EXPECT_TRUE(SameDay(-0.5, 0));               // truncation towards zero
    EXPECT_TRUE(SameMonthNumber(44211, 44576));  // 15 January 2021 and 15 January 2022
    EXPECT_FALSE(SameMonthNumber(44211, 44242)); // 15 January and 15 February 2021
}

// NaN counts as day 0; whatever lies beyond the years 1 to 9999 counts as the nearest end.
TEST(DayNumber, NonFiniteAndOutOfRangeInputsSaturate)
{
    struct Case {
        double in;
        DayNumber treatedAs;
    };
    const Case cases[] = {
        {NaN, 0},
        {Inf, MaxEncodableDate},
        {-Inf, MinEncodableDate},
        {1e300, MaxEncodableDate},
        {-1e300, MinEncodableDate},
        {1e19, MaxEncodableDate},
        {-1e19, MinEncodableDate},
        {MaxEncodableDate + 1, MaxEncodableDate},
        {MinEncodableDate - 1, MinEncodableDate},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.in);
        EXPECT_EQ(EncodableDay(c.in), c.treatedAs);
        EXPECT_EQ(DecodeDate(c.in), DecodeDate(c.treatedAs));
        EXPECT_EQ(FirstOfMonth(c.in), FirstOfMonth(c.treatedAs));
        EXPECT_EQ(WeekdayIndex(c.in), WeekdayIndex(c.treatedAs));
        EXPECT_EQ(CalendarYear(c.in), CalendarYear(c.treatedAs));
        EXPECT_EQ(MonthStep(c.in, 1), MonthStep(c.treatedAs, 1));
        EXPECT_EQ(MonthStep(c.in, -1), MonthStep(c.treatedAs, -1));
    }
    EXPECT_EQ(DecodeDate(NaN), (CivilDate{1899, 12, 30}));
    EXPECT_EQ(WeekdayIndex(NaN), 7);
    EXPECT_TRUE(SameDay(NaN, 0));

    // A time of day on the last and first encodable days is still inside the range.
    EXPECT_EQ(EncodableDay(MaxEncodableDate + 0.5), MaxEncodableDate + 0.5);
    EXPECT_EQ(EncodableDay(MinEncodableDate - 0.5), MinEncodableDate - 0.5);
    EXPECT_EQ(DecodeDate(MaxEncodableDate + 0.5), (CivilDate{9999, 12, 31}));
    EXPECT_EQ(DecodeDate(MinEncodableDate - 0.5), (CivilDate{1, 1, 1}));
}

TEST(MonthStep, SaturatesAtTheEncodableRange)
{
    EXPECT_EQ(MonthStep(MaxEncodableDate, 1), MaxEncodableDate);
    EXPECT_EQ(MonthStep(MinEncodableDate, -1), MinEncodableDate);
    EXPECT_EQ(MonthStep(MaxEncodableDate - 10, 1), MaxEncodableDate);  // from 21 December 9999
    EXPECT_EQ(MonthStep(MinEncodableDate + 10, -1), MinEncodableDate); // from 11 January 0001
    EXPECT_EQ(MonthStep(44190, INT_MAX), MaxEncodableDate);
    EXPECT_EQ(MonthStep(44190, INT_MIN), MinEncodableDate);
    EXPECT_EQ(MonthStep(Inf, INT_MAX), MaxEncodableDate);
    EXPECT_EQ(MonthStep(-Inf, INT_MIN), MinEncodableDate);
    EXPECT_EQ(MonthStep(NaN, 1), 31); // 30 January 1900
    EXPECT_TRUE(std::isfinite(MonthStep(MaxEncodableDate + 0.5, 1)));
}

} // namespace
} // namespace tenvik
