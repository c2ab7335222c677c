#pragma once
// How values travel between SQLite's storage classes and Variant: booleans as -1/1/0, dates as ISO
// text, both recognised by the column's declared type.

#include "common/Variant.h"

#include <sqlite3.h>

#include <cstdint>
#include <string>
#include <variant>

namespace kovelund::dao::detail {

/// A value as SQLite stores it: NULL, integer, real or text.
using StoredValue = std::variant<std::monostate, std::int64_t, double, std::string>;

/// What a column's declared type makes of its values.
enum class ColumnKind { Any, Boolean, Date, Integer, Real, Text };

/// BOOLEAN, BIT, YESNO and LOGICAL are booleans; DATE, TIME, DATETIME and TIMESTAMP dates; the rest
/// follows SQLite's affinity rules (plus Jet's COUNTER, LONG, SHORT, BYTE, MEMO, CURRENCY, SINGLE).
ColumnKind KindOf(const char* declaredType);

/// Column `index` of the row `stmt` stands on.
StoredValue ReadColumn(sqlite3_stmt* stmt, int index);

/// The Variant a stored value reads as: NULL is Null, integers 32-bit (double when larger), booleans
/// any number other than 0, dates their ISO text (a text that is no date stays text).
Variant ToVariant(const StoredValue& value, ColumnKind kind);

/// The value to store for an assignment: Null and Empty are NULL, true is stored as -1, dates as
/// "yyyy-mm-dd[ hh:mm:ss]"; fails with the conversion's error (13, 6, 94) when the value does not
/// fit the kind.
StoredValue FromVariant(const Variant& value, ColumnKind kind);

} // namespace kovelund::dao::detail
