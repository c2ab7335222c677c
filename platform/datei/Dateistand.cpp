#include "platform/datei/Dateistand.h"

#include "common/Fehler.h"

#include <sys/stat.h>

#include <cstdio>

namespace kovelund::datei {

namespace {

constexpr std::uint64_t fnvStart = 14695981039346656037ull;
constexpr std::uint64_t fnvFaktor = 1099511628211ull;

std::uint64_t Prüfsumme(const std::filesystem::path& datei) {
    std::FILE* f = std::fopen(datei.c_str(), "rb");
    if (f == nullptr) throw Fehler(75, "cannot read '" + datei.string() + "'");
    std::uint64_t h = fnvStart;
    unsigned char puffer[65536];
    while (std::size_t n = std::fread(puffer, 1, sizeof puffer, f))
        for (std::size_t i = 0; i < n; ++i)
            h = (h ^ puffer[i]) * fnvFaktor;
    bool fehler = std::ferror(f) != 0;
    std::fclose(f);
    if (fehler) throw Fehler(75, "cannot read '" + datei.string() + "'");
    return h;
}

} // namespace

Dateistand DateistandLesen(const std::filesystem::path& datei) {
    struct stat st {};
    if (::stat(datei.c_str(), &st) != 0) return {};
    Dateistand stand;
    stand.vorhanden = true;
    stand.größe = static_cast<std::uintmax_t>(st.st_size);
    stand.geändert = static_cast<std::int64_t>(st.st_mtim.tv_sec) * 1'000'000'000 + st.st_mtim.tv_nsec;
    stand.prüfsumme = Prüfsumme(datei);
    return stand;
}

std::string Unterschied(const Dateistand& vorher, const Dateistand& jetzt) {
    if (vorher.vorhanden != jetzt.vorhanden) return jetzt.vorhanden ? "created" : "removed";
    std::string text;
    auto dazu = [&](const std::string& teil) { text += (text.empty() ? "" : ", ") + teil; };
    if (vorher.größe != jetzt.größe)
        dazu("size " + std::to_string(vorher.größe) + " → " + std::to_string(jetzt.größe) + " bytes");
    if (vorher.geändert != jetzt.geändert) dazu("modification time");
    if (vorher.prüfsumme != jetzt.prüfsumme) dazu("content");
    return text;
}

} // namespace kovelund::datei
