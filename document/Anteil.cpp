#include "document/Anteil.h"

#include "common/Funktionen.h"
#include "common/Texte.h"

namespace kovelund {

double Anteil(std::string_view anteilFeld, double drittel) {
    std::string text = Trimmen(anteilFeld);
    if (text.empty() || text == "1000") return 1;
    double wert = CVal(text);
    return wert == 333 ? drittel : wert / 1000;
}

double Anteilig(double betrag, double tausendstel) {
    return tausendstel == 333 ? betrag / 3 : betrag / 1000 * tausendstel;
}

std::optional<std::string> Tausendstel(std::string_view beschreibung) {
    std::string_view zeile = beschreibung.substr(0, beschreibung.find_first_of("\r\n"));
    constexpr std::string_view anfang = "Ihr Anteil beträgt ";
    constexpr std::string_view ende = "/1000";
    if (zeile.size() < anfang.size() + ende.size() || !zeile.starts_with(anfang) || !zeile.ends_with(ende))
        return std::nullopt;
    std::string zahl = Trimmen(zeile.substr(anfang.size(), zeile.size() - anfang.size() - ende.size()));
    if (zahl.empty() || zahl.find_first_not_of("0123456789") != std::string::npos) return std::nullopt;
    return zahl;
}

} // namespace kovelund
