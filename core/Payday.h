#pragma once

#include "core/DayNumber.h"

#include <string>

// Paydays every 14 days from a fixed anchor; pay periods PP1 to PP26 from the user's
// pay-period start, restarting every 364 days.
namespace tenvik {

inline constexpr DayNumber PaydayAnchor = 40914;          // Friday 6 January 2012
inline constexpr DayNumber DefaultPayPeriodStart = 44185; // Sunday 20 December 2020
inline constexpr int PayPeriodLength = 14;
inline constexpr int PayPeriodsPerCycle = 26;

bool IsPayday(DayNumber d);
bool IsPayPeriodStart(DayNumber d, DayNumber payPeriodStart);
// The number 1 … 26 of the pay period that contains d; 0 before payPeriodStart.
int PayPeriodNumber(DayNumber d, DayNumber payPeriodStart);
// "PP1" … "PP26" for any day from payPeriodStart on, empty before it.
std::string PayPeriodLabel(DayNumber d, DayNumber payPeriodStart);
// The label of a pay period's number: "PP7" for 7; empty for 0, no period.
std::string PayPeriodLabelOf(int period);

} // namespace tenvik
