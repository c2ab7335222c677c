#include "platform/datei/Sperrdatei.h"

#include <pwd.h>
#include <unistd.h>

#include <charconv>
#include <ctime>

namespace kovelund::datei {

namespace {

constexpr std::string_view kovelundMarke = "kovelund:";

std::string Maskiert(std::string_view text) {
    std::string aus;
    for (char c : text) {
        if (c == ',' || c == ';' || c == '\\') aus += '\\';
        aus += c;
    }
    return aus;
}

/// The fields of a lock line up to its ';', backslashes unescaped; none without the ';'.
std::optional<std::vector<std::string>> Felder(std::string_view zeile) {
    std::vector<std::string> felder(1);
    for (std::size_t i = 0; i < zeile.size(); ++i) {
        char c = zeile[i];
        if (c == '\\' && i + 1 < zeile.size())
            felder.back() += zeile[++i];
        else if (c == ',')
            felder.emplace_back();
        else if (c == ';')
            return felder;
        else
            felder.back() += c;
    }
    return std::nullopt;
}

std::string Latin1NachUtf8(std::string_view text) {
    std::string aus;
    for (char c : text) {
        auto b = static_cast<unsigned char>(c);
        if (b < 0x80) {
            aus += c;
        } else {
            aus += static_cast<char>(0xC0 | (b >> 6));
            aus += static_cast<char>(0x80 | (b & 0x3F));
        }
    }
    return aus;
}

std::string Jetzt() {
    std::time_t t = std::time(nullptr);
    std::tm zeit{};
    localtime_r(&t, &zeit);
    char text[32];
    std::strftime(text, sizeof text, "%d.%m.%Y %H:%M", &zeit);
    return text;
}

} // namespace

std::string Beschreibung(const Inhaber& i) {
    std::string wer = i.benutzer;
    if (!i.rechner.empty()) wer += (wer.empty() ? "" : "@") + i.rechner;
    std::string klammer = wer;
    if (!i.programm.empty()) klammer += (klammer.empty() ? "" : ", ") + i.programm;
    if (!i.seit.empty()) klammer += (klammer.empty() ? "" : ", ") + ("since " + i.seit);
    std::string name = i.name.empty() ? (i.benutzer.empty() ? "an unknown user" : i.benutzer) : i.name;
    return klammer.empty() ? name : name + " (" + klammer + ")";
}

Inhaber DieserProzess() {
    Inhaber ich;
    ich.programm = "Kovelund";
    ich.prozess = static_cast<long>(::getpid());
    ich.seit = Jetzt();
    if (const passwd* pw = ::getpwuid(::geteuid())) {
        ich.benutzer = pw->pw_name;
        std::string_view gecos = pw->pw_gecos != nullptr ? pw->pw_gecos : "";
        ich.name = std::string(gecos.substr(0, gecos.find(',')));
    }
    char rechner[256] = {};
    if (::gethostname(rechner, sizeof rechner - 1) == 0) ich.rechner = rechner;
    return ich;
}

std::filesystem::path LibreOfficeSperrdatei(const std::filesystem::path& dokument) {
    return dokument.parent_path() / (".~lock." + dokument.filename().string() + "#");
}

std::vector<std::filesystem::path> WordBesitzdateien(const std::filesystem::path& dokument) {
    std::string name = dokument.filename().string();
    std::size_t stamm = dokument.stem().string().size();
    std::vector<std::filesystem::path> dateien{dokument.parent_path() / ("~$" + name)};
    // Word keeps the owner file's name as long as the document's by dropping leading characters.
    std::size_t weg = stamm <= 6 ? 0 : (stamm == 7 ? 1 : 2);
    if (weg > 0) dateien.push_back(dokument.parent_path() / ("~$" + name.substr(weg)));
    return dateien;
}

std::string LibreOfficeZeile(const Inhaber& i) {
    std::string profil = i.prozess ? std::string(kovelundMarke) + std::to_string(*i.prozess) : "";
    return Maskiert(i.name) + "," + Maskiert(i.benutzer) + "," + Maskiert(i.rechner) + "," +
           Maskiert(i.seit) + "," + Maskiert(profil) + ";";
}

std::optional<Inhaber> LibreOfficeLesen(std::string_view inhalt) {
    auto felder = Felder(inhalt);
    if (!felder || felder->size() < 4) return std::nullopt;
    Inhaber i;
    i.name = (*felder)[0];
    i.benutzer = (*felder)[1];
    i.rechner = (*felder)[2];
    i.seit = (*felder)[3];
    i.programm = "LibreOffice";
    std::string_view profil = felder->size() > 4 ? std::string_view((*felder)[4]) : std::string_view();
    if (profil.starts_with(kovelundMarke)) {
        long prozess = 0;
        auto zahl = profil.substr(kovelundMarke.size());
        auto [ende, fehler] = std::from_chars(zahl.data(), zahl.data() + zahl.size(), prozess);
        if (fehler == std::errc() && ende == zahl.data() + zahl.size() && prozess > 0) {
            i.programm = "Kovelund";
            i.prozess = prozess;
        }
    }
    return i;
}

Inhaber WordLesen(std::string_view inhalt) {
    Inhaber i;
    i.programm = "Word";
    if (!inhalt.empty()) {
        auto länge = static_cast<unsigned char>(inhalt[0]);
        if (länge > 0 && länge < inhalt.size()) i.name = Latin1NachUtf8(inhalt.substr(1, länge));
    }
    return i;
}

} // namespace kovelund::datei
