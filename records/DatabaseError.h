#pragma once

#include <stdexcept>
#include <string>

struct sqlite3;

// A failure of the database itself (a full disk, a locked or unreadable file, a broken
// statement), carrying SQLite's own words. What the user typed wrong is no exception:
// the records layer answers that with an EntryProblem or a CsvProblem.
namespace tenvik::records {

class DatabaseError : public std::runtime_error {
public:
    DatabaseError(int code, const std::string& what);
    // SQLite's extended result code: SQLITE_BUSY, SQLITE_CORRUPT, SQLITE_NOTADB …
    int Code() const { return m_code; }
    // The primary code alone, the low byte of the extended one.
    int PrimaryCode() const { return m_code & 0xff; }

private:
    int m_code;
};

// Throws a DatabaseError with the connection's message unless rc is one of the success
// codes SQLITE_OK, SQLITE_ROW and SQLITE_DONE. `doing` says what was attempted.
void ThrowUnlessOk(sqlite3* db, int rc, const char* doing);

} // namespace tenvik::records
