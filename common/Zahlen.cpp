#include "common/Zahlen.h"

#include "common/Fehler.h"
#include "common/Texte.h"

#include <charconv>
#include <cmath>
#include <limits>

namespace kovelund {

namespace {

// A double's decimal digits, rounded to 15 significant digits: value = 0.ziffern × 10^(exponent + 1).
struct Dezimalform {
    bool negativ = false;
    std::string ziffern; // 15 digits, the first non-zero unless the value is 0
    int exponent = 0;    // of the first digit
};

Dezimalform Zerlegen(double wert) {
    if (!std::isfinite(wert)) throw Überlauf("a number that is not finite");
    char puffer[64];
    auto [ende, fehler] =
        std::to_chars(puffer, puffer + sizeof puffer, std::fabs(wert), std::chars_format::scientific, 14);
    std::string_view text(puffer, static_cast<std::size_t>(ende - puffer));
    Dezimalform form;
    form.negativ = std::signbit(wert) && wert != 0;
    form.ziffern.assign(1, text[0]).append(text.substr(2, 14));
    std::string_view exp = text.substr(text.find('e') + 1);
    if (exp.front() == '+') exp.remove_prefix(1);
    std::from_chars(exp.data(), exp.data() + exp.size(), form.exponent);
    return form;
}

std::string OhneNachnullen(std::string ziffern) {
    while (ziffern.size() > 1 && ziffern.back() == '0')
        ziffern.pop_back();
    return ziffern;
}

// The general format with the given decimal separator.
std::string Allgemein(double wert, char komma) {
    Dezimalform form = Zerlegen(wert);
    if (form.ziffern[0] == '0') return "0";
    std::string ziffern = OhneNachnullen(form.ziffern);
    std::string text = form.negativ ? "-" : "";
    int e = form.exponent;
    if (e >= 15 || e < -4) {
        text += ziffern[0];
        if (ziffern.size() > 1) text += komma + ziffern.substr(1);
        char exp[16];
        std::snprintf(exp, sizeof exp, "E%c%02d", e < 0 ? '-' : '+', std::abs(e));
        return text + exp;
    }
    if (e < 0) return text + "0" + komma + std::string(static_cast<std::size_t>(-e - 1), '0') + ziffern;
    auto ganz = static_cast<std::size_t>(e + 1);
    if (ziffern.size() <= ganz) return text + ziffern + std::string(ganz - ziffern.size(), '0');
    return text + ziffern.substr(0, ganz) + komma + ziffern.substr(ganz);
}

bool IstZiffer(char c) {
    return c >= '0' && c <= '9';
}

// The exponent whose letter stands at `i`: "e", its sign and digits, and the position behind it;
// none without digits.
std::optional<std::pair<std::string, std::size_t>> Exponent(std::string_view text, std::size_t i) {
    std::string exp = "e";
    std::size_t j = i + 1;
    if (j < text.size() && (text[j] == '-' || text[j] == '+')) exp += text[j++];
    std::size_t start = exp.size();
    while (j < text.size() && IstZiffer(text[j]))
        exp += text[j++];
    if (exp.size() == start) return std::nullopt;
    return std::pair{exp, j};
}

double Lesen(const std::string& einfach) {
    double wert = 0;
    auto [ende, fehler] = std::from_chars(einfach.data(), einfach.data() + einfach.size(), wert);
    if (fehler == std::errc::result_out_of_range) {
        // Tiny values underflow to 0 as the system's arithmetic has it; huge ones overflow.
        auto e = einfach.find('e');
        if (e != std::string::npos && einfach[e + 1] == '-') return 0;
        throw Überlauf(einfach);
    }
    return wert;
}

} // namespace

std::string AlsText(double wert) {
    return Allgemein(wert, ',');
}

std::string AlsZahltext(double wert) {
    std::string text = Allgemein(wert, '.');
    return text[0] == '-' ? text : " " + text;
}

double FührendeZahl(std::string_view text) {
    std::string einfach;
    std::size_t i = 0;
    auto überspringen = [&] {
        while (i < text.size() && (text[i] == ' ' || text[i] == '\t' || text[i] == '\n' || text[i] == '\r'))
            ++i;
    };
    überspringen();
    if (i < text.size() && (text[i] == '-' || text[i] == '+')) {
        if (text[i] == '-') einfach += '-';
        ++i;
    }
    bool punkt = false;
    bool ziffern = false;
    for (überspringen(); i < text.size(); ++i, überspringen()) {
        if (IstZiffer(text[i])) {
            einfach += text[i];
            ziffern = true;
        } else if (text[i] == '.' && !punkt) {
            einfach += '.';
            punkt = true;
        } else {
            break;
        }
    }
    if (!ziffern) return 0;
    if (i < text.size() && (text[i] == 'd' || text[i] == 'D' || text[i] == 'e' || text[i] == 'E'))
        if (auto exp = Exponent(text, i)) einfach += exp->first;
    if (einfach.back() == '.') einfach.pop_back();
    if (einfach == "-") return 0;
    return Lesen(einfach);
}

std::optional<double> DeutscheZahl(std::string_view roh) {
    std::string text = Trimmen(roh);
    std::string einfach;
    std::size_t i = 0;
    if (i < text.size() && (text[i] == '-' || text[i] == '+')) {
        if (text[i] == '-') einfach += '-';
        ++i;
    }
    bool ziffern = false;
    // Grouping points may follow any digit of the integer part; they carry no value.
    for (; i < text.size(); ++i) {
        if (IstZiffer(text[i])) {
            einfach += text[i];
            ziffern = true;
        } else if (text[i] == '.' && ziffern) {
            continue;
        } else {
            break;
        }
    }
    if (i < text.size() && text[i] == ',') {
        einfach += '.';
        for (++i; i < text.size() && IstZiffer(text[i]); ++i) {
            einfach += text[i];
            ziffern = true;
        }
    }
    if (!ziffern) return std::nullopt;
    if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
        auto exp = Exponent(text, i);
        if (!exp) return std::nullopt;
        einfach += exp->first;
        i = exp->second;
    }
    if (i != text.size()) return std::nullopt;
    if (einfach.back() == '.') einfach.pop_back();
    return Lesen(einfach);
}

