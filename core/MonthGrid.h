#pragma once

#include "core/DayNumber.h"

#include <array>

// The shown month as 7 columns (Sunday first) by 6 rows of consecutive days.
namespace tenvik {

inline constexpr int GridColumns = 7;
inline constexpr int GridRows = 6;
inline constexpr int GridCellCount = GridColumns * GridRows;

using CellDateArray = std::array<DayNumber, GridCellCount>;

// What the window stores for a date: the date clamped to the shown range (NaN counts
// as too low) and the 42 days of its month's grid, from the Sunday on or before the
// first of the month.
struct ViewDate {
    DayNumber currentDate = MinViewDate;
    CellDateArray cellDates{};
};

DayNumber ClampViewDate(DayNumber d);
CellDateArray MonthGridFor(DayNumber d);
ViewDate ComputeViewDate(DayNumber d);

} // namespace tenvik
