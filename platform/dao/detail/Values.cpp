#include "platform/dao/detail/Values.h"

#include "common/Zahlen.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <cstdio>
#include <limits>

namespace kovelund::dao::detail {

namespace {

template <class... F> struct Cases : F... { using F::operator()...; };
template <class... F> Cases(F...) -> Cases<F...>;

std::string Upper(const char* text) {
    std::string upper = text != nullptr ? text : "";
    for (char& c : upper)
        c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return upper;
}

bool HasAny(const std::string& text, std::initializer_list<const char*> parts) {
    return std::any_of(parts.begin(), parts.end(),
                       [&](const char* part) { return text.find(part) != std::string::npos; });
}

Variant IntegerVariant(std::int64_t value) {
    if (value >= std::numeric_limits<std::int32_t>::min() &&
        value <= std::numeric_limits<std::int32_t>::max())
        return static_cast<std::int32_t>(value);
    return static_cast<double>(value);
}

std::string IsoText(const Datum& datum) {
    using namespace std::chrono;
    auto day = datum.Tag();
    hh_mm_ss time(datum.zeit - sys_days(day));
    char text[40];
    std::snprintf(text, sizeof text, "%04d-%02u-%02u", static_cast<int>(day.year()),
                  static_cast<unsigned>(day.month()), static_cast<unsigned>(day.day()));
    std::string iso = text;
    if (time.to_duration().count() != 0) {
        std::snprintf(text, sizeof text, " %02d:%02d:%02d", static_cast<int>(time.hours().count()),
                      static_cast<int>(time.minutes().count()), static_cast<int>(time.seconds().count()));
        iso += text;
    }
    return iso;
}

StoredValue WholeNumber(const Variant& value) {
    double number = std::nearbyint(AlsDouble(value));
    if (!(number >= -9.2e18 && number <= 9.2e18)) throw Überlauf(AlsText(number));
    return static_cast<std::int64_t>(number);
}

StoredValue AsItIs(const Variant& value) {
    return std::visit(Cases{
                          [](Variant::Leer) -> StoredValue { return std::monostate{}; },
                          [](Variant::NullWert) -> StoredValue { return std::monostate{}; },
                          [](bool b) -> StoredValue { return std::int64_t{b ? -1 : 0}; },
                          [](std::int16_t i) -> StoredValue { return std::int64_t{i}; },
                          [](std::int32_t i) -> StoredValue { return std::int64_t{i}; },
                          [](double d) -> StoredValue { return d; },
                          [](const std::string& s) -> StoredValue { return s; },
                          [](const Datum& d) -> StoredValue { return IsoText(d); },
                          [](const Variant::Objekt&) -> StoredValue { throw Typfehler("an object"); },
                      },
                      value.Inhalt());
}

} // namespace

ColumnKind KindOf(const char* declaredType) {
    std::string type = Upper(declaredType);
    if (type == "BIT" || HasAny(type, {"BOOL", "YESNO", "LOGICAL"})) return ColumnKind::Boolean;
    if (HasAny(type, {"DATE", "TIME"})) return ColumnKind::Date;
    if (HasAny(type, {"INT", "COUNTER", "LONG", "SHORT", "BYTE"})) return ColumnKind::Integer;
    if (HasAny(type, {"CHAR", "CLOB", "TEXT", "MEMO"})) return ColumnKind::Text;
    if (HasAny(type, {"REAL", "FLOA", "DOUB", "CURRENCY", "MONEY", "SINGLE"})) return ColumnKind::Real;
    return ColumnKind::Any;
}

StoredValue ReadColumn(sqlite3_stmt* stmt, int index) {
    switch (sqlite3_column_type(stmt, index)) {
    case SQLITE_NULL:
        return std::monostate{};
    case SQLITE_INTEGER:
        return static_cast<std::int64_t>(sqlite3_column_int64(stmt, index));
    case SQLITE_FLOAT:
        return sqlite3_column_double(stmt, index);
    default: {
        const auto* text = reinterpret_cast<const char*>(sqlite3_column_text(stmt, index));
        return std::string(text != nullptr ? text : "",
                           static_cast<std::size_t>(sqlite3_column_bytes(stmt, index)));
    }
    }
}

Variant ToVariant(const StoredValue& value, ColumnKind kind) {
    return std::visit(
        Cases{
            [](std::monostate) { return Variant::Null(); },
            [kind](std::int64_t i) {
                return kind == ColumnKind::Boolean ? Variant(i != 0) : IntegerVariant(i);
            },
            [kind](double d) { return kind == ColumnKind::Boolean ? Variant(d != 0) : Variant(d); },
            [kind](const std::string& s) {
                if (kind != ColumnKind::Date) return Variant(s);
                try {
                    return Variant(AlsDatum(Variant(s)));
                } catch (const Fehler&) {
                    return Variant(s);
                }
            },
        },
        value);
}

StoredValue FromVariant(const Variant& value, ColumnKind kind) {
    if (value.IstNull() || value.IstLeer()) return std::monostate{};
    switch (kind) {
    case ColumnKind::Boolean:
        return std::int64_t{AlsBoolean(value) ? -1 : 0};
    case ColumnKind::Date:
        return IsoText(AlsDatum(value));
    case ColumnKind::Integer:
        return WholeNumber(value);
    case ColumnKind::Real:
        return AlsDouble(value);
    case ColumnKind::Text:
        return AlsText(value);
    case ColumnKind::Any:
        break;
    }
    return AsItIs(value);
}

} // namespace kovelund::dao::detail
