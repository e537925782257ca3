#pragma once

#include "core/Profile.h"
#include "export/CalendarEvents.h"
#include "export/CommandLine.h"
#include "records/EntriesCsv.h"
#include "records/EntryStore.h"
#include "translations/EntryEventWords.h"

#include <QString>

#include <span>
#include <string_view>
#include <variant>
#include <vector>

// What tenvik-export makes of the user's records (the entries as calendar events are in
// translations/EntryEventWords.h, shared with the window): the pay periods a CSV covers, and an import that never
// doubles entries.
namespace tenvik {

// The pay periods of the year asked for, or, when --from or --to chose days, every pay
// period that has a day among them, each once and whole.
std::vector<records::PayPeriodTotals> PayPeriodsFor(const ExportRequest& request,
                                                    std::span<const records::Entry> entries, const UserProfile& profile,
                                                    records::Hours shiftLength);

// "line 4, column hours: the hours are outside 0 to 48".
QString CsvProblemText(const records::CsvProblem& problem);

// Reads an entries CSV into the records, all of it or nothing. Without add, only records
// that hold no entry yet take it (a restore, or a move to a new computer); with add, a
// file holding an entry the records already have is refused, which stops a file from
// being imported twice. Gives the number of entries added or why nothing was.
std::variant<std::size_t, QString> ImportEntries(records::EntryStore& store, std::string_view text, bool add);

} // namespace tenvik
