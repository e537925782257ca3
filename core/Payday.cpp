#include "core/Payday.h"

#include <optional>

namespace tenvik {

namespace {

// Whole days from anchor to d, both taken as days of the encodable range; nothing when d
// lies before anchor. Every rule here counts the anchor day itself.
std::optional<std::int64_t> DaysSince(DayNumber d, DayNumber anchor)
{
    const DayNumber day = EncodableDay(d);
    const DayNumber from = EncodableDay(anchor);
    if (from > day)
        return std::nullopt;
    return WholeDay(day - from);
}

} // namespace

bool IsPayday(DayNumber d)
{
    const auto days = DaysSince(d, PaydayAnchor);
    return days && *days % PayPeriodLength == 0;
}

bool IsPayPeriodStart(DayNumber d, DayNumber payPeriodStart)
{
    const auto days = DaysSince(d, payPeriodStart);
    return days && *days % PayPeriodLength == 0;
}

int PayPeriodNumber(DayNumber d, DayNumber payPeriodStart)
{
    const auto days = DaysSince(d, payPeriodStart);
    if (!days)
        return 0;
    // The numbering starts again at PP1 every 26 periods (364 days), whatever the calendar year.
    return static_cast<int>((*days / PayPeriodLength) % PayPeriodsPerCycle + 1);
}

std::string PayPeriodLabel(DayNumber d, DayNumber payPeriodStart)
{
    return PayPeriodLabelOf(PayPeriodNumber(d, payPeriodStart));
}

std::string PayPeriodLabelOf(int period)
{
    if (period <= 0)
        return {};
    return "PP" + std::to_string(period);
}

} // namespace tenvik
