#pragma once

#include "core/DayMarks.h"
#include "core/DayNumber.h"
#include "core/Profile.h"
#include "core/Rotation.h"
#include "settings/Color.h"

#include <QColor>
#include <QString>

#include <optional>
#include <string>

class QLineEdit;
class QWidget;

// The routines of the window unit that compute one rule or repaint one part of the
// window. They read the unit's state and reach the widgets through Main::MainForm.
namespace tenvik::Main {

// The end of most events: clamp and store the date, rebuild the grid, repaint.
void UpdateView();

// The refresh pass: writes the state into every page, the month of CurrentDate in the
// title, and leaves the focus on the grid.
void RefreshAll();
// The part of the refresh pass that shows the user's entries, for when only they may have
// changed (the window activated again): reads them again, repaints the grid and gives the
// days their spoken texts. The focus stays where it is.
void RefreshEntries();
void PaintGrid();
TAlphaColor CellFillColor(DayNumber date);
TAlphaColor DayNumberColor(DayNumber date);
// The same for the day's shift code, when the caller has the day's marks already.
TAlphaColor DayNumberColor(DayNumber date, ShiftCode code);
void RefreshTitles();
void RefreshMonthTitle(DayNumber date);
void RefreshWeekdays();
void RefreshStatus();
// The month bar's title for month (1 … 12): its long name alone in the clock's year (no
// year given), its short name and the year in any other.
QString MonthTitle(int month, std::optional<int> year);
// The status line's second line: the pay period that begins on the day (empty on any other
// day), the day's RDO group, and the mark of the user's own RDO.
QString StatusSecondLine(const QString& payPeriod, const QString& rdoGroup, bool ownRdo);
void RefreshSettingsPage();
void RefreshHelpPage();
void RefreshAboutPage();

// The eight font sizes from the present band heights and grid item heights, each no
// larger than lets the widest text it is used for fit where that text is drawn.
void ComputeFontSizes();
// Keeps the centred texts of the labels with buttons at their ends (the month title, the
// status line, the page titles) clear of those buttons, moving a text off the centre only
// when the buttons leave it no room there.
void FitCentredLabels();
// Forgets the texts the sizing measures, picked for the window's locale and fonts.
void ForgetSizingTexts();
// The Calendar page's title ("agency - group") at the title size, made smaller as far as
// it must be to fit its bar on one line: the agency is the user's text, of any length.
// Beyond the length that fits at the smallest size, its end is cut off with "…".
struct FittedTitle {
    QString text;
    float pixels;
};
FittedTitle FitCalendarTitle(const QString& title);

// The user's profile as the widgets hold it now: the group selected in cbPlt, the text of
// edAgency as it stands (empty too), and PayPeriodStart. Built anew on every call.
UserProfile WindowProfile();
// What date means for that profile.
DayMarks MarksOf(DayNumber date);
using tenvik::ShiftCodeFor;
ShiftCode ShiftCodeFor(DayNumber date); // for the user's own group
// The title bar: the agency field, and the group unless none is chosen.
QString CalendarTitle();
// The Settings page's title while no picker covers it.
QString SettingsTitle();

inline QColor ToQColor(TAlphaColor color)
{
    return QColor::fromRgba(color); // both are ARGB with alpha in the top byte
}
inline TAlphaColor ToAlphaColor(const QColor& color)
{
    return color.rgba();
}

// The text colour of a Qt widget without a colour property of its own (date edits, the
// agency edit); leaves the palette alone when the colour is already set.
void SetFontColor(QWidget& widget, TAlphaColor color);

// The agency edit's look: opaque and bold while the user types in it, faded and regular
// while the focus is elsewhere (as at start-up).
void ShowAgencyFocus(QLineEdit& edit, bool focused);

// Hands a link to the desktop's handler for its scheme (browser, mail program). Whether
// one opens is not looked at: a link that cannot be opened leaves the program as it was.
void OpenURL(const QString& url);

} // namespace tenvik::Main
