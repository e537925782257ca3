#include "ui/MainState.h"

#include "ui/MainUnit.h"

namespace tenvik::Main {

TMainForm* MainForm = nullptr;

DayNumber CurrentDate = 0;
DayNumber SavedDate = 0;
CellDateArray CellDates{};
DayNumber PayPeriodStart = 0;
std::string AgencyName;
QString AgencyShown;
std::filesystem::path SettingsPath;
FormatSettings LocaleFormats;
const Clock* TheClock = nullptr;
std::vector<records::Entry> ShownEntries;

TAlphaColor APltColor = 0;
TAlphaColor BPltColor = 0;
TAlphaColor XPltColor = 0;
TAlphaColor LdTrColor = 0;
TAlphaColor BkGrColor = 0;

float TitleFontSize = 0;
float MonthFontSize = 0;
float WeekdayFontSize = 0;
float DayFontSize = 0;
float DayCornerFontSize = 0;
float StatusFontSize = 0;
float LabelFontSize = 0;
float LabelSmallFontSize = 0;

void ResetState()
{
    MainForm = nullptr;
    CurrentDate = 0;
    SavedDate = 0;
    CellDates = {};
    PayPeriodStart = 0;
    AgencyName.clear();
    AgencyShown.clear();
    SettingsPath.clear();
    LocaleFormats = {};
    TheClock = nullptr;
    ShownEntries.clear();
    APltColor = BPltColor = XPltColor = LdTrColor = BkGrColor = 0;
    TitleFontSize = MonthFontSize = WeekdayFontSize = DayFontSize = 0;
    DayCornerFontSize = StatusFontSize = LabelFontSize = LabelSmallFontSize = 0;
    ForgetSizingTexts();
}

void SetViewDate(DayNumber date)
{
    const ViewDate view = ComputeViewDate(date);
    CurrentDate = view.currentDate;
    CellDates = view.cellDates;
}

TAlphaColor& RoleColor(ColorRole role)
{
    switch (role) {
    case ColorRole::APlt:
        return APltColor;
    case ColorRole::BPlt:
        return BPltColor;
    case ColorRole::XPlt:
        return XPltColor;
    case ColorRole::LdTr:
        return LdTrColor;
    case ColorRole::BkGr:
        break;
    }
    return BkGrColor;
}

} // namespace tenvik::Main
