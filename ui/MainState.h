#pragma once

#include "core/Clock.h"
#include "core/DayNumber.h"
#include "core/MonthGrid.h"
#include "records/Entry.h"
#include "settings/Color.h"
#include "settings/LocaleDate.h"

#include <QString>

#include <filesystem>
#include <string>
#include <vector>

// The state of the window unit. The program has one window and one thread, and only
// window events touch these; the rules and the refresh pass read them directly.
namespace tenvik {
class TMainForm;
}

namespace tenvik::Main {

extern TMainForm* MainForm; // the one window, set before FormCreate runs

extern DayNumber CurrentDate;   // the selected day; the grid shows its month
extern DayNumber SavedDate;     // where End returns to
extern CellDateArray CellDates; // the 42 days of the grid
extern DayNumber PayPeriodStart;
extern std::string AgencyName; // the agency as last read from or written to the file
// The text edAgency was given for AgencyName. The file's bytes need not be UTF-8, so the
// field may show them otherwise; an agency whose text the user left as it was given is
// AgencyName unchanged.
extern QString AgencyShown;
extern std::filesystem::path SettingsPath;
extern FormatSettings LocaleFormats; // captured once at start-up
extern const Clock* TheClock;        // today's date; tests pin it
// The user's entries on the days the grid shows, as the last refresh read them; none
// before the window's first frame, or when there are no records to read.
extern std::vector<records::Entry> ShownEntries;

extern TAlphaColor APltColor;
extern TAlphaColor BPltColor;
extern TAlphaColor XPltColor;
extern TAlphaColor LdTrColor;
extern TAlphaColor BkGrColor;

extern float TitleFontSize;
extern float MonthFontSize;
extern float WeekdayFontSize;
extern float DayFontSize;
extern float DayCornerFontSize;
extern float StatusFontSize;
extern float LabelFontSize;
extern float LabelSmallFontSize;

// Zeroes every variable, as before the first window; each new window starts from here.
void ResetState();

// Clamps the date to the shown range, stores it as CurrentDate and rebuilds CellDates.
void SetViewDate(DayNumber date);

// The colour variable a role names.
TAlphaColor& RoleColor(ColorRole role);

} // namespace tenvik::Main
