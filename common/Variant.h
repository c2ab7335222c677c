#pragma once
// The value that travels between the host, the database layer and the component, with the
// conversions of the system's language (CInt, CLng, CDbl, CBool, CStr).

#include "common/Fehler.h"

#include <chrono>
#include <cstdint>
#include <memory>
#include <string>
#include <typeindex>
#include <variant>

namespace kovelund {

/// A date with its time of day, as the host database keeps it.
struct Datum {
    std::chrono::sys_seconds zeit{};

    static Datum Aus(std::chrono::year_month_day tag) { return {std::chrono::sys_days(tag)}; }
    std::chrono::year_month_day Tag() const { return std::chrono::floor<std::chrono::days>(zeit); }
    friend bool operator==(const Datum&, const Datum&) = default;
};

/// The value: empty, Null, boolean, 16- or 32-bit integer, double, text, date or an object reference.
class Variant {
public:
    struct Leer {
        friend bool operator==(Leer, Leer) = default;
    };
    struct NullWert {
        friend bool operator==(NullWert, NullWert) = default;
    };
    /// A shared reference to an object of the host (a document, a database, a recordset, ...).
    struct Objekt {
        std::shared_ptr<void> zeiger;
        std::type_index typ = typeid(void);
        friend bool operator==(const Objekt& a, const Objekt& b) { return a.zeiger == b.zeiger; }
    };
    using Wert =
        std::variant<Leer, NullWert, bool, std::int16_t, std::int32_t, double, std::string, Datum, Objekt>;

    Variant() = default;
    Variant(bool b) : wert_(b) {}
    Variant(std::int16_t i) : wert_(i) {}
    Variant(std::int32_t i) : wert_(i) {}
    Variant(double d) : wert_(d) {}
    Variant(std::string s) : wert_(std::move(s)) {}
    Variant(const char* s) : wert_(std::string(s)) {}
    Variant(Datum d) : wert_(d) {}
    template <class T> Variant(std::shared_ptr<T> objekt) : wert_(Objekt{std::move(objekt), typeid(T)}) {}

    static Variant Null() { return Variant(NullWert{}); }

    bool IstLeer() const { return std::holds_alternative<Leer>(wert_); }
    bool IstNull() const { return std::holds_alternative<NullWert>(wert_); }
    bool IstObjekt() const { return std::holds_alternative<Objekt>(wert_); }
    bool IstText() const { return std::holds_alternative<std::string>(wert_); }
    const Wert& Inhalt() const { return wert_; }

    /// The referenced object if it is a T; anything else fails with 13 (type mismatch).
    template <class T> std::shared_ptr<T> Als() const {
        const auto* objekt = std::get_if<Objekt>(&wert_);
        if (objekt == nullptr || objekt->typ != typeid(T)) throw Typfehler("an object of another kind");
        return std::static_pointer_cast<T>(objekt->zeiger);
    }

    friend bool operator==(const Variant&, const Variant&) = default;

private:
    explicit Variant(NullWert n) : wert_(n) {}

    Wert wert_;
};

/// CDbl: numbers as they are, a boolean -1 or 0, a text in the German format, empty 0;
/// Null fails with 94, other texts and objects with 13.
double AlsDouble(const Variant& v);
/// CInt: AlsDouble rounded half to even; outside the 16-bit range fails with 6.
std::int16_t AlsInteger(const Variant& v);
/// CLng: AlsDouble rounded half to even; outside the 32-bit range fails with 6.
std::int32_t AlsLong(const Variant& v);
/// CBool: a number other than 0, "Wahr"/"True" or "Falsch"/"False"; other texts fail with 13.
bool AlsBoolean(const Variant& v);
/// CStr: numbers in the general number format, booleans "Wahr"/"Falsch", dates "dd.mm.yyyy"
/// (with " hh:mm:ss" when they have a time), empty ""; Null fails with 94, objects with 13.
std::string AlsText(const Variant& v);
/// A date as it stands, or a text "yyyy-mm-dd[ hh:mm[:ss]]" or "dd.mm.yyyy"; others fail with 13.
Datum AlsDatum(const Variant& v);

} // namespace kovelund
