#pragma once

#include "core/DayNumber.h"
#include "core/Payday.h"
#include "core/Profile.h"
#include "settings/Color.h"
#include "settings/IniFile.h"
#include "settings/LocaleDate.h"

#include <string>
#include <string_view>
#include <vector>

// The user's saved choices, and the read and write passes over the settings file in the
// order the file keeps them.
namespace tenvik {

// A value the file holds that could not be read, so that its key took the default.
struct UnreadableValue {
    std::string key;  // "PPStart", "ShowPaydays", "APlt" …
    std::string text; // as the file holds it
    std::string used; // the default taken instead, as the file would store it
};

// The length of one shift in hours, which the summary of the user's records counts per
// duty day and a trade starts with.
inline constexpr int DefaultShiftHours = 24;
inline constexpr int MinShiftHours = 1;
inline constexpr int MaxShiftHours = 48;

struct SettingsRecord {
    std::string agency{DefaultAgencyName};
    std::string assignment{NoGroupCode}; // as stored; AssignmentIndexFor picks the item
    bool showPaydays = false;
    bool showDebit = false; // the "Show RDOs" switch
    bool showPayPeriods = false;
    DayNumber payPeriodStart = DefaultPayPeriodStart;
    bool showEntryMarks = true; // the marks of the user's entries on the grid's days
    int shiftHours = DefaultShiftHours;
    TAlphaColor aPlt = DefaultColor(ColorRole::APlt);
    TAlphaColor bPlt = DefaultColor(ColorRole::BPlt);
    TAlphaColor xPlt = DefaultColor(ColorRole::XPlt);
    TAlphaColor ldTr = DefaultColor(ColorRole::LdTr);
    TAlphaColor bkGr = DefaultColor(ColorRole::BkGr);
    // What the read found but could not read, in the file's order; the write ignores it.
    std::vector<UnreadableValue> unreadable;

    TAlphaColor& Color(ColorRole role);
    TAlphaColor Color(ColorRole role) const;
};

// Every key in order, each missing or unreadable value taking its default. A colour text
// that cannot be read gives that role's default colour, a shift length outside
// MinShiftHours–MaxShiftHours the default. A value present but unreadable (a switch that
// is no number, a date no reader takes, a group or colour no one has, a shift length
// outside its range) is listed in `unreadable`; a missing or empty one is not. The agency
// comes back as stored (possibly empty); the window turns an empty one into the default.
// Never throws: a file that fails to read in any way, memory running out included, gives
// every default.
SettingsRecord ReadSettings(const IniFile& ini, const FormatSettings& locale);

// Sets every key in order and puts them into the file in one replacement (UpdateFile).
// "Agency" is written only when values.agency differs from agencyOnFile, which then takes
// the new text. The pay-period start is written as an ISO date, which reads the same under
// every locale. "EntryMarks" and "ShiftHours", which earlier versions did not know, are
// written once either differs from its default or the file holds it already, so that a
// file whose user never changed them stays byte for byte what those versions wrote.
// Throws EIniFileException when the file cannot be written; the file and
// agencyOnFile are then as they were.
void WriteSettings(IniFile& ini, const SettingsRecord& values, std::string& agencyOnFile);

// The profile the window starts with from these settings: an empty agency reads as the
// default, and the stored group selects an item as the assignment box does.
UserProfile ProfileFromSettings(const SettingsRecord& settings);

} // namespace tenvik
