#include "core/MonthGrid.h"

#include <numeric>

namespace tenvik {

DayNumber ClampViewDate(DayNumber d)
{
    // Asked as "is d at least the minimum" so that a NaN fails it and counts as too low.
    if (!(d >= MinViewDate))
        return MinViewDate;
    if (d > MaxViewDate)
        return MaxViewDate;
    return d;
}

CellDateArray MonthGridFor(DayNumber d)
{
    const DayNumber first = FirstOfMonth(d);
    const DayNumber gridStart = first - WeekdayIndex(first) + 1; // the Sunday on or before the 1st
    CellDateArray cells{};
    std::iota(cells.begin(), cells.end(), gridStart);
    return cells;
}

ViewDate ComputeViewDate(DayNumber d)
{
    // The clamped date is stored as it is, time of day included; only the grid is whole.
    const DayNumber clamped = ClampViewDate(d);
    return {clamped, MonthGridFor(clamped)};
}

} // namespace tenvik
