#include "records/EntriesCsv.h"

#include "records/IsoDay.h"

#include <algorithm>
#include <charconv>
#include <map>
#include <set>

namespace tenvik::records {
namespace {

constexpr std::size_t ColumnCount = 9;
enum Column : std::size_t { Id, Date, Kind, Detail, Pay, Colleague, HoursColumn, PaysBack, Text };
constexpr std::array<std::string_view, ColumnCount> ColumnNames = {"id",        "date",  "kind",      "detail", "pay",
                                                                   "colleague", "hours", "pays_back", "text"};

std::vector<std::string> HeaderFields(std::string_view header)
{
    std::vector<std::string> fields;
    std::size_t start = 0;
    for (;;) {
        const auto comma = header.find(',', start);
        fields.emplace_back(header.substr(start, comma - start));
        if (comma == std::string_view::npos)
            return fields;
        start = comma + 1;
    }
}

std::optional<std::int64_t> ParseId(std::string_view text)
{
    std::int64_t value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc{} || end != text.data() + text.size() || value <= 0)
        return std::nullopt;
    return value;
}

CsvProblem Problem(CsvProblem::Kind kind, int line, std::string_view column = {},
                   std::optional<EntryProblem> entry = std::nullopt)
{
    return {kind, line, column, entry};
}

CsvProblem BadValue(int line, Column column, EntryProblemKind kind = EntryProblemKind::InvalidText)
{
    return Problem(CsvProblem::Kind::BadValue, line, ColumnNames[column], EntryProblem{kind, ColumnNames[column]});
}

std::variant<Entry, CsvProblem> EntryFromRow(const CsvRow& row)
{
    const auto& f = row.fields;
    Entry entry;
    const auto id = ParseId(f[Id]);
    if (!id)
        return BadValue(row.line, Id);
    entry.id = *id;
    const auto day = ParseIsoDay(f[Date]);
    if (!day)
        return BadValue(row.line, Date, EntryProblemKind::DayOutOfRange);
    entry.day = *day;
    const auto kind = KindFromKeyword(f[Kind]);
    if (!kind)
        return BadValue(row.line, Kind);
    entry.kind = *kind;
    if (!SetDetailFromKeyword(entry, f[Detail]))
        return BadValue(row.line, Detail);
    if (entry.kind == EntryKind::Extra) {
        const auto pay = PayFromKeyword(f[Pay]);
        if (!pay)
            return BadValue(row.line, Pay);
        entry.pay = *pay;
    } else if (!f[Pay].empty()) {
        return BadValue(row.line, Pay);
    }
    entry.colleague = RestoreFormula(f[Colleague]);
    if (entry.kind == EntryKind::Note ? !f[HoursColumn].empty() && f[HoursColumn] != "0" : f[HoursColumn].empty())
        return BadValue(row.line, HoursColumn, EntryProblemKind::HoursOutOfRange);
    if (!f[HoursColumn].empty()) {
        const auto hours = ParseHours(f[HoursColumn]);
        if (!hours)
            return BadValue(row.line, HoursColumn, EntryProblemKind::HoursOutOfRange);
        entry.hours = *hours;
    }
    if (!f[PaysBack].empty()) {
        const auto settled = ParseId(f[PaysBack]);
        if (!settled)
            return BadValue(row.line, PaysBack, EntryProblemKind::PaysBackUnknown);
        entry.paysBack = *settled;
    }
    entry.text = RestoreFormula(f[Text]);
    if (const auto problem = CheckEntry(entry)) {
        return Problem(CsvProblem::Kind::BadValue, row.line, problem->field, problem);
    }
    return entry;
}

} // namespace

std::string EntriesToCsv(std::span<const Entry> entries)
{
    std::string csv = "\xEF\xBB\xBF" + std::string(EntriesCsvHeader) + "\r\n";
    for (const Entry& entry : entries) {
        csv += CsvRecord({
            std::to_string(entry.id),
            FormatIsoDay(entry.day),
            std::string(KindKeyword(entry.kind)),
            std::string(DetailKeyword(entry)),
            entry.kind == EntryKind::Extra ? std::string(PayKeyword(entry.pay)) : std::string(),
            NeutraliseFormula(entry.colleague),
            entry.kind == EntryKind::Note ? std::string() : FormatHours(entry.hours),
            entry.paysBack ? std::to_string(*entry.paysBack) : std::string(),
            NeutraliseFormula(entry.text),
        });
    }
    return csv;
}

std::string PayPeriodsToCsv(std::span<const PayPeriodTotals> periods)
{
    std::string csv = "\xEF\xBB\xBF" + std::string(PayPeriodsCsvHeader) + "\r\n";
    for (const PayPeriodTotals& period : periods) {
        csv += CsvRecord({
            PayPeriodLabelOf(period.number),
            FormatIsoDay(period.first),
            FormatIsoDay(period.last),
            FormatHours(period.scheduled),
            FormatHours(period.tradesIn),
            FormatHours(period.tradesOut),
            FormatHours(period.leave),
            FormatHours(period.extra),
            FormatHours(period.Total()),
        });
    }
    return csv;
}

std::variant<std::vector<Entry>, CsvProblem> EntriesFromCsv(std::string_view text)
{
    CsvReader reader(text);
    const auto syntaxProblem = [&] { return Problem(CsvProblem::Kind::BrokenQuoting, reader.Error()->line); };
    const auto header = reader.Next();
    if (!header) {
        if (reader.Error())
            return syntaxProblem();
        return Problem(CsvProblem::Kind::WrongHeader, 1);
    }
    if (header->fields != HeaderFields(EntriesCsvHeader))
        return Problem(CsvProblem::Kind::WrongHeader, header->line);

    std::vector<Entry> entries;
    std::set<std::int64_t> ids;
    while (const auto row = reader.Next()) {
        if (row->fields.size() != ColumnCount)
            return Problem(CsvProblem::Kind::WrongColumnCount, row->line);
        auto entry = EntryFromRow(*row);
        if (auto* problem = std::get_if<CsvProblem>(&entry))
            return *problem;
        Entry& read = std::get<Entry>(entry);
        if (!ids.insert(read.id).second)
            return Problem(CsvProblem::Kind::DuplicateId, row->line, "id");
        if (read.paysBack && !ids.contains(*read.paysBack))
            return BadValue(row->line, PaysBack, EntryProblemKind::PaysBackUnknown);
        entries.push_back(std::move(read));
    }
    if (reader.Error())
        return syntaxProblem();
    return entries;
}

std::variant<std::size_t, CsvProblem> ImportEntriesCsv(EntryStore& store, std::string_view text)
{
    auto read = EntriesFromCsv(text);
    if (auto* problem = std::get_if<CsvProblem>(&read))
        return *problem;
    const auto& entries = std::get<std::vector<Entry>>(read);
    if (const auto problem = store.AddAll(entries)) {
        // Find the line of the entry again: each entry is one record after the header.
        CsvReader reader(text);
        std::optional<CsvRow> row = reader.Next();
        for (std::size_t i = 0; i <= problem->index && row; ++i)
            row = reader.Next();
        return Problem(CsvProblem::Kind::BadValue, row ? row->line : 0, problem->problem.field, problem->problem);
    }
    return entries.size();
}

} // namespace tenvik::records
