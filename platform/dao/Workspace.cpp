#include "platform/dao/Workspace.h"

#include "platform/dao/detail/Sqlite.h"

namespace kovelund::dao {

std::shared_ptr<Database> Workspace::OpenDatabase(const std::string& name) const {
    return std::shared_ptr<Database>(new Database(detail::Connection::Open(name, false, lockWait_)));
}

std::shared_ptr<Database> Workspace::CreateDatabase(const std::string& name) const {
    return std::shared_ptr<Database>(new Database(detail::Connection::Open(name, true, lockWait_)));
}

} // namespace kovelund::dao
