#include "platform/dao/detail/Sqlite.h"

#include <filesystem>

namespace kovelund::dao::detail {

namespace {

bool Contains(std::string_view text, std::string_view part) {
    return text.find(part) != std::string_view::npos;
}

int NumberFor(int rc, std::string_view message) {
    switch (rc & 0xff) {
    case SQLITE_BUSY:
    case SQLITE_LOCKED:
        return errors::Locked;
    case SQLITE_NOTADB:
        return errors::UnrecognizedFormat;
    case SQLITE_READONLY:
        return errors::ReadOnly;
    case SQLITE_CONSTRAINT:
        return rc == SQLITE_CONSTRAINT_NOTNULL ? errors::NullNotAllowed : errors::General;
    case SQLITE_ERROR:
        if (Contains(message, "no such table")) return errors::TableNotFound;
        if (Contains(message, "no such column")) return errors::TooFewParameters;
        return errors::General;
    default:
        return errors::General;
    }
}

} // namespace

std::string Quoted(std::string_view text) {
    constexpr std::size_t longest = 120;
    if (text.size() <= longest) return std::string(1, '\'').append(text).append(1, '\'');
    return "'" + std::string(text.substr(0, longest)) + "...'";
}

std::shared_ptr<Connection> Connection::Open(const std::string& name, bool create,
                                             std::chrono::milliseconds lockWait) {
    std::error_code ignored;
    bool exists = !name.empty() && std::filesystem::exists(name, ignored);
    if (create && exists)
        throw Error(errors::DatabaseExists, "cannot create database " + Quoted(name) + ": the file exists");
    if (!create && !exists)
        throw Error(errors::FileNotFound, "cannot open database " + Quoted(name) + ": no such file");
    sqlite3* db = nullptr;
    int flags = SQLITE_OPEN_READWRITE | (create ? SQLITE_OPEN_CREATE : 0);
    int rc = sqlite3_open_v2(name.c_str(), &db, flags, nullptr);
    std::shared_ptr<Connection> connection(new Connection(db, name));
    std::string operation = (create ? "cannot create database " : "cannot open database ") + Quoted(name);
    if (db == nullptr) throw Error(errors::General, operation + ": out of memory");
    connection->Check(rc, operation);
    connection->Check(sqlite3_extended_result_codes(db, 1), operation);
    connection->Check(sqlite3_busy_timeout(db, static_cast<int>(lockWait.count())), operation);
    // SQLite reads the file lazily; reading its schema now turns a file that is no database into
    // an error of OpenDatabase rather than of the first query.
    Statement probe(*connection, "SELECT count(*) FROM sqlite_master", operation);
    probe.Step();
    return connection;
}

Connection::~Connection() {
    Close();
}

void Connection::Close() noexcept {
    if (db_ != nullptr) sqlite3_close_v2(db_);
    db_ = nullptr;
}

sqlite3* Connection::Handle(std::string_view operation) const {
    if (db_ == nullptr)
        throw Error(errors::ObjectClosed,
                    std::string(operation) + ": the database " + Quoted(name_) + " is closed");
    return db_;
}

void Connection::Fail(int rc, std::string_view operation) const {
    std::string message =
        db_ != nullptr && sqlite3_errcode(db_) == rc ? sqlite3_errmsg(db_) : sqlite3_errstr(rc);
    throw Error(NumberFor(rc, message), std::string(operation) + ": " + message);
}

Statement::Statement(const Connection& connection, std::string_view sql, std::string_view operation)
    : connection_(connection), operation_(operation) {
    sqlite3* db = connection.Handle(operation);
    int rc = sqlite3_prepare_v2(db, sql.data(), static_cast<int>(sql.size()), &stmt_, nullptr);
    connection.Check(rc, operation);
    if (stmt_ == nullptr)
        throw Error(errors::General, std::string(operation) + ": the text holds no statement");
}

bool Statement::Step() {
    int rc = sqlite3_step(stmt_);
    if (rc == SQLITE_ROW) return true;
    if (rc == SQLITE_DONE) return false;
    connection_.Fail(rc, operation_);
}

void Statement::Bind(int index, std::int64_t value) {
    connection_.Check(sqlite3_bind_int64(stmt_, index, value), operation_);
}

void Statement::Bind(int index, double value) {
    connection_.Check(sqlite3_bind_double(stmt_, index, value), operation_);
}

void Statement::Bind(int index, std::string_view value) {
    connection_.Check(
        sqlite3_bind_text(stmt_, index, value.data(), static_cast<int>(value.size()), SQLITE_TRANSIENT),
        operation_);
}

void Statement::BindNull(int index) {
    connection_.Check(sqlite3_bind_null(stmt_, index), operation_);
}

Transaction::Transaction(const Connection& connection, std::string_view operation)
    : connection_(connection), operation_(operation) {
    connection.Check(sqlite3_exec(connection.Handle(operation), "BEGIN IMMEDIATE", nullptr, nullptr, nullptr),
                     operation);
}

Transaction::~Transaction() {
    if (open_ && connection_.IsOpen())
        sqlite3_exec(connection_.Handle(operation_), "ROLLBACK", nullptr, nullptr, nullptr);
}

void Transaction::Commit() {
    connection_.Check(sqlite3_exec(connection_.Handle(operation_), "COMMIT", nullptr, nullptr, nullptr),
                      operation_);
    open_ = false;
}

} // namespace kovelund::dao::detail
