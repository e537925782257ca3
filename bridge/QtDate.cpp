#include "bridge/QtDate.h"

#include <algorithm>
#include <cmath>

namespace tenvik {

namespace {
// Day 0, 30 December 1899, as a Julian day.
constexpr qint64 JulianDayOfDayZero = 2415019;
} // namespace

QDate DayNumberToQDate(DayNumber d)
{
    if (std::isnan(d))
        d = 0;
    // Saturating first keeps every input inside what both QDate and the program encode.
    d = std::clamp(d, MinEncodableDate, MaxEncodableDate);
    return QDate::fromJulianDay(static_cast<qint64>(std::trunc(d)) + JulianDayOfDayZero);
}

DayNumber QDateToDayNumber(QDate date)
{
    if (!date.isValid())
        return 0;
    return static_cast<DayNumber>(date.toJulianDay() - JulianDayOfDayZero);
}

} // namespace tenvik
