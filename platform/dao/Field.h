#pragma once
// One field of a recordset's current record.

#include "common/Variant.h"

#include <cstddef>
#include <string>

namespace kovelund::dao {

class Recordset;

/// A column of a Recordset, read and written at the record the recordset stands on. A Field lives as
/// long as its recordset; it is handed out by reference (Recordset::Fields) and never copied.
class Field {
public:
    Field(const Field&) = delete;
    Field& operator=(const Field&) = delete;

    /// The column's name as the query gives it.
    const std::string& Name() const { return name_; }

    /// The value at the current record (the edited value while the record is being edited): Null,
    /// bool, int32 (double when larger), double, text or Datum. 3021 without a current record,
    /// 3420 after Close.
    Variant Value() const;

    /// Sets the value in the edit buffer; it reaches the database with Update. 3020 without Edit,
    /// 3421 when the value does not fit the column's type ("abc" into a number).
    void SetValue(const Variant& value);
    Field& operator=(const Variant& value) {
        SetValue(value);
        return *this;
    }

private:
    friend class Recordset;
    Field(Recordset& recordset, std::size_t index, std::string name)
        : recordset_(recordset), index_(index), name_(std::move(name)) {}

    Recordset& recordset_;
    std::size_t index_;
    std::string name_;
};

} // namespace kovelund::dao