std::string Festformat(double wert, int dezimalen, Gruppierung gruppierung) {
    Dezimalform form = Zerlegen(wert);
    // The digits of the integer and fraction part, rounded half away from zero at `dezimalen`.
    int behalten = form.exponent + 1 + dezimalen;
    std::string ziffern;
    int ganzStellen = form.exponent + 1;
    if (form.ziffern[0] == '0' || behalten < 0) {
        ziffern = "0";
        ganzStellen = 1 - dezimalen;
    } else if (behalten >= 15) {
        ziffern = form.ziffern + std::string(static_cast<std::size_t>(behalten - 15), '0');
    } else {
        ziffern = form.ziffern.substr(0, static_cast<std::size_t>(behalten));
        if (form.ziffern[static_cast<std::size_t>(behalten)] >= '5') {
            int k = behalten - 1;
            while (k >= 0 && ziffern[static_cast<std::size_t>(k)] == '9')
                ziffern[static_cast<std::size_t>(k--)] = '0';
            if (k >= 0) {
                ++ziffern[static_cast<std::size_t>(k)];
            } else {
                ziffern.insert(ziffern.begin(), '1');
                ++ganzStellen;
            }
        }
        if (ziffern.empty()) ziffern.assign(1, '0');
    }
    // Pad so that there are at least one integer digit and exactly `dezimalen` decimals.
    if (ganzStellen < 1) {
        ziffern.insert(0, static_cast<std::size_t>(1 - ganzStellen), '0');
        ganzStellen = 1;
    }
    std::size_t gesamt = static_cast<std::size_t>(ganzStellen + dezimalen);
    if (ziffern.size() < gesamt) ziffern.append(gesamt - ziffern.size(), '0');
    ziffern.resize(gesamt);

    std::string ganz = ziffern.substr(0, static_cast<std::size_t>(ganzStellen));
    std::string bruch = ziffern.substr(static_cast<std::size_t>(ganzStellen));
    if (gruppierung == Gruppierung::Tausender)
        for (auto pos = static_cast<std::ptrdiff_t>(ganz.size()) - 3; pos > 0; pos -= 3)
            ganz.insert(static_cast<std::size_t>(pos), 1, '.');
    bool null = ziffern.find_first_not_of('0') == std::string::npos;
    std::string text = (form.negativ && !null ? "-" : "") + ganz;
    if (dezimalen > 0) text += "," + bruch;
    return text;
}

std::string Rechtsbündig(std::string_view text, std::size_t breite) {
    std::size_t länge = Länge(text);
    if (länge >= breite) return std::string(text);
    return std::string(breite - länge, ' ') + std::string(text);
}

double Int(double wert) {
    return std::floor(wert);
}

namespace {
template <class Ganzzahl> Ganzzahl Runden(double wert) {
    if (!std::isfinite(wert)) throw Überlauf("a number that is not finite");
    double gerundet = std::nearbyint(wert);
    if (gerundet < static_cast<double>(std::numeric_limits<Ganzzahl>::min()) ||
        gerundet > static_cast<double>(std::numeric_limits<Ganzzahl>::max()))
        throw Überlauf(AlsText(wert) + " does not fit");
    return static_cast<Ganzzahl>(gerundet);
}
} // namespace

std::int16_t AlsInteger(double wert) {
    return Runden<std::int16_t>(wert);
}
std::int32_t AlsLong(double wert) {
    return Runden<std::int32_t>(wert);
}

} // namespace kovelund
