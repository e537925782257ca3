#pragma once

#include "core/DayNumber.h"
#include "core/Profile.h"
#include "core/Rotation.h"

#include <string>
#include <string_view>

// What one day means for one user: the facts the grid paints, the status line shows, a
// screen reader says and the exports write, from the same rules asked the same way, so
// that none of them can disagree with another. Facts only; each layer puts them into its
// own words.
namespace tenvik {

struct DayMarks {
    // ShiftCodeFor the user's group: A or B on duty, X the user's own RDO, Z before the
    // RDO schedule begins.
    ShiftCode shift = ShiftCode::Z;
    // The platoon on duty whoever the user is: A or B; Z before the schedule.
    ShiftCode platoon = ShiftCode::Z;
    bool onDuty = false;       // the user's platoon works and it is not the user's RDO
    bool ownRdo = false;       // shift is X
    std::string_view rdoGroup; // RdoLabelFor: "A1" … "B7", empty before the schedule
    bool payday = false;
    bool payPeriodStart = false; // a pay period begins on the day
    int payPeriod = 0;           // 1 … 26, the period that contains the day; 0 before the first
    std::string payPeriodLabel;  // "PP1" … "PP26" as payPeriod, empty with it
};

DayMarks MarksFor(DayNumber day, const UserProfile& profile);

} // namespace tenvik
