#pragma once

#include "core/Profile.h"
#include "export/Paper.h"
#include "settings/LocaleDate.h"

#include <QByteArray>
#include <QPageSize>

class QLocale;
class QPainter;
class QRectF;

// A whole year on one landscape page for the fridge: twelve months, each day marked so
// that it reads in black and white (the platoon letter, the user's RDO inverted, "$" on
// paydays, the pay-period number on its first day), a legend, and the agency and group on
// top. The marks come from the same model of a day as the window's grid.
namespace tenvik {

// The user's paper: what the environment's locale asks for (PAPERSIZE, LC_ALL, LC_PAPER,
// LANG), else Letter where the desktop's locale measures in inches or lives in a Letter
// territory, A4 everywhere else.
Paper UserPaper();
Paper PaperForLocale(const QLocale& locale);
QPageSize PageSizeOf(Paper paper);

// Draws the sheet into page, in the painter's device units.
void PaintYearSheet(QPainter& painter, const QRectF& page, int year, const UserProfile& profile,
                    const FormatSettings& locale);

// The sheet as a one-page landscape PDF document; the caller writes it where it belongs.
QByteArray YearSheetPdf(int year, const UserProfile& profile, const FormatSettings& locale, const QPageSize& pageSize);

} // namespace tenvik
