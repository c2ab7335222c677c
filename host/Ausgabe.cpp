#include "host/Ausgabe.h"

#include "document/Zelltext.h"
#include "platform/docx/Comment.h"
#include "platform/docx/Shape.h"
#include "platform/docx/Table.h"
#include "totals/VV_WordAuto.h"

#include <nlohmann/json.hpp>

namespace kovelund {

namespace {

using json = nlohmann::ordered_json;

json Zeilen(const docx::Table& tabelle) {
    json zeilen = json::array();
    int anzahl = tabelle.Rows().Count();
    int spalten = tabelle.Columns().Count();
    for (int zeile = 1; zeile <= anzahl; ++zeile) {
        json zellen = json::array();
        for (int spalte = 1; spalte <= spalten; ++spalte) {
            docx::Cell zelle;
            try {
                zelle = tabelle.Cell(zeile, spalte);
            } catch (const std::exception&) {
                break; // a row with fewer cells than the widest one
            }
            json kommentare = json::array();
            for (const docx::Comment& k : zelle.Range().Comments())
                kommentare.push_back(k.Text());
            zellen.push_back({{"text", Zelltext(zelle)}, {"comments", kommentare}});
        }
        zeilen.push_back(zellen);
    }
    return zeilen;
}

} // namespace

std::string DokumentAlsJson(docx::Document& doc) {
    json tabellen = json::array();
    for (const docx::Table& tabelle : doc.Tables())
        tabellen.push_back({{"position", tabelle.Position()},
                            {"marker", Tabellenmarke(tabelle)},
                            {"rows", Zeilen(tabelle)}});
    json kommentare = json::array();
    for (const docx::Comment& k : doc.Comments())
        kommentare.push_back({{"text", k.Text()}, {"refers_to", k.Scope().Text()}});
    json textfelder = json::array();
    for (const docx::Shape& form : doc.Shapes())
        textfelder.push_back({{"name", form.Name()}, {"text", form.Text()}});
    json ergebnis = {{"tables", tabellen}, {"comments", kommentare}, {"textboxes", textfelder}};
    return ergebnis.dump(2, ' ', false, json::error_handler_t::replace);
}

} // namespace kovelund
