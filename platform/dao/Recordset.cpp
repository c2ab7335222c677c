#include "platform/dao/Recordset.h"

#include "platform/dao/detail/Sqlite.h"
#include "platform/dao/detail/Values.h"

#include <cctype>
#include <optional>
#include <type_traits>

namespace kovelund::dao {

using detail::ColumnKind;
using detail::StoredValue;

namespace {

struct Row {
    std::int64_t rowid = 0;
    std::vector<Variant> values;
};

bool SameName(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (std::toupper(static_cast<unsigned char>(a[i])) != std::toupper(static_cast<unsigned char>(b[i])))
            return false;
    return true;
}

std::string QuotedName(std::string_view name) {
    std::string quoted = "\"";
    for (char c : name)
        quoted += c == '"' ? std::string("\"\"") : std::string(1, c);
    return quoted + "\"";
}

// The words of a query outside its string literals and quoted names, upper-cased.
std::vector<std::string> Words(std::string_view sql) {
    std::vector<std::string> words;
    std::string word;
    for (std::size_t i = 0; i < sql.size(); ++i) {
        char c = sql[i];
        if (c == '\'' || c == '"' || c == '[' || c == '`') {
            char end = c == '[' ? ']' : c;
            i = sql.find(end, i + 1);
            if (i == std::string_view::npos) break;
        } else if (std::isalnum(static_cast<unsigned char>(c)) || c == '_') {
            word += static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
            continue;
        }
        if (!word.empty()) words.push_back(std::move(word));
        word.clear();
    }
    if (!word.empty()) words.push_back(std::move(word));
    return words;
}

bool IsSelect(std::string_view source) {
    auto words = Words(source);
    return !words.empty() && words.front() == "SELECT";
}

bool GroupsOrMerges(std::string_view sql) {
    for (const auto& word : Words(sql))
        if (word == "DISTINCT" || word == "GROUP" || word == "UNION" || word == "INTERSECT" ||
            word == "EXCEPT")
            return true;
    return false;
}

// The query with the row id as its first column: "SELECT rowid, " + the rest of the query.
std::string WithRowid(std::string_view sql) {
    std::size_t select = 0;
    while (select < sql.size() && std::isspace(static_cast<unsigned char>(sql[select])))
        ++select;
    return std::string(sql.substr(0, select + 6)) + " rowid," + std::string(sql.substr(select + 6));
}

// The one table all result columns of `stmt` come from, or nothing.
std::optional<std::string> SourceTable(sqlite3_stmt* stmt) {
    std::optional<std::string> table;
    for (int i = 0; i < sqlite3_column_count(stmt); ++i) {
        const char* name = sqlite3_column_table_name(stmt, i);
        const char* database = sqlite3_column_database_name(stmt, i);
        if (name == nullptr || database == nullptr || std::string_view(database) != "main")
            return std::nullopt;
        if (table && !SameName(*table, name)) return std::nullopt;
        table = name;
    }
    return table;
}

void Bind(detail::Statement& statement, int index, const StoredValue& value) {
    std::visit(
        [&](const auto& v) {
            if constexpr (std::is_same_v<std::decay_t<decltype(v)>, std::monostate>)
                statement.BindNull(index);
            else if constexpr (std::is_same_v<std::decay_t<decltype(v)>, std::string>)
                statement.Bind(index, std::string_view(v));
            else
                statement.Bind(index, v);
        },
        value);
}

} // namespace

struct Recordset::State {
    std::shared_ptr<detail::Connection> connection;
    std::string table;
    std::string readOnlyReason;
    std::vector<std::string> columns;
    std::vector<std::string> origins;
    std::vector<ColumnKind> kinds;
    std::vector<Row> rows;
    std::ptrdiff_t position = 0;
    bool editing = false;
    std::vector<Variant> buffer;
    std::vector<std::optional<StoredValue>> pending;
    bool closed = false;

