#include "core/DayMarks.h"

#include "core/Payday.h"

namespace tenvik {

DayMarks MarksFor(DayNumber day, const UserProfile& profile)
{
    DayMarks marks;
    marks.shift = ShiftCodeFor(day, profile.group);
    // No RDO table entry is "RDO", so for no group the rule answers the bare platoon.
    marks.platoon = ShiftCodeFor(day, NoGroupCode);
    marks.ownRdo = marks.shift == ShiftCode::X;
    if (const auto platoon = profile.Platoon())
        marks.onDuty = marks.shift == static_cast<ShiftCode>(*platoon);
    marks.rdoGroup = RdoLabelFor(day);
    marks.payday = IsPayday(day);
    marks.payPeriodStart = IsPayPeriodStart(day, profile.payPeriodStart);
    marks.payPeriod = PayPeriodNumber(day, profile.payPeriodStart);
    marks.payPeriodLabel = PayPeriodLabelOf(marks.payPeriod);
    return marks;
}

} // namespace tenvik
