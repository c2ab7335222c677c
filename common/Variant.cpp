#include "common/Variant.h"

#include "common/Zahlen.h"

#include <cctype>
#include <cstdio>

namespace kovelund {

namespace {

template <class... F> struct Fälle : F... { using F::operator()...; };
template <class... F> Fälle(F...) -> Fälle<F...>;

Fehler NullFehler() {
    return Fehler(fehlernummer::Null, "Invalid use of Null");
}

bool GleichOhneGroß(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (std::tolower(static_cast<unsigned char>(a[i])) != std::tolower(static_cast<unsigned char>(b[i])))
            return false;
    return true;
}

// Days since 30 December 1899, the system's serial date.
double Seriell(const Datum& d) {
    using namespace std::chrono;
    constexpr sys_days basis = sys_days(year{1899} / December / 30);
    return duration<double, days::period>(d.zeit - basis).count();
}

} // namespace

double AlsDouble(const Variant& v) {
    return std::visit(Fälle{
                          [](Variant::Leer) { return 0.0; },
                          [](Variant::NullWert) -> double { throw NullFehler(); },
                          [](bool b) { return b ? -1.0 : 0.0; },
                          [](std::int16_t i) { return static_cast<double>(i); },
                          [](std::int32_t i) { return static_cast<double>(i); },
                          [](double d) { return d; },
                          [](const std::string& s) {
                              if (auto zahl = DeutscheZahl(s)) return *zahl;
                              throw Typfehler(s);
                          },
                          [](const Datum& d) { return Seriell(d); },
                          [](const Variant::Objekt&) -> double { throw Typfehler("an object"); },
                      },
                      v.Inhalt());
}

std::int16_t AlsInteger(const Variant& v) {
    return AlsInteger(AlsDouble(v));
}
std::int32_t AlsLong(const Variant& v) {
    return AlsLong(AlsDouble(v));
}

bool AlsBoolean(const Variant& v) {
    if (const auto* text = std::get_if<std::string>(&v.Inhalt())) {
        if (GleichOhneGroß(*text, "Wahr") || GleichOhneGroß(*text, "True")) return true;
        if (GleichOhneGroß(*text, "Falsch") || GleichOhneGroß(*text, "False")) return false;
    }
    return AlsDouble(v) != 0;
}

std::string AlsText(const Variant& v) {
    return std::visit(Fälle{
                          [](Variant::Leer) { return std::string(); },
                          [](Variant::NullWert) -> std::string { throw NullFehler(); },
                          [](bool b) { return std::string(b ? "Wahr" : "Falsch"); },
                          [](std::int16_t i) { return std::to_string(i); },
                          [](std::int32_t i) { return std::to_string(i); },
                          [](double d) { return AlsText(d); },
                          [](const std::string& s) { return s; },
                          [](const Datum& d) {
                              using namespace std::chrono;
                              auto tag = d.Tag();
                              auto zeit = hh_mm_ss(d.zeit - sys_days(tag));
                              char text[32];
                              std::snprintf(text, sizeof text, "%02u.%02u.%04d",
                                            static_cast<unsigned>(tag.day()),
                                            static_cast<unsigned>(tag.month()), static_cast<int>(tag.year()));
                              std::string ergebnis = text;
                              if (zeit.to_duration().count() != 0) {
                                  std::snprintf(text, sizeof text, " %02d:%02d:%02d",
                                                static_cast<int>(zeit.hours().count()),
                                                static_cast<int>(zeit.minutes().count()),
                                                static_cast<int>(zeit.seconds().count()));
                                  ergebnis += text;
                              }
                              return ergebnis;
                          },
                          [](const Variant::Objekt&) -> std::string { throw Typfehler("an object"); },
                      },
                      v.Inhalt());
}

Datum AlsDatum(const Variant& v) {
    if (const auto* datum = std::get_if<Datum>(&v.Inhalt())) return *datum;
    if (v.IstNull()) throw NullFehler();
    const auto* text = std::get_if<std::string>(&v.Inhalt());
    if (text == nullptr) throw Typfehler("a value that is no date");
    int j = 0, m = 0, t = 0, h = 0, min = 0, s = 0;
    char rest = 0;
    int gelesen =
        std::sscanf(text->c_str(), "%4d-%2d-%2d%*[ T]%2d:%2d:%2d%c", &j, &m, &t, &h, &min, &s, &rest);
    if (gelesen < 3) {
        h = min = s = 0;
        gelesen = std::sscanf(text->c_str(), "%2d.%2d.%4d%c", &t, &m, &j, &rest);
        if (gelesen != 3) throw Typfehler(*text);
    } else if (gelesen == 7) {
        throw Typfehler(*text);
    }
    using namespace std::chrono;
    year_month_day tag{year{j}, month{static_cast<unsigned>(m)}, day{static_cast<unsigned>(t)}};
    if (!tag.ok() || h > 23 || min > 59 || s > 59) throw Typfehler(*text);
    return Datum{sys_days(tag) + hours{h} + minutes{min} + seconds{s}};
}

} // namespace kovelund
