#pragma once

#include "core/DayNumber.h"
#include "core/Payday.h"
#include "core/Rotation.h"

#include <optional>
#include <string>
#include <string_view>

// Whose calendar it is: the user's agency, assignment group and pay-period start. The
// window builds one from its widgets whenever a rule runs; the exports read one from the
// saved settings. Both then ask the same rules through it.
namespace tenvik {

inline constexpr std::string_view DefaultAgencyName = "Velmora Fire";
// The first item of the assignment box: the user belongs to no RDO group.
inline constexpr std::string_view NoGroupCode = AssignmentCodes.front();

// The assignment item a text names, without regard to ASCII case ("b7" is "B7");
// nothing for a text that names none, the empty text included.
std::optional<std::string_view> AssignmentCodeFor(std::string_view text);
// The index of the item a stored value selects in the assignment box: the item
// AssignmentCodeFor finds, else 0, no group.
int AssignmentIndexFor(std::string_view stored);

// An agency left empty reads as the default, on screen and in every export.
std::string AgencyOrDefault(std::string_view agency);

struct UserProfile {
    std::string agency{DefaultAgencyName};
    std::string group{NoGroupCode}; // one of AssignmentCodes, matched exactly by the rules
    DayNumber payPeriodStart = DefaultPayPeriodStart;

    // False for "RDO", no group, and for no item at all.
    bool HasGroup() const { return Platoon().has_value(); }
    // 'A' or 'B', the first letter of the group; nothing without a group.
    std::optional<char> Platoon() const;
};

// "Velmora Fire - A2", or the agency alone without a group: the window's title and the
// name of the calendar file.
std::string ProfileTitle(const UserProfile& profile);

} // namespace tenvik
