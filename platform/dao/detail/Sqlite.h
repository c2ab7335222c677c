#pragma once
// Owned SQLite handles: the connection, a prepared statement and a transaction, each released by a
// destructor that never throws, and every sqlite3 result checked and turned into a dao::Error.

#include "platform/dao/Error.h"

#include <sqlite3.h>

#include <chrono>
#include <memory>
#include <string>
#include <string_view>

namespace kovelund::dao::detail {

/// One open database file; shared by the Database and every Recordset opened on it.
class Connection {
public:
    /// Opens an existing database file (3024 when there is none, 3343 when it is no database), or
    /// creates one when `create` is set (3204 when the file exists).
    static std::shared_ptr<Connection> Open(const std::string& name, bool create,
                                            std::chrono::milliseconds lockWait);
    ~Connection();
    Connection(const Connection&) = delete;
    Connection& operator=(const Connection&) = delete;

    const std::string& Name() const { return name_; }
    bool IsOpen() const { return db_ != nullptr; }
    /// The handle; 3420 once the connection is closed.
    sqlite3* Handle(std::string_view operation) const;
    void Close() noexcept;

    /// Throws the Error for a failed sqlite3 call `rc`, with SQLite's message after `operation`.
    [[noreturn]] void Fail(int rc, std::string_view operation) const;
    void Check(int rc, std::string_view operation) const {
        if (rc != SQLITE_OK) Fail(rc, operation);
    }

private:
    Connection(sqlite3* db, std::string name) : db_(db), name_(std::move(name)) {}

    sqlite3* db_;
    std::string name_;
};

/// A prepared statement.
class Statement {
public:
    Statement(const Connection& connection, std::string_view sql, std::string_view operation);
    ~Statement() { sqlite3_finalize(stmt_); }
    Statement(const Statement&) = delete;
    Statement& operator=(const Statement&) = delete;

    sqlite3_stmt* Handle() const { return stmt_; }
    /// One step: true while it yields a row, false when done.
    bool Step();
    void Bind(int index, std::int64_t value);
    void Bind(int index, double value);
    void Bind(int index, std::string_view value);
    void BindNull(int index);

private:
    const Connection& connection_;
    std::string operation_;
    sqlite3_stmt* stmt_ = nullptr;
};

/// A write transaction that rolls back unless committed.
class Transaction {
public:
    Transaction(const Connection& connection, std::string_view operation);
    ~Transaction();
    Transaction(const Transaction&) = delete;
    Transaction& operator=(const Transaction&) = delete;

    void Commit();

private:
    const Connection& connection_;
    std::string operation_;
    bool open_ = true;
};

/// `text` in single quotes, shortened to keep error messages readable.
std::string Quoted(std::string_view text);

} // namespace kovelund::dao::detail
