#pragma once

#include <cstdint>
#include <optional>

// Dates are day numbers: a double counting days since 30 December 1899 (day 0),
// proleptic Gregorian. The program only ever holds whole days in them.
//
// Every helper here is defined for every double. NaN counts as day 0; infinities and
// values beyond the encodable years 1 to 9999 saturate at the nearest end of that range
// before any calendar arithmetic, so no input reaches undefined behaviour.
namespace tenvik {

using DayNumber = double;

inline constexpr DayNumber MinViewDate = 367;   // 1 January 1901
inline constexpr DayNumber MaxViewDate = 58806; // 31 December 2060

// The encodable range: 1 January 0001 and 31 December 9999.
inline constexpr DayNumber MinEncodableDate = -693593;
inline constexpr DayNumber MaxEncodableDate = 2958465;

// The dates a date field takes (Qt's take no year before 100), and so the dates the
// settings file may hold: 1 January 0100 and 31 December 9999.
inline constexpr DayNumber MinFieldDate = -657434;
inline constexpr DayNumber MaxFieldDate = MaxEncodableDate;

struct CivilDate {
    int year = 1;
    int month = 1; // 1 to 12
    int day = 1;   // 1 to 31
    friend bool operator==(const CivilDate&, const CivilDate&) = default;
};

// Truncation towards zero. NaN gives 0; values beyond the 64-bit range saturate.
std::int64_t WholeDay(DayNumber d);

// The day number the calendar helpers and the schedule rules work on: NaN becomes
// day 0, and a day outside the years 1 to 9999 becomes the nearest end of that range.
// A time of day within the range is kept.
DayNumber EncodableDay(DayNumber d);

bool IsLeapYear(int year);
int DaysInMonth(int year, int month);

// The day number of a valid date of the years 1 to 9999, or nothing.
std::optional<DayNumber> TryEncodeDate(int year, int month, int day);
// As TryEncodeDate, for dates the caller knows are valid; an invalid date gives day 0.
DayNumber EncodeDate(int year, int month, int day);
DayNumber EncodeDate(CivilDate date);
CivilDate DecodeDate(DayNumber d);

// The same day of the month k months later (earlier for k < 0), lowered to the last
// day of a shorter target month; a time of day in d carries over.
DayNumber MonthStep(DayNumber d, int k);
DayNumber FirstOfMonth(DayNumber d);
int WeekdayIndex(DayNumber d); // 1 = Sunday … 7 = Saturday
int CalendarYear(DayNumber d);
int CalendarMonth(DayNumber d);
int CalendarDay(DayNumber d);
bool SameDay(DayNumber a, DayNumber b);
bool SameMonthNumber(DayNumber a, DayNumber b); // the years are not compared

} // namespace tenvik
