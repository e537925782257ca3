#pragma once

#include "export/CalendarEvents.h"
#include "records/Entry.h"

#include <QString>

#include <span>
#include <vector>

// The user's entries as events of the calendar file, in the language the program speaks,
// the same from tenvik-export's --with-entries and from the window's export.
namespace tenvik {

// Each entry as an event: what it is, with whom and how many hours as the title, its note
// or remark as the description.
std::vector<EntryEventText> EntryEventTexts(std::span<const records::Entry> entries);
QString EntryEventCategory();

} // namespace tenvik
