#include "app/ExportRecords.h"

#include "bridge/QtText.h"
#include "records/Csv.h"

#include <QCoreApplication>

#include <algorithm>
#include <map>

namespace tenvik {
namespace {

using records::Entry;
using records::EntryKind;

QString EntryProblemText(records::EntryProblemKind kind)
{
    using records::EntryProblemKind;
    switch (kind) {
    case EntryProblemKind::HoursOutOfRange:
        return QCoreApplication::translate("tenvik-export", "the hours are outside 0 to 48");
    case EntryProblemKind::DayOutOfRange:
        return QCoreApplication::translate("tenvik-export", "the date is outside 1901-01-01 to 2060-12-31");
    case EntryProblemKind::ControlCharacter:
        return QCoreApplication::translate("tenvik-export",
                                           "the text holds a tab, a line break or another control character");
    case EntryProblemKind::InvalidText:
        return QCoreApplication::translate("tenvik-export", "the text is not UTF-8");
    case EntryProblemKind::TextTooLong:
        return QCoreApplication::translate("tenvik-export", "the text is too long");
    case EntryProblemKind::MissingColleague:
        return QCoreApplication::translate("tenvik-export", "a trade needs a colleague's name");
    case EntryProblemKind::EmptyNote:
        return QCoreApplication::translate("tenvik-export", "a note needs a text");
    case EntryProblemKind::PaysBackUnknown:
        return QCoreApplication::translate("tenvik-export", "it names no trade on a line above it");
    case EntryProblemKind::PaysBackMismatch:
    case EntryProblemKind::NoSuchEntry:
        break;
    }
    return QCoreApplication::translate("tenvik-export", "it names a trade it cannot pay back");
}

// The line of the file the index-th entry starts on: a text may span lines.
int LineOfEntry(std::string_view text, std::size_t index)
{
    records::CsvReader reader(text);
    std::optional<records::CsvRow> row = reader.Next(); // the header
    for (std::size_t i = 0; i <= index && row; ++i)
        row = reader.Next();
    return row ? row->line : 0;
}

// What makes two entries the same record of a day, whatever ids their files gave them.
Entry Comparable(const Entry& entry)
{
    Entry comparable = records::Normalised(entry);
    comparable.id = 0;
    comparable.paysBack.reset();
    return comparable;
}

} // namespace

std::vector<records::PayPeriodTotals> PayPeriodsFor(const ExportRequest& request, std::span<const Entry> entries,
                                                    const UserProfile& profile, records::Hours shiftLength)
{
    if (!request.rangeGiven)
        return records::PayPeriodsOfYear(entries, profile, shiftLength, request.year);
    std::vector<records::PayPeriodTotals> periods;
    for (int year = CalendarYear(request.from); year <= CalendarYear(request.to); ++year) {
        for (const records::PayPeriodTotals& period : records::PayPeriodsOfYear(entries, profile, shiftLength, year)) {
            // A period across a year's end is in both years' lists.
            const bool seen = !periods.empty() && periods.back().first >= period.first;
            if (!seen && period.last >= request.from && period.first <= request.to)
                periods.push_back(period);
        }
    }
    return periods;
}

QString CsvProblemText(const records::CsvProblem& problem)
{
    using Kind = records::CsvProblem::Kind;
    QString what;
    switch (problem.kind) {
    case Kind::WrongHeader:
        what = QCoreApplication::translate("tenvik-export", "the first line must be the header %1")
                   .arg(FromStd(std::string(records::EntriesCsvHeader)));
        break;
    case Kind::WrongColumnCount:
        what = QCoreApplication::translate("tenvik-export", "the line does not have the header's 9 columns");
        break;
    case Kind::BrokenQuoting:
        what = QCoreApplication::translate("tenvik-export", "the quoting is broken");
        break;
    case Kind::BadValue:
        what = problem.entry ? EntryProblemText(problem.entry->kind)
                             : QCoreApplication::translate("tenvik-export", "this is no valid value");
        return QCoreApplication::translate("tenvik-export", "line %1, column %2: %3")
            .arg(QString::number(problem.line), FromStd(std::string(problem.column)), what);
    case Kind::DuplicateId:
        what = QCoreApplication::translate("tenvik-export", "the id is on an earlier line too");
        break;
    }
    return QCoreApplication::translate("tenvik-export", "line %1: %2").arg(QString::number(problem.line), what);
}

std::variant<std::size_t, QString> ImportEntries(records::EntryStore& store, std::string_view text, bool add)
{
    auto read = records::EntriesFromCsv(text);
    if (const auto* problem = std::get_if<records::CsvProblem>(&read))
        return CsvProblemText(*problem);
    const auto& entries = std::get<std::vector<Entry>>(read);

    const std::vector<Entry> stored = store.AllEntries();
    if (!stored.empty() && !add) {
        const int n = static_cast<int>(stored.size());
        return QCoreApplication::translate("tenvik-export",
                                           "your records already hold %n entry(s); give --add to add the file's "
                                           "entries to them",
                                           nullptr, n);
    }
    std::multimap<int, Entry> storedByDay;
    for (const Entry& entry : stored)
        storedByDay.emplace(entry.day, Comparable(entry));
    for (std::size_t i = 0; i < entries.size(); ++i) {
        const Entry candidate = Comparable(entries[i]);
        const auto [begin, end] = storedByDay.equal_range(candidate.day);
        if (std::any_of(begin, end, [&](const auto& day) { return day.second == candidate; })) {
            return QCoreApplication::translate("tenvik-export", "line %1: %2")
                .arg(QString::number(LineOfEntry(text, i)),
                     QCoreApplication::translate(
                         "tenvik-export", "your records already hold this entry; was the file imported before?"));
        }
    }
    auto imported = records::ImportEntriesCsv(store, text);
    if (const auto* problem = std::get_if<records::CsvProblem>(&imported))
        return CsvProblemText(*problem);
    return std::get<std::size_t>(imported);
}

} // namespace tenvik
