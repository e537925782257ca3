#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

struct sqlite3_stmt;

// One prepared statement of a Connection, finalised when the object goes. Parameters are
// numbered from 1 as SQLite numbers them, result columns from 0.
namespace tenvik::records {

class Connection;

class Statement {
public:
    Statement(Connection& connection, std::string_view sql);
    Statement(const Statement&) = delete;
    Statement& operator=(const Statement&) = delete;
    ~Statement();

    Statement& Bind(int index, std::int64_t value);
    Statement& Bind(int index, int value) { return Bind(index, static_cast<std::int64_t>(value)); }
    // The text is copied, so the caller's string may go before the statement runs.
    Statement& Bind(int index, std::string_view text);
    Statement& BindNull(int index);
    Statement& Bind(int index, std::optional<std::int64_t> value)
    {
        return value ? Bind(index, *value) : BindNull(index);
    }

    // Runs to the next row: true when there is one, false when the statement is done.
    // Throws DatabaseError on failure.
    bool Step();
    // Runs a statement that returns no rows.
    void Run();
    // Makes the statement ready to run again, with its bindings kept.
    void Reset();

    std::int64_t Int64(int column) const;
    int Int(int column) const { return static_cast<int>(Int64(column)); }
    std::string Text(int column) const;
    bool IsNull(int column) const;

private:
    sqlite3_stmt* m_statement = nullptr;
};

} // namespace tenvik::records
