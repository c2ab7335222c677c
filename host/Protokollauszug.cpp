#include "host/Protokollauszug.h"

#include "common/Fehler.h"

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string_view>

namespace kovelund {

namespace {

std::uintmax_t Größe(const std::string& datei) {
    std::error_code fehler;
    auto größe = std::filesystem::file_size(datei, fehler);
    return fehler ? 0 : größe;
}

Fehlschritt Satz(std::string_view satz) {
    Fehlschritt s;
    auto error = satz.find("Error ");
    std::size_t zeilenende = satz.find("\r\n");
    if (error != std::string_view::npos && error < zeilenende)
        for (std::size_t i = error + 6; i < satz.size() && satz[i] >= '0' && satz[i] <= '9'; ++i)
            s.nummer = s.nummer * 10 + (satz[i] - '0');
    auto zeile = satz.find("\r\nZeile: ");
    auto ort = satz.find("\r\nOrt  : ");
    if (zeilenende != std::string_view::npos && zeile != std::string_view::npos && zeile > zeilenende)
        s.beschreibung = std::string(satz.substr(zeilenende + 2, zeile - zeilenende - 2));
    if (ort != std::string_view::npos) {
        auto von = ort + 9;
        s.ort = std::string(satz.substr(von, satz.find("\r\n", von) - von));
    }
    return s;
}

} // namespace

Protokollauszug::Protokollauszug() : anfang_(Größe(Protokolldatei())) {}

std::vector<Fehlschritt> Protokollauszug::Neue() const {
    std::string datei = Protokolldatei();
    if (Größe(datei) <= anfang_) return {};
    std::ifstream ein(datei, std::ios::binary);
    ein.seekg(static_cast<std::streamoff>(anfang_));
    return ProtokollsätzeLesen(std::string(std::istreambuf_iterator<char>(ein), {}));
}

std::vector<Fehlschritt> ProtokollsätzeLesen(const std::string& text) {
    constexpr std::string_view ende = "\r\nUser : ";
    std::vector<Fehlschritt> schritte;
    std::size_t von = 0;
    for (auto pos = text.find(ende); pos != std::string::npos; pos = text.find(ende, von)) {
        schritte.push_back(Satz(std::string_view(text).substr(von, pos - von)));
        auto nächster = text.find("\r\n\r\n", pos + ende.size());
        if (nächster == std::string::npos) break;
        von = nächster + 4;
    }
    return schritte;
}

bool Datenbankfehler(const Fehlschritt& schritt) {
    return schritt.nummer >= 3000 && schritt.nummer <= 3999;
}

} // namespace kovelund
