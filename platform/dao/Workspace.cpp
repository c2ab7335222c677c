#include "platform/dao/Workspace.h"

#include "platform/dao/detail/Sqlite.h"

#include <charconv>
#include <cstdlib>
#include <string_view>

namespace kovelund::dao {

std::chrono::milliseconds Standardwartezeit() {
    constexpr long höchstens = 600000;
    const char* text = std::getenv("KOVELUND_DB_WAIT_MS");
    std::string_view wert = text != nullptr ? text : "";
    long ms = 0;
    auto [ende, fehler] = std::from_chars(wert.data(), wert.data() + wert.size(), ms);
    if (wert.empty() || fehler != std::errc() || ende != wert.data() + wert.size() || ms < 0 ||
        ms > höchstens)
        return std::chrono::milliseconds(5000);
    return std::chrono::milliseconds(ms);
}

std::shared_ptr<Database> Workspace::OpenDatabase(const std::string& name) const {
    return std::shared_ptr<Database>(new Database(detail::Connection::Open(name, false, lockWait_)));
}

std::shared_ptr<Database> Workspace::CreateDatabase(const std::string& name) const {
    return std::shared_ptr<Database>(new Database(detail::Connection::Open(name, true, lockWait_)));
}

} // namespace kovelund::dao
