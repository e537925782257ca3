#include "records/Transaction.h"

#include "records/Connection.h"

#include <sqlite3.h>

namespace tenvik::records {

Transaction::Transaction(Connection& connection) : m_connection(connection)
{
    m_connection.Execute("BEGIN IMMEDIATE");
}

Transaction::~Transaction()
{
    // A destructor cannot throw, and SQLite may already have rolled back on its own
    // (a full disk), so the answer is not looked at.
    if (m_open && sqlite3_get_autocommit(m_connection.Handle()) == 0)
        sqlite3_exec(m_connection.Handle(), "ROLLBACK", nullptr, nullptr, nullptr);
}

void Transaction::Commit()
{
    m_connection.Execute("COMMIT");
    m_open = false;
}

} // namespace tenvik::records
