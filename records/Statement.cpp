#include "records/Statement.h"

#include "records/Connection.h"
#include "records/DatabaseError.h"

#include <sqlite3.h>

#include <cstdint>

namespace tenvik::records {
namespace {

// SQLITE_TRANSIENT without the old-style cast of its macro: SQLite copies the bytes.
const sqlite3_destructor_type CopyText = reinterpret_cast<sqlite3_destructor_type>(static_cast<std::intptr_t>(-1));

} // namespace

Statement::Statement(Connection& connection, std::string_view sql)
{
    const int rc =
        sqlite3_prepare_v2(connection.Handle(), sql.data(), static_cast<int>(sql.size()), &m_statement, nullptr);
    ThrowUnlessOk(connection.Handle(), rc, "prepare");
}

Statement::~Statement()
{
    sqlite3_finalize(m_statement);
}

Statement& Statement::Bind(int index, std::int64_t value)
{
    ThrowUnlessOk(sqlite3_db_handle(m_statement), sqlite3_bind_int64(m_statement, index, value), "bind");
    return *this;
}

Statement& Statement::Bind(int index, std::string_view text)
{
    // An empty view may carry no pointer, which SQLite would bind as NULL, not as ''.
    const char* bytes = text.data() != nullptr ? text.data() : "";
    const int rc = sqlite3_bind_text64(m_statement, index, bytes, text.size(), CopyText, SQLITE_UTF8);
    ThrowUnlessOk(sqlite3_db_handle(m_statement), rc, "bind");
    return *this;
}

Statement& Statement::BindNull(int index)
{
    ThrowUnlessOk(sqlite3_db_handle(m_statement), sqlite3_bind_null(m_statement, index), "bind");
    return *this;
}

bool Statement::Step()
{
    const int rc = sqlite3_step(m_statement);
    if (rc == SQLITE_ROW)
        return true;
    if (rc == SQLITE_DONE)
        return false;
    // The failed step leaves the statement to be reset; the message is the connection's.
    sqlite3* db = sqlite3_db_handle(m_statement);
    sqlite3_reset(m_statement);
    ThrowUnlessOk(db, rc, "step");
    return false;
}

void Statement::Run()
{
    while (Step()) {}
}

void Statement::Reset()
{
    sqlite3_reset(m_statement);
}

std::int64_t Statement::Int64(int column) const
{
    return sqlite3_column_int64(m_statement, column);
}

std::string Statement::Text(int column) const
{
    const auto* text = sqlite3_column_text(m_statement, column);
    if (text == nullptr)
        return {};
    return {reinterpret_cast<const char*>(text), static_cast<std::size_t>(sqlite3_column_bytes(m_statement, column))};
}

bool Statement::IsNull(int column) const
{
    return sqlite3_column_type(m_statement, column) == SQLITE_NULL;
}

} // namespace tenvik::records
