#include "settings/Settings.h"

#include "core/AsciiText.h"
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

// A missing or empty value is the user's leaving it unset, not a value gone wrong.
std::string PresentText(const IniFile& ini, std::string_view section, std::string_view key)
{
    return std::string{TrimBlanks(ini.ReadString(section, key, ""))};
}

bool ReadSwitch(const IniFile& ini, std::string_view key, SettingsRecord& values, bool defaultOn = false)
{
    // Read with both defaults: a value that is read gives the same answer either way.
    const bool on = ini.ReadBool(ConfigSection, key, defaultOn);
    const std::string text = PresentText(ini, ConfigSection, key);
    if (!text.empty() && on != ini.ReadBool(ConfigSection, key, !defaultOn))
        values.unreadable.push_back({std::string{key}, text, defaultOn ? "1" : "0"});
    return on;
}

bool HasKey(const IniFile& ini, std::string_view key)
{
    return !PresentText(ini, ConfigSection, key).empty();
}

SettingsRecord ReadEveryKey(const IniFile& ini, const FormatSettings& locale)
{
    SettingsRecord values;
    values.agency = ini.ReadString(ConfigSection, "Agency", DefaultAgencyName);
    values.assignment = ini.ReadString(ConfigSection, "RDO", NoGroupCode);
    const std::string group = PresentText(ini, ConfigSection, "RDO");
    if (!group.empty() && !AssignmentCodeFor(group))
        values.unreadable.push_back({"RDO", group, std::string{NoGroupCode}});
    values.showPaydays = ReadSwitch(ini, "ShowPaydays", values);
    values.showDebit = ReadSwitch(ini, "ShowDebit", values);
    values.showPayPeriods = ReadSwitch(ini, "ShowPayPeriods", values);
    values.payPeriodStart = ini.ReadDate(ConfigSection, "PPStart", DefaultPayPeriodStart, locale);
    const std::string start = PresentText(ini, ConfigSection, "PPStart");
    if (!start.empty()
        && values.payPeriodStart != ini.ReadDate(ConfigSection, "PPStart", DefaultPayPeriodStart + 1, locale))
        values.unreadable.push_back({"PPStart", start, FormatStoredDate(DefaultPayPeriodStart)});
    values.showEntryMarks = ReadSwitch(ini, "EntryMarks", values, true);
    const std::string hoursText = PresentText(ini, ConfigSection, "ShiftHours");
    const auto shiftHours = ParseInt32(hoursText);
    if (shiftHours && *shiftHours >= MinShiftHours && *shiftHours <= MaxShiftHours)
        values.shiftHours = *shiftHours;
    else if (!hoursText.empty())
        values.unreadable.push_back({"ShiftHours", hoursText, std::to_string(DefaultShiftHours)});
    for (const ColorRoleInfo& info : ColorRoles) {
        // A colour the file spells wrongly keeps its role's default: the calendar still
        // starts, with the colours the user saw before choosing any.
        const std::string text = ini.ReadString(ColorsSection, info.key, info.defaultText);
        try {
            values.Color(info.role) = TextToColor(text);
        } catch (const EConvertError&) {
            values.Color(info.role) = info.defaultValue;
            if (!TrimBlanks(text).empty())
                values.unreadable.push_back({std::string{info.key}, text, std::string{info.defaultText}});
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

void WriteSettings(IniFile& ini, const SettingsRecord& values, std::string& agencyOnFile)
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
    ini.WriteDate(ConfigSection, "PPStart", values.payPeriodStart);
    if (!values.showEntryMarks || HasKey(ini, "EntryMarks"))
        ini.WriteBool(ConfigSection, "EntryMarks", values.showEntryMarks);
    if (values.shiftHours != DefaultShiftHours || HasKey(ini, "ShiftHours"))
        ini.WriteString(ConfigSection, "ShiftHours", std::to_string(values.shiftHours));
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
