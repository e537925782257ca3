#pragma once

// One transaction of a Connection: rolled back when the object goes uncommitted, so an
// exception or an early return leaves the database as it was.
namespace tenvik::records {

class Connection;

class Transaction {
public:
    // BEGIN IMMEDIATE: the write lock is taken at the start, where the busy timeout
    // waits for it, never later, when a reader's snapshot could no longer be upgraded.
    explicit Transaction(Connection& connection);
    Transaction(const Transaction&) = delete;
    Transaction& operator=(const Transaction&) = delete;
    ~Transaction();

    void Commit();

private:
    Connection& m_connection;
    bool m_open = true;
};

} // namespace tenvik::records
