#pragma once

#include "records/Entry.h"

// A leave kind's balance as the user keeps it for a year: what there was on 1 January,
// and what each pay period that begins in the year adds.
namespace tenvik::records {

struct LeaveAccount {
    Hours startingBalance;
    Hours accrualPerPayPeriod;
    friend bool operator==(const LeaveAccount&, const LeaveAccount&) = default;
};

// A starting balance may be owed (below zero), within a few years' worth of hours.
inline constexpr Hours MaxStartingBalance = Hours::Whole(9999);

} // namespace tenvik::records
