#include "support/Rechnungslesen.h"

#include "document/Zelltext.h"
#include "platform/docx/Comment.h"
#include "totals/VV_WordAuto.h"

namespace kovelund::test {

std::vector<std::vector<std::string>> Zellen(const docx::Table& tabelle) {
    std::vector<std::vector<std::string>> zeilen;
    int spalten = tabelle.Columns().Count();
    for (int z = 1; z <= tabelle.Rows().Count(); ++z) {
        auto& zeile = zeilen.emplace_back();
        for (int s = 1; s <= spalten; ++s)
            zeile.push_back(Zelltext(tabelle.Cell(z, s)));
    }
    return zeilen;
}

std::vector<std::string> Kommentare(const docx::Table& tabelle, int zeile, int spalte) {
    std::vector<std::string> texte;
    for (const docx::Comment& k : tabelle.Cell(zeile, spalte).Range().Comments())
        texte.push_back(k.Text());
    return texte;
}

std::vector<docx::Table> Tabellen(const docx::Document& doc, std::string_view marke) {
    std::vector<docx::Table> tabellen;
    for (const docx::Table& t : doc.Tables())
        if (Tabellenmarke(t) == marke) tabellen.push_back(t);
    return tabellen;
}

std::string Markiert(const docx::Document& doc, std::string_view marke) {
    for (const docx::Comment& k : doc.Comments())
        if (k.Text() == marke) return k.Scope().Text();
    return "(no " + std::string(marke) + ")";
}

std::string Abbild(const docx::Document& doc) {
    std::string abbild = doc.Content().Text();
    for (const docx::Comment& k : doc.Comments())
        abbild += "\n[" + k.Text() + "] " + k.Scope().Text();
    return abbild;
}

} // namespace kovelund::test
