#include "core/Profile.h"

#include "core/AsciiText.h"

#include <algorithm>

namespace tenvik {

std::optional<std::string_view> AssignmentCodeFor(std::string_view text)
{
    const auto it = std::ranges::find_if(AssignmentCodes,
                                         [&](std::string_view code) { return EqualsIgnoringAsciiCase(code, text); });
    if (it == AssignmentCodes.end())
        return std::nullopt;
    return *it;
}

int AssignmentIndexFor(std::string_view stored)
{
    const auto code = AssignmentCodeFor(stored);
    if (!code)
        return 0;
    return static_cast<int>(std::ranges::find(AssignmentCodes, *code) - AssignmentCodes.begin());
}

std::string AgencyOrDefault(std::string_view agency)
{
    return std::string{agency.empty() ? DefaultAgencyName : agency};
}

std::optional<char> UserProfile::Platoon() const
{
    if (group.empty() || group == NoGroupCode)
        return std::nullopt;
    return group.front();
}

std::string ProfileTitle(const UserProfile& profile)
{
    if (!profile.HasGroup())
        return profile.agency;
    return profile.agency + " - " + profile.group;
}

} // namespace tenvik
