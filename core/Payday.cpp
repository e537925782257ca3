#include "core/Payday.h"

namespace tenvik {

namespace {

// Whole days from anchor to d; both are days of the encodable range and d is not
// before anchor.
std::int64_t DaysSince(DayNumber d, DayNumber anchor)
{
    return WholeDay(d - anchor);
}

} // namespace

bool IsPayday(DayNumber d)
{
    const DayNumber day = EncodableDay(d);
    if (PaydayAnchor > day)
        return false;
    return DaysSince(day, PaydayAnchor) % PayPeriodLength == 0;
}

bool IsPayPeriodStart(DayNumber d, DayNumber payPeriodStart)
{
    const DayNumber day = EncodableDay(d);
    const DayNumber start = EncodableDay(payPeriodStart);
    if (start > day)
        return false;
    return DaysSince(day, start) % PayPeriodLength == 0;
}

std::string PayPeriodLabel(DayNumber d, DayNumber payPeriodStart)
{
    const DayNumber day = EncodableDay(d);
    const DayNumber start = EncodableDay(payPeriodStart);
    if (start > day)
        return {};
    // The numbering starts again at PP1 every 26 periods (364 days), whatever the calendar year.
    const std::int64_t period = (DaysSince(day, start) / PayPeriodLength) % PayPeriodsPerCycle + 1;
    return "PP" + std::to_string(period);
}

} // namespace tenvik
