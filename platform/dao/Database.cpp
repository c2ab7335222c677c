#include "platform/dao/Database.h"

#include "platform/dao/detail/Sqlite.h"

namespace kovelund::dao {

Database::Database(std::shared_ptr<detail::Connection> connection)
    : connection_(std::move(connection)), name_(connection_->Name()) {}

Database::~Database() = default;

std::shared_ptr<Recordset> Database::OpenRecordset(std::string_view source, RecordsetType) {
    std::shared_ptr<Recordset> recordset(new Recordset(connection_, std::string(source)));
    recordset->Load();
    return recordset;
}

void Database::Execute(std::string_view sql) {
    std::string operation = "cannot execute " + detail::Quoted(sql) + " in " + detail::Quoted(name_);
    std::string text(sql);
    connection_->Check(sqlite3_exec(connection_->Handle(operation), text.c_str(), nullptr, nullptr, nullptr),
                       operation);
}

void Database::Close() {
    connection_->Handle("cannot close database " + detail::Quoted(name_));
    connection_->Close();
}

} // namespace kovelund::dao
