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
    if (!zeile.starts_with(anfang)) return std::nullopt;
    return TausendstelNach(zeile, anfang);
}

std::optional<std::string> TausendstelNach(std::string_view text, std::string_view vor) {
    constexpr std::string_view ende = "/1000";
    std::size_t anfang = text.rfind(vor);
    if (anfang == std::string_view::npos || !text.ends_with(ende)) return std::nullopt;
    anfang += vor.size();
    if (anfang > text.size() - ende.size()) return std::nullopt;
    std::string zahl = Trimmen(text.substr(anfang, text.size() - ende.size() - anfang));
    if (zahl.empty() || zahl.find_first_not_of("0123456789") != std::string::npos) return std::nullopt;
    return zahl;
}

} // namespace kovelund
