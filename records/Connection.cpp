#include "records/Connection.h"

#include "records/DatabaseError.h"
#include "records/Statement.h"

#include <sqlite3.h>

#include <string>
#include <utility>

namespace tenvik::records {

std::string Utf8Path(const std::filesystem::path& path)
{
    const std::u8string text = path.u8string();
    return {text.begin(), text.end()};
}

Connection Connection::Open(const std::filesystem::path& path, OpenMode mode)
{
    int flags = SQLITE_OPEN_NOMUTEX;
    switch (mode) {
    case OpenMode::ReadWriteCreate:
        flags |= SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE;
        break;
    case OpenMode::ReadWrite:
        flags |= SQLITE_OPEN_READWRITE;
        break;
    case OpenMode::ReadOnly:
        flags |= SQLITE_OPEN_READONLY;
        break;
    }
    sqlite3* db = nullptr;
    const int rc = sqlite3_open_v2(Utf8Path(path).c_str(), &db, flags, nullptr);
    // SQLite hands out a handle even when opening fails, to carry the message.
    Connection connection(db);
    ThrowUnlessOk(db, rc, "open");
    sqlite3_extended_result_codes(db, 1);
    return connection;
}

Connection::Connection(Connection&& other) noexcept : m_db(std::exchange(other.m_db, nullptr))
{
}

Connection& Connection::operator=(Connection&& other) noexcept
{
    if (this != &other) {
        sqlite3_close_v2(m_db);
        m_db = std::exchange(other.m_db, nullptr);
    }
    return *this;
}

Connection::~Connection()
{
    // close_v2 also copes with statements a caller still holds: the handle goes with the last.
    sqlite3_close_v2(m_db);
}

void Connection::Execute(std::string_view sql)
{
    const std::string text(sql);
    char* message = nullptr;
    const int rc = sqlite3_exec(m_db, text.c_str(), nullptr, nullptr, &message);
    sqlite3_free(message);
    ThrowUnlessOk(m_db, rc, "execute");
}

std::int64_t Connection::QueryInt(std::string_view sql)
{
    Statement statement(*this, sql);
    if (!statement.Step())
        throw DatabaseError(SQLITE_ERROR, "query returned no row: " + std::string(sql));
    return statement.Int64(0);
}

void Connection::SetBusyTimeout(std::chrono::milliseconds wait)
{
    ThrowUnlessOk(m_db, sqlite3_busy_timeout(m_db, static_cast<int>(wait.count())), "busy timeout");
}

std::int64_t Connection::LastInsertId() const
{
    return sqlite3_last_insert_rowid(m_db);
}

int Connection::ChangedRows() const
{
    return sqlite3_changes(m_db);
}

} // namespace tenvik::records
