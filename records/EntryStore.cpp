#include "records/EntryStore.h"

#include "core/DayNumber.h"
#include "records/Statement.h"
#include "records/Transaction.h"

#include <map>

namespace tenvik::records {
namespace {

constexpr std::string_view SelectColumns =
    "SELECT id, day, kind, detail, pay, colleague, hundredths, pays_back, text FROM entries ";

Entry ReadEntry(const Statement& row)
{
    Entry entry;
    entry.id = row.Int64(0);
    entry.day = row.Int(1);
    // The table's CHECK keeps the kind one of the four; an unknown detail or pay (a
    // file edited by hand) leaves the default.
    entry.kind = KindFromKeyword(row.Text(2)).value_or(EntryKind::Note);
    SetDetailFromKeyword(entry, row.Text(3));
    entry.pay = PayFromKeyword(row.Text(4)).value_or(ExtraPay::Paid);
    entry.colleague = row.Text(5);
    entry.hours = Hours{row.Int(6)};
    if (!row.IsNull(7))
        entry.paysBack = row.Int64(7);
    entry.text = row.Text(8);
    return entry;
}

std::vector<Entry> ReadAll(Statement& statement)
{
    std::vector<Entry> entries;
    while (statement.Step())
        entries.push_back(ReadEntry(statement));
    return entries;
}

// Binds the columns after the id, in the order of SelectColumns, from parameter 1.
void BindColumns(Statement& statement, const Entry& given)
{
    const Entry entry = Normalised(given);
    statement.Bind(1, entry.day)
        .Bind(2, KindKeyword(entry.kind))
        .Bind(3, DetailKeyword(entry))
        .Bind(4, entry.kind == EntryKind::Extra ? PayKeyword(entry.pay) : std::string_view{})
        .Bind(5, entry.colleague)
        .Bind(6, entry.hours.hundredths)
        .Bind(7, entry.paysBack)
        .Bind(8, entry.text);
}

} // namespace

std::optional<EntryProblem> EntryStore::CheckPayback(const Entry& entry)
{
    if (!entry.paysBack)
        return std::nullopt;
    const auto settled = Find(*entry.paysBack);
    if (!settled || settled->kind != EntryKind::Trade)
        return EntryProblem{EntryProblemKind::PaysBackUnknown, "pays_back"};
    if (settled->id == entry.id || settled->colleague != entry.colleague || settled->direction == entry.direction
        || settled->day > entry.day)
        return EntryProblem{EntryProblemKind::PaysBackMismatch, "pays_back"};
    return std::nullopt;
}

std::int64_t EntryStore::Insert(const Entry& entry)
{
    Statement insert(m_connection,
                     "INSERT INTO entries (day, kind, detail, pay, colleague, hundredths, pays_back, text) "
                     "VALUES (?1, ?2, ?3, ?4, ?5, ?6, ?7, ?8)");
    BindColumns(insert, entry);
    insert.Run();
    return m_connection.LastInsertId();
}

AddResult EntryStore::Add(const Entry& given)
{
    const Entry entry = Normalised(given);
    if (auto problem = CheckEntry(entry))
        return {0, problem};
    Transaction transaction(m_connection);
    // Checked inside the transaction: the settled trade cannot vanish in between.
    if (auto problem = CheckPayback(entry))
        return {0, problem};
    const auto id = Insert(entry);
    transaction.Commit();
    return {id, std::nullopt};
}

std::optional<EntryProblem> EntryStore::Update(const Entry& given)
{
    const Entry entry = Normalised(given);
    if (auto problem = CheckEntry(entry))
        return problem;
    Transaction transaction(m_connection);
    if (auto problem = CheckPayback(entry))
        return problem;
    Statement update(m_connection,
                     "UPDATE entries SET day = ?1, kind = ?2, detail = ?3, pay = ?4, colleague = ?5, "
                     "hundredths = ?6, pays_back = ?7, text = ?8 WHERE id = ?9");
    BindColumns(update, entry);
    update.Bind(9, entry.id);
    update.Run();
    if (m_connection.ChangedRows() == 0)
        return EntryProblem{EntryProblemKind::NoSuchEntry, "id"};
    // The trades that paid this one back keep the link only while it still fits: a trade
    // no longer, another colleague, the same direction or a later day settles nothing.
    Statement unlink(m_connection,
                     "UPDATE entries SET pays_back = NULL WHERE pays_back = ?1 "
                     "AND (?2 <> 'trade' OR colleague <> ?3 OR detail = ?4 OR day < ?5)");
    unlink.Bind(1, entry.id).Bind(2, KindKeyword(entry.kind)).Bind(3, entry.colleague).Bind(4, DetailKeyword(entry));
    unlink.Bind(5, entry.day).Run();
    transaction.Commit();
    return std::nullopt;
}

std::optional<EntryProblem> EntryStore::Remove(std::int64_t id)
{
    Transaction transaction(m_connection);
    Statement remove(m_connection, "DELETE FROM entries WHERE id = ?1");
    remove.Bind(1, id).Run();
    if (m_connection.ChangedRows() == 0)
        return EntryProblem{EntryProblemKind::NoSuchEntry, "id"};
    transaction.Commit();
    return std::nullopt;
}

std::optional<Entry> EntryStore::Find(std::int64_t id)
{
    Statement select(m_connection, std::string(SelectColumns) + "WHERE id = ?1");
    select.Bind(1, id);
    if (!select.Step())
        return std::nullopt;
    return ReadEntry(select);
}

std::vector<Entry> EntryStore::EntriesBetween(int first, int last)
{
    Statement select(m_connection, std::string(SelectColumns) + "WHERE day BETWEEN ?1 AND ?2 ORDER BY day, id");
    select.Bind(1, first).Bind(2, last);
    return ReadAll(select);
}

std::vector<Entry> EntryStore::AllEntries()
{
    Statement select(m_connection, std::string(SelectColumns) + "ORDER BY day, id");
    return ReadAll(select);
}

std::vector<Entry> EntryStore::AllTrades()
{
    Statement select(m_connection, std::string(SelectColumns) + "WHERE kind = 'trade' ORDER BY day, id");
    return ReadAll(select);
}

std::optional<LeaveAccount> EntryStore::LeaveAccountOf(LeaveKind kind, int year)
{
    Entry leave;
    leave.kind = EntryKind::Leave;
    leave.leave = kind;
    Statement select(m_connection,
                     "SELECT starting_hundredths, accrual_hundredths FROM leave_accounts "
                     "WHERE kind = ?1 AND year = ?2");
    select.Bind(1, DetailKeyword(leave)).Bind(2, year);
    if (!select.Step())
        return std::nullopt;
    return LeaveAccount{Hours{select.Int(0)}, Hours{select.Int(1)}};
}

std::optional<EntryProblem> EntryStore::SetLeaveAccount(LeaveKind kind, int year, const LeaveAccount& account)
{
    if (year < CalendarYear(MinViewDate) || year > CalendarYear(MaxViewDate))
        return EntryProblem{EntryProblemKind::DayOutOfRange, "year"};
    if (account.startingBalance < -MaxStartingBalance || account.startingBalance > MaxStartingBalance)
        return EntryProblem{EntryProblemKind::HoursOutOfRange, "starting_balance"};
    if (account.accrualPerPayPeriod < Hours{} || account.accrualPerPayPeriod > MaxEntryHours)
        return EntryProblem{EntryProblemKind::HoursOutOfRange, "accrual"};
    Entry leave;
    leave.kind = EntryKind::Leave;
    leave.leave = kind;
    Transaction transaction(m_connection);
    Statement upsert(m_connection,
                     "INSERT INTO leave_accounts (kind, year, starting_hundredths, accrual_hundredths) "
                     "VALUES (?1, ?2, ?3, ?4) ON CONFLICT (kind, year) DO UPDATE SET "
                     "starting_hundredths = excluded.starting_hundredths, "
                     "accrual_hundredths = excluded.accrual_hundredths");
    upsert.Bind(1, DetailKeyword(leave))
        .Bind(2, year)
        .Bind(3, account.startingBalance.hundredths)
        .Bind(4, account.accrualPerPayPeriod.hundredths)
        .Run();
    transaction.Commit();
    return std::nullopt;
}

std::vector<std::string> EntryStore::ColleagueNames()
{
    Statement select(m_connection,
                     "SELECT DISTINCT colleague FROM entries WHERE colleague <> '' "
                     "ORDER BY colleague COLLATE NOCASE, colleague");
    std::vector<std::string> names;
    while (select.Step())
        names.push_back(select.Text(0));
    return names;
}

std::optional<EntryStore::ImportProblem> EntryStore::AddAll(const std::vector<Entry>& entries)
{
    Transaction transaction(m_connection);
    // The ids of the list, as the file gave them, to the ids the entries get here.
    std::map<std::int64_t, std::int64_t> stored;
    for (std::size_t i = 0; i < entries.size(); ++i) {
        Entry entry = Normalised(entries[i]);
        const std::int64_t listId = entry.id;
        entry.id = 0;
        if (entry.paysBack) {
            const auto found = stored.find(*entry.paysBack);
            if (found == stored.end())
                return ImportProblem{i, {EntryProblemKind::PaysBackUnknown, "pays_back"}};
            entry.paysBack = found->second;
        }
        if (auto problem = CheckEntry(entry))
            return ImportProblem{i, *problem};
        if (auto problem = CheckPayback(entry))
            return ImportProblem{i, *problem};
        const auto id = Insert(entry);
        if (listId != 0)
            stored[listId] = id;
    }
    transaction.Commit();
    return std::nullopt;
}

} // namespace tenvik::records