    bool HasCurrent() const { return position >= 0 && position < static_cast<std::ptrdiff_t>(rows.size()); }
};

Recordset::Recordset(std::shared_ptr<detail::Connection> connection, std::string source)
    : source_(std::move(source)), state_(std::make_unique<State>()) {
    state_->connection = std::move(connection);
}

Recordset::~Recordset() = default;

std::string Recordset::Operation(std::string_view what) const {
    return std::string(what) + " " + detail::Quoted(source_) + " in " +
           detail::Quoted(state_->connection->Name());
}

void Recordset::Load() {
    const auto& connection = *state_->connection;
    std::string operation = Operation("cannot open recordset");
    std::string sql = IsSelect(source_) ? source_ : "SELECT * FROM " + QuotedName(source_);
    if (!IsSelect(source_)) {
        detail::Statement exists(connection,
                                 "SELECT 1 FROM sqlite_master WHERE type IN ('table', 'view') AND name = ?1 "
                                 "COLLATE NOCASE",
                                 operation);
        exists.Bind(1, std::string_view(source_));
        if (!exists.Step())
            throw Error(errors::TableNotFound, operation + ": no table or query of that name");
    }
    detail::Statement query(connection, sql, operation);
    if (int parameters = sqlite3_bind_parameter_count(query.Handle()); parameters > 0)
        throw Error(errors::TooFewParameters,
                    operation + ": too few parameters, expected " + std::to_string(parameters));
    int columns = sqlite3_column_count(query.Handle());
    for (int i = 0; i < columns; ++i) {
        state_->columns.emplace_back(sqlite3_column_name(query.Handle(), i));
        const char* origin = sqlite3_column_origin_name(query.Handle(), i);
        state_->origins.emplace_back(origin != nullptr ? origin : "");
        state_->kinds.push_back(detail::KindOf(sqlite3_column_decltype(query.Handle(), i)));
        fields_.push_back(std::unique_ptr<Field>(new Field(*this, fields_.size(), state_->columns.back())));
    }
    std::optional<std::string> table = SourceTable(query.Handle());
    std::optional<detail::Statement> withRowid;
    if (!table) {
        state_->readOnlyReason = "its columns do not all come from one table";
    } else if (GroupsOrMerges(sql)) {
        state_->readOnlyReason = "it groups or merges records";
    } else {
        try {
            withRowid.emplace(connection, WithRowid(sql), operation);
            state_->table = *table;
        } catch (const Error&) {
            state_->readOnlyReason = "it reads more than one table";
        }
    }
    detail::Statement& reader = withRowid ? *withRowid : query;
    int first = withRowid ? 1 : 0;
    while (reader.Step()) {
        Row row;
        if (withRowid) row.rowid = sqlite3_column_int64(reader.Handle(), 0);
        for (int i = 0; i < columns; ++i)
            row.values.push_back(detail::ToVariant(detail::ReadColumn(reader.Handle(), i + first),
                                                   state_->kinds[static_cast<std::size_t>(i)]));
        state_->rows.push_back(std::move(row));
    }
}

void Recordset::CheckOpen(std::string_view operation) const {
    if (state_->closed) throw Error(errors::ObjectClosed, Operation(operation) + ": the recordset is closed");
    state_->connection->Handle(Operation(operation));
}

Field& Recordset::Fields(std::string_view name) {
    CheckOpen("cannot read field");
    for (auto& field : fields_)
        if (SameName(field->Name(), name)) return *field;
    throw Error(errors::ItemNotFound, Operation("cannot find field " + detail::Quoted(name) + " of") +
                                          ": item not found in this collection");
}

Field& Recordset::Fields(std::size_t index) {
    CheckOpen("cannot read field");
    if (index >= fields_.size())
        throw Error(errors::ItemNotFound, Operation("cannot find field " + std::to_string(index) + " of") +
                                              ": item not found in this collection");
    return *fields_[index];
}

bool Recordset::Bof() const {
    CheckOpen("cannot read BOF of");
    return state_->position < 0 || state_->rows.empty();
}

bool Recordset::Eof() const {
    CheckOpen("cannot read EOF of");
    return state_->position >= static_cast<std::ptrdiff_t>(state_->rows.size());
}

void Recordset::MoveFirst() {
    CheckOpen("cannot move in");
    if (state_->rows.empty())
        throw Error(errors::NoCurrentRecord, Operation("cannot move in") + ": no current record");
    CancelUpdate();
    state_->position = 0;
}

void Recordset::MoveNext() {
    CheckOpen("cannot move in");
    if (Eof()) throw Error(errors::NoCurrentRecord, Operation("cannot move in") + ": no current record");
    CancelUpdate();
    ++state_->position;
}

std::int32_t Recordset::RecordCount() const {
    CheckOpen("cannot count records of");
    return static_cast<std::int32_t>(state_->rows.size());
}

bool Recordset::Updatable() const {
    CheckOpen("cannot edit");
    return !state_->table.empty();
}

void Recordset::Edit() {
    std::string operation = Operation("cannot edit");
    CheckOpen("cannot edit");
    if (!state_->HasCurrent()) throw Error(errors::NoCurrentRecord, operation + ": no current record");
    if (state_->table.empty())
        throw Error(errors::ReadOnly, operation + ": the recordset is read-only, " + state_->readOnlyReason);
    state_->editing = true;
    state_->buffer = state_->rows[static_cast<std::size_t>(state_->position)].values;
    state_->pending.assign(state_->columns.size(), std::nullopt);
}

void Recordset::Update() {
    std::string operation = Operation("cannot update");
    CheckOpen("cannot update");
    if (!state_->editing) throw Error(errors::UpdateWithoutEdit, operation + ": Update without Edit");
    std::vector<std::size_t> changed;
    for (std::size_t i = 0; i < state_->pending.size(); ++i)
        if (state_->pending[i]) changed.push_back(i);
    if (!changed.empty()) WriteBack(changed, operation);
    state_->rows[static_cast<std::size_t>(state_->position)].values = std::move(state_->buffer);
    CancelUpdate();
}

void Recordset::WriteBack(const std::vector<std::size_t>& changed, const std::string& operation) {
    const auto& connection = *state_->connection;
    std::string sql = "UPDATE " + QuotedName(state_->table) + " SET ";
    for (std::size_t n = 0; n < changed.size(); ++n)
        sql += (n > 0 ? ", " : "") + QuotedName(state_->origins[changed[n]]) + " = ?" + std::to_string(n + 1);
    sql += " WHERE rowid = ?" + std::to_string(changed.size() + 1);
    detail::Transaction transaction(connection, operation);
    {
        detail::Statement statement(connection, sql, operation);
        int index = 1;
        for (std::size_t column : changed)
            Bind(statement, index++, *state_->pending[column]);
        statement.Bind(index, state_->rows[static_cast<std::size_t>(state_->position)].rowid);
        statement.Step();
        if (sqlite3_changes(connection.Handle(operation)) != 1)
            throw Error(errors::RecordDeleted, operation + ": the record was deleted");
    }
    transaction.Commit();
}

void Recordset::CancelUpdate() {
    state_->editing = false;
    state_->buffer.clear();
    state_->pending.clear();
}

void Recordset::Close() {
    CancelUpdate();
    state_->closed = true;
}

Variant Recordset::Value(std::size_t column) const {
    CheckOpen("cannot read field " + detail::Quoted(state_->columns[column]) + " of");
    if (state_->editing) return state_->buffer[column];
    if (!state_->HasCurrent())
        throw Error(errors::NoCurrentRecord,
                    Operation("cannot read field " + detail::Quoted(state_->columns[column]) + " of") +
                        ": no current record");
    return state_->rows[static_cast<std::size_t>(state_->position)].values[column];
}

void Recordset::Assign(std::size_t column, const Variant& value) {
    std::string operation = Operation("cannot set field " + detail::Quoted(state_->columns[column]) + " of");
    CheckOpen("cannot set field");
    if (!state_->editing)
        throw Error(errors::UpdateWithoutEdit, operation + ": the record is not being edited");
    StoredValue stored;
    try {
        stored = detail::FromVariant(value, state_->kinds[column]);
    } catch (const Fehler& fehler) {
        throw Error(errors::ConversionError,
                    operation + ": data type conversion error (" + fehler.what() + ")");
    }
    state_->buffer[column] = detail::ToVariant(stored, state_->kinds[column]);
    state_->pending[column] = std::move(stored);
}

} // namespace kovelund::dao
