#include "export/DayMarks.h"

#include "core/AsciiText.h"

#include <algorithm>

namespace tenvik {

std::optional<char> ExportProfile::Platoon() const
{
    if (!HasGroup() || group.empty())
        return std::nullopt;
    return group.front();
}

ExportProfile ProfileFromSettings(const SettingsRecord& settings)
{
    ExportProfile profile;
    profile.agency = settings.agency.empty() ? std::string{DefaultAgencyName} : settings.agency;
    profile.group = std::string{AssignmentCodes[static_cast<std::size_t>(AssignmentIndexFor(settings.assignment))]};
    profile.payPeriodStart = settings.payPeriodStart;
    return profile;
}

std::optional<std::string_view> AssignmentCodeFor(std::string_view text)
{
    const auto it = std::ranges::find_if(AssignmentCodes,
                                         [&](std::string_view code) { return EqualsIgnoringAsciiCase(code, text); });
    if (it == AssignmentCodes.end())
        return std::nullopt;
    return *it;
}

std::string ProfileTitle(const ExportProfile& profile)
{
    if (!profile.HasGroup())
        return profile.agency;
    return profile.agency + " - " + profile.group;
}

DayMarks MarksFor(DayNumber day, const ExportProfile& profile)
{
    DayMarks marks;
    // No RDO table entry is "RDO", so for no group the rule answers the bare platoon.
    marks.platoon = ShiftCodeFor(day, AssignmentCodes.front());
    if (const auto platoon = profile.Platoon()) {
        const ShiftCode own = ShiftCodeFor(day, profile.group);
        marks.ownRdo = own == ShiftCode::X;
        marks.onDuty = own == static_cast<ShiftCode>(*platoon);
    }
    marks.payday = IsPayday(day);
    if (IsPayPeriodStart(day, profile.payPeriodStart))
        marks.payPeriodStart = PayPeriodLabel(day, profile.payPeriodStart);
    return marks;
}

} // namespace tenvik
