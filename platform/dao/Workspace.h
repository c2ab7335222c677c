#pragma once
// The session through which the host and the component open database files.

#include "platform/dao/Database.h"

#include <chrono>
#include <memory>
#include <string>

namespace kovelund::dao {

/// How long a write waits for another connection's lock unless told otherwise: $KOVELUND_DB_WAIT_MS
/// milliseconds when that is a number from 0 to 600000, else 5 s, long enough for a host's own save
/// to finish.
std::chrono::milliseconds Standardwartezeit();

/// Opens host database files (SQLite). A workspace holds no state beyond its name and how long a
/// write waits for another connection's lock.
class Workspace {
public:
    explicit Workspace(std::string name = "#Default Workspace#",
                       std::chrono::milliseconds lockWait = Standardwartezeit())
        : name_(std::move(name)), lockWait_(lockWait) {}

    const std::string& Name() const { return name_; }
    std::chrono::milliseconds LockWait() const { return lockWait_; }

    /// Opens an existing database file for reading and writing. 3024 when the file does not exist
    /// (it never creates one), 3343 when it is no database.
    std::shared_ptr<Database> OpenDatabase(const std::string& name) const;

    /// Creates an empty database file; 3204 when the file exists.
    std::shared_ptr<Database> CreateDatabase(const std::string& name) const;

private:
    std::string name_;
    std::chrono::milliseconds lockWait_;
};

} // namespace kovelund::dao
