#pragma once
// An open host database file.

#include "platform/dao/Recordset.h"

#include <memory>
#include <string>
#include <string_view>

namespace kovelund::dao {

/// A database opened by Workspace::OpenDatabase. Its recordsets share its connection: they stay
/// readable after the Database object is released, but Close ends them all.
class Database {
public:
    ~Database();
    Database(const Database&) = delete;
    Database& operator=(const Database&) = delete;

    /// The file name the database was opened with.
    const std::string& Name() const { return name_; }

    /// Opens a recordset on a table or view name ("Version") or a SELECT text, which runs as it
    /// stands, Access-style parentheses included. 3078 when a named table does not exist, 3061 when
    /// the text names a column the tables lack or holds parameters, 3420 after Close, 3000 with
    /// SQLite's message for anything else.
    std::shared_ptr<Recordset> OpenRecordset(std::string_view source,
                                             RecordsetType type = RecordsetType::Default);

    /// Runs statements that change data or schema, several separated by ";" (a schema script).
    void Execute(std::string_view sql);

    /// Closes the file; the database and its recordsets fail with 3420 afterwards.
    void Close();

private:
    friend class Workspace;
    explicit Database(std::shared_ptr<detail::Connection> connection);

    std::shared_ptr<detail::Connection> connection_;
    std::string name_;
};

} // namespace kovelund::dao
