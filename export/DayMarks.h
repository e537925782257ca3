#pragma once

#include "core/DayNumber.h"
#include "core/Payday.h"
#include "core/Rotation.h"
#include "settings/Settings.h"

#include <optional>
#include <string>
#include <string_view>

// What the exports say about one day, for one user: the same rules the grid paints with,
// asked the same way, so a file or a printed year can never disagree with the window.
namespace tenvik {

// Whose calendar an export is: the saved agency, group and pay-period start.
struct ExportProfile {
    std::string agency{DefaultAgencyName};
    std::string group{"RDO"}; // one of AssignmentCodes; "RDO" is no group
    DayNumber payPeriodStart = DefaultPayPeriodStart;

    bool HasGroup() const { return group != AssignmentCodes.front(); }
    // 'A' or 'B', the first letter of the group; nothing without a group.
    std::optional<char> Platoon() const;
};

// The profile the window starts with from these saved settings: an empty agency reads as
// the default, and the stored group selects an item as the assignment box does.
ExportProfile ProfileFromSettings(const SettingsRecord& settings);

// The assignment item a text names, without regard to ASCII case ("b7" is "B7");
// nothing for a text that names none.
std::optional<std::string_view> AssignmentCodeFor(std::string_view text);

// "Velmora Fire - A2", or the agency alone without a group: the window's title.
std::string ProfileTitle(const ExportProfile& profile);

struct DayMarks {
    // The platoon working that day for everyone: A or B, Z before the RDO schedule.
    ShiftCode platoon = ShiftCode::Z;
    bool onDuty = false; // the user's platoon works and it is not the user's RDO
    bool ownRdo = false;
    bool payday = false;
    std::string payPeriodStart; // "PP1" … "PP26" on the first day of a pay period
};

DayMarks MarksFor(DayNumber day, const ExportProfile& profile);

} // namespace tenvik
