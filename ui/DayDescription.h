#pragma once

#include "core/DayMarks.h"
#include "core/DayNumber.h"
#include "core/Rotation.h"

#include <QString>

// A day of the grid in words, for screen readers and for anyone who cannot tell the
// colours apart. The rules and the state they read are the refresh pass's.
namespace tenvik::Main {

// The date in the user's language, then only what applies, in this order: "today", the
// platoon on duty, "your RDO", the RDO group, "payday" (while paydays are shown) and
// the pay period that begins. For example "Tuesday, 17 January 2012, A platoon, your
// RDO, RDO group A1".
// marks are the day's for the user (MarksOf).
QString DayDescription(DayNumber date, const DayMarks& marks);

// A legend cell: "Legend: A platoon, Red".
QString LegendDescription(ShiftCode platoon);

} // namespace tenvik::Main
