#include "settings/Settings.h"

#include "core/Rotation.h"
#include "settings/IntegerText.h"

namespace tenvik {
namespace {

constexpr std::string_view ConfigSection = "Config";
constexpr std::string_view ColorsSection = "Colors";

// One switch for the const and the mutable record.
template<typename Record>
auto& ColorOf(Record& record, ColorRole role)
{
    switch (role) {
    case ColorRole::APlt:
        return record.aPlt;
    case ColorRole::BPlt:
        return record.bPlt;
    case ColorRole::XPlt:
        return record.xPlt;
    case ColorRole::LdTr:
        return record.ldTr;
    case ColorRole::BkGr:
        break;
    }
    return record.bkGr;
}

SettingsRecord ReadEveryKey(const IniFile& ini, const FormatSettings& locale)
{
    SettingsRecord values;
    values.agency = ini.ReadString(ConfigSection, "Agency", DefaultAgencyName);
    values.assignment = ini.ReadString(ConfigSection, "RDO", NoGroupCode);
    values.showPaydays = ini.ReadBool(ConfigSection, "ShowPaydays", false);
    values.showDebit = ini.ReadBool(ConfigSection, "ShowDebit", false);
    values.showPayPeriods = ini.ReadBool(ConfigSection, "ShowPayPeriods", false);
    values.payPeriodStart = ini.ReadDate(ConfigSection, "PPStart", DefaultPayPeriodStart, locale);
    const auto shiftHours = ParseInt32(ini.ReadString(ConfigSection, "ShiftHours", ""));
    if (shiftHours && *shiftHours >= MinShiftHours && *shiftHours <= MaxShiftHours)
        values.shiftHours = *shiftHours;
    for (const ColorRoleInfo& info : ColorRoles) {
        // A colour the file spells wrongly keeps its role's default: the calendar still
        // starts, with the colours the user saw before choosing any.
        try {
            values.Color(info.role) = TextToColor(ini.ReadString(ColorsSection, info.key, info.defaultText));
        } catch (const EConvertError&) {
            values.Color(info.role) = info.defaultValue;
        }
    }
    return values;
}

} // namespace

TAlphaColor& SettingsRecord::Color(ColorRole role)
{
    return ColorOf(*this, role);
}

TAlphaColor SettingsRecord::Color(ColorRole role) const
{
    return ColorOf(*this, role);
}

SettingsRecord ReadSettings(const IniFile& ini, const FormatSettings& locale)
{
    try {
        return ReadEveryKey(ini, locale);
    } catch (const std::exception&) {
        return {};
    }
}

void WriteSettings(IniFile& ini, const SettingsRecord& values, std::string& agencyOnFile, const FormatSettings& locale)
{
    // Compared with what the file holds now, not with what it held at start-up: typing the
    // old agency back after saving another one must write it again.
    const bool agencyChanged = values.agency != agencyOnFile;
    if (agencyChanged)
        ini.WriteString(ConfigSection, "Agency", values.agency);
    ini.WriteString(ConfigSection, "RDO",
                    AssignmentCodes[static_cast<std::size_t>(AssignmentIndexFor(values.assignment))]);
    ini.WriteBool(ConfigSection, "ShowPaydays", values.showPaydays);
    ini.WriteBool(ConfigSection, "ShowDebit", values.showDebit);
    ini.WriteBool(ConfigSection, "ShowPayPeriods", values.showPayPeriods);
    ini.WriteDate(ConfigSection, "PPStart", values.payPeriodStart, locale);
    for (const ColorRoleInfo& info : ColorRoles)
        ini.WriteString(ColorsSection, info.key, ColorToText(values.Color(info.role)));
    ini.UpdateFile();
    if (agencyChanged)
        agencyOnFile = values.agency;
}

UserProfile ProfileFromSettings(const SettingsRecord& settings)
{
    UserProfile profile;
    profile.agency = AgencyOrDefault(settings.agency);
    profile.group = std::string{AssignmentCodes[static_cast<std::size_t>(AssignmentIndexFor(settings.assignment))]};
    profile.payPeriodStart = settings.payPeriodStart;
    return profile;
}

} // namespace tenvik
