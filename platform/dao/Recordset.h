#pragma once
// The records a table name or a SELECT text yields, with a current record that can be edited and
// written back.

#include "platform/dao/Error.h"
#include "platform/dao/Field.h"

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace kovelund::dao {

namespace detail {
class Connection;
}

/// The kind of recordset the host asks for. Both read the same records and can write them back.
enum class RecordsetType { Default, Dynaset };

/// The records of a query. All records are read when the recordset opens, so RecordCount is exact
/// from the start and later changes by other connections are not seen. A recordset whose columns
/// all come from one table (no join, DISTINCT or GROUP BY) can be edited: Update writes the record
/// back to that table by its row id, inside a transaction. Held by shared_ptr; its Fields live as
/// long as it does.
class Recordset {
public:
    ~Recordset();
    Recordset(const Recordset&) = delete;
    Recordset& operator=(const Recordset&) = delete;

    /// The text the recordset was opened with.
    const std::string& Source() const { return source_; }

    /// The field of that name, compared without regard to case; 3265 when there is none.
    Field& Fields(std::string_view name);
    /// The field at 0-based `index`; 3265 when out of range.
    Field& Fields(std::size_t index);
    std::size_t FieldCount() const { return fields_.size(); }

    /// BOF: before the first record (or the recordset is empty). Named Bof/Eof because EOF is a C macro.
    bool Bof() const;
    /// EOF: behind the last record (or the recordset is empty).
    bool Eof() const;
    /// Moving leaves an unfinished Edit without writing it. 3021 when there is no record to move to.
    void MoveFirst();
    void MoveNext();
    std::int32_t RecordCount() const;

    /// Whether Edit is allowed; false for queries over more than one table or of computed columns.
    bool Updatable() const;
    /// Starts editing the current record. 3021 without a current record, 3027 when not Updatable.
    void Edit();
    /// Writes the edited fields to the database and leaves edit mode. 3020 without Edit; engine
    /// failures (3218 locked, 3314 Null in a required field, 3167 record deleted) leave the
    /// database and the edit buffer unchanged.
    void Update();
    /// Leaves edit mode and drops the edited values.
    void CancelUpdate();
    /// Closes the recordset; any use afterwards fails with 3420.
    void Close();

private:
    friend class Database;
    friend class Field;
    struct State;

    Recordset(std::shared_ptr<detail::Connection> connection, std::string source);
    void Load();
    Variant Value(std::size_t column) const;
    void Assign(std::size_t column, const Variant& value);
    void WriteBack(const std::vector<std::size_t>& changed, const std::string& operation);
    void CheckOpen(std::string_view operation) const;
    std::string Operation(std::string_view what) const;

    std::string source_;
    std::unique_ptr<State> state_;
    std::vector<std::unique_ptr<Field>> fields_;
};

} // namespace kovelund::dao
