#include "records/DatabaseError.h"

#include <sqlite3.h>

namespace tenvik::records {

DatabaseError::DatabaseError(int code, const std::string& what) : std::runtime_error(what), m_code(code)
{
}

void ThrowUnlessOk(sqlite3* db, int rc, const char* doing)
{
    if (rc == SQLITE_OK || rc == SQLITE_ROW || rc == SQLITE_DONE)
        return;
    // The connection's message describes its latest failure; without one the code's own
    // text is all there is.
    const char* message = db != nullptr ? sqlite3_errmsg(db) : sqlite3_errstr(rc);
    const int code = db != nullptr ? sqlite3_extended_errcode(db) : rc;
    throw DatabaseError(code, std::string(doing) + ": " + message);
}

} // namespace tenvik::records
