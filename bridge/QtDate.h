#pragma once

#include "core/DayNumber.h"

#include <QDate>

namespace tenvik {

// Day 0 is 30 December 1899. The time of day is dropped (truncated towards zero); NaN
// reads as day 0 and values beyond the years 1 to 9999 saturate at that range's ends.
QDate DayNumberToQDate(DayNumber d);
// An invalid date gives day 0.
DayNumber QDateToDayNumber(QDate date);

} // namespace tenvik
