#pragma once

#include "core/DayMarks.h"
#include "core/DayNumber.h"
#include "core/Rotation.h"
#include "records/Entry.h"

#include <QString>

#include <span>

// A day of the grid in words, for screen readers and for anyone who cannot tell the
// colours apart. The rules and the state they read are the refresh pass's.
namespace tenvik::Main {

// The date in the user's language, then only what applies, in this order: "today", the
// platoon on duty, "your RDO", the RDO group, "payday" (while paydays are shown) and
// the pay period that begins, then each of the user's entries on the day as the day's
// entries list them, a long note or remark cut short. For example "Tuesday, 17 January
// 2012, A platoon, your RDO, RDO group A1, Vacation: 24 h". The entries are said whether
// or not the grid shows their marks.
// marks are the day's for the user (MarksOf); entries may hold other days' too.
QString DayDescription(DayNumber date, const DayMarks& marks, std::span<const records::Entry> entries);

// A note or remark as a description says it: whole up to about sixty characters, else
// cut at a word's end before them with "…".
QString ShortenedForSpeech(const QString& text);

// A legend cell: "Legend: A platoon, Red".
QString LegendDescription(ShiftCode platoon);

} // namespace tenvik::Main
