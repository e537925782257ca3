#include "core/DayNumber.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <limits>

namespace tenvik {

namespace {

constexpr std::int64_t UnixEpochDay = 25569;                // 1 January 1970
constexpr std::int64_t FirstEncodableMonth = 1 * 12;        // January of year 1, counted from year 0
constexpr std::int64_t LastEncodableMonth = 9999 * 12 + 11; // December 9999

// Days since 1 January 1970 of a proleptic Gregorian date (Howard Hinnant's algorithm,
// which counts in 400-year eras so that it needs no table and no loop).
std::int64_t DaysFromCivil(std::int64_t year, int month, int day)
{
    year -= month <= 2 ? 1 : 0;
    const std::int64_t era = (year >= 0 ? year : year - 399) / 400;
    const std::int64_t yearOfEra = year - era * 400;
    const std::int64_t monthFromMarch = month > 2 ? month - 3 : month + 9;
    const std::int64_t dayOfYear = (153 * monthFromMarch + 2) / 5 + day - 1;
    const std::int64_t dayOfEra = yearOfEra * 365 + yearOfEra / 4 - yearOfEra / 100 + dayOfYear;
    return era * 146097 + dayOfEra - 719468;
}

CivilDate CivilFromDays(std::int64_t days)
{
    days += 719468;
    const std::int64_t era = (days >= 0 ? days : days - 146096) / 146097;
    const std::int64_t dayOfEra = days - era * 146097;
    const std::int64_t yearOfEra = (dayOfEra - dayOfEra / 1460 + dayOfEra / 36524 - dayOfEra / 146096) / 365;
    const std::int64_t dayOfYear = dayOfEra - (365 * yearOfEra + yearOfEra / 4 - yearOfEra / 100);
    const std::int64_t monthFromMarch = (5 * dayOfYear + 2) / 153;
    const auto day = static_cast<int>(dayOfYear - (153 * monthFromMarch + 2) / 5 + 1);
    const auto month = static_cast<int>(monthFromMarch < 10 ? monthFromMarch + 3 : monthFromMarch - 9);
    const std::int64_t year = yearOfEra + era * 400 + (month <= 2 ? 1 : 0);
    return {static_cast<int>(year), month, day};
}

// Only ever called with a day of the encodable range, so the year fits an int.
CivilDate CivilFromWholeDay(std::int64_t wholeDay)
{
    return CivilFromDays(wholeDay - UnixEpochDay);
}

std::int64_t EncodableWholeDay(DayNumber d)
{
    return WholeDay(EncodableDay(d));
}

} // namespace

std::int64_t WholeDay(DayNumber d)
{
    // 2^63 is exact as a double; every double below it (and not below -2^63) converts
    // without overflow.
    constexpr double TwoToThe63 = 9223372036854775808.0;
    if (std::isnan(d))
        return 0;
    if (d >= TwoToThe63)
        return std::numeric_limits<std::int64_t>::max();
    if (d < -TwoToThe63)
        return std::numeric_limits<std::int64_t>::min();
    return static_cast<std::int64_t>(d);
}

DayNumber EncodableDay(DayNumber d)
{
    // A day truncates towards zero, so the whole open interval around each end still
    // names a day of the range: 31 December 9999 at noon is MaxEncodableDate + 0.5.
    if (std::isnan(d))
        return 0;
    if (d <= MinEncodableDate - 1)
        return MinEncodableDate;
    if (d >= MaxEncodableDate + 1)
        return MaxEncodableDate;
    return d;
}

bool IsLeapYear(int year)
{
    return year % 4 == 0 && (year % 100 != 0 || year % 400 == 0);
}

int DaysInMonth(int year, int month)
{
    static constexpr std::array<int, 12> CommonYearLengths = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    if (month < 1 || month > 12)
        return 0;
    if (month == 2 && IsLeapYear(year))
        return 29;
    return CommonYearLengths[static_cast<std::size_t>(month - 1)];
}

std::optional<DayNumber> TryEncodeDate(int year, int month, int day)
{
    if (year < 1 || year > 9999 || day < 1 || day > DaysInMonth(year, month))
        return std::nullopt;
    return static_cast<DayNumber>(DaysFromCivil(year, month, day) + UnixEpochDay);
}

DayNumber EncodeDate(int year, int month, int day)
{
    return TryEncodeDate(year, month, day).value_or(0);
}

DayNumber EncodeDate(CivilDate date)
{
    return EncodeDate(date.year, date.month, date.day);
}

CivilDate DecodeDate(DayNumber d)
{
    return CivilFromWholeDay(EncodableWholeDay(d));
}

DayNumber MonthStep(DayNumber d, int k)
{
    const DayNumber day = EncodableDay(d);
    const std::int64_t wholeDay = WholeDay(day);
    // A negative day number carries its time of day as a positive fraction below it,
    // so the time is kept as a magnitude and applied away from zero.
    const double timeOfDay = std::abs(day - static_cast<double>(wholeDay));
    const CivilDate date = CivilFromWholeDay(wholeDay);

    // Counting whole months from year 0 is the same as stepping the year by k div 12
    // and the month by k rem 12 with a carry, and it cannot overflow for any int k.
    const std::int64_t targetMonth = std::int64_t{date.year} * 12 + (date.month - 1) + k;
    DayNumber result = 0;
    if (targetMonth < FirstEncodableMonth) {
        result = MinEncodableDate;
    } else if (targetMonth > LastEncodableMonth) {
        result = MaxEncodableDate;
    } else {
        const auto year = static_cast<int>(targetMonth / 12);
        const auto month = static_cast<int>(targetMonth % 12) + 1;
        result = EncodeDate(year, month, std::min(date.day, DaysInMonth(year, month)));
    }
    return result >= 0 ? result + timeOfDay : result - timeOfDay;
}

DayNumber FirstOfMonth(DayNumber d)
{
    const CivilDate date = DecodeDate(d);
    return EncodeDate(date.year, date.month, 1);
}

int WeekdayIndex(DayNumber d)
{
    // Day 0 is a Saturday; the floored remainder keeps days before it right as well.
    const std::int64_t daysSinceSunday = (EncodableWholeDay(d) + 6) % 7;
    return static_cast<int>(daysSinceSunday < 0 ? daysSinceSunday + 7 : daysSinceSunday) + 1;
}

int CalendarYear(DayNumber d)
{
    return DecodeDate(d).year;
}

int CalendarMonth(DayNumber d)
{
    return DecodeDate(d).month;
}

int CalendarDay(DayNumber d)
{
    return DecodeDate(d).day;
}

bool SameDay(DayNumber a, DayNumber b)
{
    return WholeDay(a) == WholeDay(b);
}

bool SameMonthNumber(DayNumber a, DayNumber b)
{
    return CalendarMonth(a) == CalendarMonth(b);
}

} // namespace tenvik
