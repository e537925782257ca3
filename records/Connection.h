#pragma once

#include <chrono>
#include <cstdint>
#include <filesystem>
#include <string_view>

struct sqlite3;

// One open SQLite database, closed when the object goes. Moves, never copies.
namespace tenvik::records {

enum class OpenMode {
    ReadWriteCreate, // the records database: made when missing
    ReadWrite,       // an existing file only
    ReadOnly,        // a backup that is only read
};

class Connection {
public:
    // Throws DatabaseError when the file cannot be opened. Opening checks nothing of the
    // contents: SQLite reads the file at the first statement.
    static Connection Open(const std::filesystem::path& path, OpenMode mode);

    Connection(Connection&& other) noexcept;
    Connection& operator=(Connection&& other) noexcept;
    Connection(const Connection&) = delete;
    Connection& operator=(const Connection&) = delete;
    ~Connection();

    // Runs statements that return no rows the caller needs (schema, pragmas, BEGIN).
    void Execute(std::string_view sql);
    // The first column of the first row of a one-value query, such as a pragma.
    std::int64_t QueryInt(std::string_view sql);
    // How long a statement waits for another process's write lock before it fails busy.
    void SetBusyTimeout(std::chrono::milliseconds wait);

    std::int64_t LastInsertId() const;
    int ChangedRows() const;
    sqlite3* Handle() const { return m_db; }

private:
    explicit Connection(sqlite3* db) : m_db(db) {}
    sqlite3* m_db = nullptr;
};

// A path as SQLite takes it on every platform: UTF-8 bytes.
std::string Utf8Path(const std::filesystem::path& path);

} // namespace tenvik::records
