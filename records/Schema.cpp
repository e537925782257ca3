#include "records/Schema.h"

#include "records/Connection.h"
#include "records/Transaction.h"

#include <array>
#include <string>

namespace tenvik::records {
namespace {

// Version 1: one table for the four kinds of entry. A day is its whole day number;
// hours are hundredths, so sums stay exact. A payback that loses the trade it settled
// (a deletion) becomes an ordinary trade rather than blocking the deletion.
void CreateVersion1(Connection& connection)
{
    connection.Execute(R"sql(
        CREATE TABLE entries (
            id INTEGER PRIMARY KEY,
            day INTEGER NOT NULL CHECK (day BETWEEN 367 AND 58806),
            kind TEXT NOT NULL CHECK (kind IN ('trade', 'leave', 'extra', 'note')),
            detail TEXT NOT NULL DEFAULT '',
            pay TEXT NOT NULL DEFAULT '',
            colleague TEXT NOT NULL DEFAULT '',
            hundredths INTEGER NOT NULL DEFAULT 0 CHECK (hundredths BETWEEN 0 AND 4800),
            pays_back INTEGER REFERENCES entries (id) ON DELETE SET NULL,
            text TEXT NOT NULL DEFAULT ''
        );
        CREATE INDEX entries_by_day ON entries (day);
        CREATE INDEX entries_by_payback ON entries (pays_back);
    )sql");
}

// Version 2: the leave balances the user keeps, one row per kind of leave and year: the
// hours there were on 1 January and what each pay period adds. They belong with the
// entries they are balanced against, in the same file and the same backups.
void CreateVersion2(Connection& connection)
{
    connection.Execute(R"sql(
        CREATE TABLE leave_accounts (
            kind TEXT NOT NULL CHECK (kind IN ('vacation', 'sick', 'compensatory', 'holiday', 'other')),
            year INTEGER NOT NULL CHECK (year BETWEEN 1901 AND 2060),
            starting_hundredths INTEGER NOT NULL,
            accrual_hundredths INTEGER NOT NULL CHECK (accrual_hundredths BETWEEN 0 AND 4800),
            PRIMARY KEY (kind, year)
        ) WITHOUT ROWID;
    )sql");
}

using MigrationStep = void (*)(Connection&);

// Step i brings a file from version i to version i + 1. A new version adds one step
// here, and a test that opens a file of the version before it.
constexpr std::array<MigrationStep, 2> Steps = {CreateVersion1, CreateVersion2};

} // namespace

int CurrentSchemaVersion()
{
    return static_cast<int>(Steps.size());
}

SchemaState Migrate(Connection& connection)
{
    for (;;) {
        Transaction transaction(connection);
        // Read inside the write transaction: a second process that migrated meanwhile is seen.
        const auto version = connection.QueryInt("PRAGMA user_version");
        if (version < 0 || version > CurrentSchemaVersion())
            return SchemaState::TooNew;
        if (version == CurrentSchemaVersion())
            return SchemaState::Current;
        Steps[static_cast<std::size_t>(version)](connection);
        connection.Execute("PRAGMA user_version = " + std::to_string(version + 1));
        transaction.Commit();
    }
}

} // namespace tenvik::records
