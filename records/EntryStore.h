#pragma once

#include "records/Connection.h"
#include "records/Entry.h"
#include "records/EntryCheck.h"
#include "records/LeaveAccount.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

// The entries of the records database: add, edit, remove and read, every change one
// transaction. Nothing is written for an entry that fails its checks. Failures of the
// database itself throw DatabaseError.
namespace tenvik::records {

struct AddResult {
    std::int64_t id = 0; // the new entry's id when it was added
    std::optional<EntryProblem> problem;
    explicit operator bool() const { return !problem; }
};

class EntryStore {
public:
    // The connection is set up and migrated already (RecordsFile does both).
    explicit EntryStore(Connection connection) : m_connection(std::move(connection)) {}

    AddResult Add(const Entry& entry);
    // Replaces the stored entry of the same id. Trades that paid it back and no longer
    // fit it (it is no trade now, or with another colleague, the same direction as they,
    // or on a later day) become plain trades.
    std::optional<EntryProblem> Update(const Entry& entry);
    // A trade that other trades pay back loses nothing; they become plain trades.
    std::optional<EntryProblem> Remove(std::int64_t id);

    std::optional<Entry> Find(std::int64_t id);
    // The entries of the days first to last, both included, by day and then in the order
    // they were added.
    std::vector<Entry> EntriesBetween(int first, int last);
    std::vector<Entry> AllEntries();
    // Every trade, by day: all the trade balances need, a quarter of a busy file.
    std::vector<Entry> AllTrades();
    // Every colleague a trade names, once, in alphabetical order without regard to case,
    // for the completion of the name field.
    std::vector<std::string> ColleagueNames();

    // Adds the entries in one transaction: all of them, or on the first problem none;
    // the problem's index is the entry's place in the list. A paysBack of an entry here
    // names the id another entry of the list carries (the ids of the file it came from),
    // and must come earlier in the list.
    struct ImportProblem {
        std::size_t index = 0;
        EntryProblem problem;
    };
    std::optional<ImportProblem> AddAll(const std::vector<Entry>& entries);

    // The leave balance the user keeps for a kind and a year; nothing when none was given.
    std::optional<LeaveAccount> LeaveAccountOf(LeaveKind kind, int year);
    // Sets it, or refuses hours out of range (the accrual 0 to 48 a pay period, the
    // starting balance within MaxStartingBalance either way) or a year outside 1901–2060.
    std::optional<EntryProblem> SetLeaveAccount(LeaveKind kind, int year, const LeaveAccount& account);

    Connection& connection() { return m_connection; }

private:
    std::optional<EntryProblem> CheckPayback(const Entry& entry);
    std::int64_t Insert(const Entry& entry);

    Connection m_connection;
};

} // namespace tenvik::records
