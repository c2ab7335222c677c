#include "gui/Kategorien.h"

namespace kovelund::gui {

namespace {

const char* const namen[] = {"Zerlegung / Sonderung",   "Grenzfeststellung und Abmarkungen",
                             "Einmessung von Gebäuden", "Langgestreckte Anlagen",
                             "Grenzbescheinigungen",    "Gebühren nach Zeitaufwand"};

} // namespace

QString Kategoriename(int kategorie) {
    return kategorie >= 1 && kategorie <= 6 ? QString::fromUtf8(namen[kategorie - 1]) : QString();
}

int Kategorie(const std::string& marke) {
    const std::string präfix = "Kovelund_";
    if (marke.size() <= präfix.size() || marke.compare(0, präfix.size(), präfix) != 0) return 0;
    char ziffer = marke[präfix.size()];
    bool rest = marke.size() == präfix.size() + 1 || marke.substr(präfix.size() + 1) == "_Ein";
    return ziffer >= '1' && ziffer <= '6' && rest ? ziffer - '0' : 0;
}

} // namespace kovelund::gui
