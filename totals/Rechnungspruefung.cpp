#include "totals/Rechnungspruefung.h"

#include "common/Fehler.h"
#include "common/Funktionen.h"
#include "common/Texte.h"
#include "common/Variant.h"
#include "document/Zelltext.h"
#include "platform/dao/Recordset.h"
#include "platform/docx/Comment.h"
#include "platform/docx/Document.h"
#include "platform/docx/Shape.h"
#include "platform/docx/Table.h"
#include "totals/Summen.h"
#include "totals/VV_WordAuto.h"

#include <algorithm>
#include <cmath>
#include <map>

namespace kovelund {

namespace {

// The check reads what it can: an unreadable part is reported as a difference, not logged.
Fehlerbereich Still() {
    return Fehlerbereich{"Rechnungspruefung", "RechnungPrüfen", Fehlerbereich::Art::Ignorieren};
}

std::string Betragstext(double betrag) {
    return Trimmen(Summenbetrag(betrag));
}

std::string Zitat(const std::string& text) {
    return "„" + Tausche(Tausche(text, "\r", " "), "\a", "") + "“";
}

bool IstTabellenmarke(const std::string& text) {
    return text.rfind("Kovelund_", 0) == 0;
}

bool TrägtSummenmarke(const docx::Table& t) {
    const auto kommentare = t.Range().AttachedComments();
    return std::any_of(kommentare.begin(), kommentare.end(),
                       [](const docx::Comment& k) { return k.Text() == "RE_Summe"; });
}

struct Tabellen {
    std::vector<docx::Table> gebühren;
    std::vector<docx::Table> summen;
};

Tabellen TabellenTeilen(const docx::Document& doc) {
    Tabellen tabellen;
    Fehlerbereich still = Still();
    for (const docx::Table& t : doc.Tables()) {
        bool summe = false;
        still([&] { summe = TrägtSummenmarke(t); });
        still([&] { summe = summe || IstSummentabelle(t); });
        (summe ? tabellen.summen : tabellen.gebühren).push_back(t);
    }
    return tabellen;
}

std::string Kategorietext(const std::string& marke) {
    if (marke.empty()) return "ohne Kategorie";
    if (IstTabellenmarke(marke) && marke.size() == 10) return "Kategorie " + marke.substr(9);
    return "Marke " + Zitat(marke);
}

void GebührentabellenAuflisten(const std::vector<docx::Table>& tabellen, const Auftragskontext& k,
                               std::vector<Befund>& befunde) {
    Fehlerbereich still = Still();
    for (const docx::Table& t : tabellen) {
        std::string marke;
        int zeilen = 0;
        still([&] { marke = Tabellenmarke(t); });
        still([&] { zeilen = t.Rows().Count(); });
        Summen s;
        TabelleSammeln(t, k.Mehrwertsteuersatz, s);
        befunde.push_back({"Gebührentabelle",
                           "Tabelle " + std::to_string(t.Position()) + ": " + Kategorietext(marke) + ", " +
                               std::to_string(zeilen) + " Zeilen, " + Betragstext(s.gesamt),
                           false});
    }
}

// A table's marker belongs on its cell (1, 5), where the window that wrote it looks for it.
void TabellenmarkenPrüfen(const docx::Document& doc, std::vector<Befund>& befunde) {
    Fehlerbereich still = Still();
    std::vector<docx::Comment> anZelle;
    for (const docx::Table& t : doc.Tables())
        still([&] {
            for (const docx::Comment& k : t.Cell(1, 5).Range().AttachedComments())
                anZelle.push_back(k);
        });
    std::map<std::string, int> anzahl;
    for (const docx::Comment& k : doc.Comments()) {
        std::string text = k.Text();
        if (!IstTabellenmarke(text)) continue;
        ++anzahl[text];
        if (std::find(anZelle.begin(), anZelle.end(), k) == anZelle.end())
            befunde.push_back(
                {"Tabellenmarke", "Marke " + Zitat(text) +
                                      " steht nicht auf Zelle (1, 5) einer Tabelle, sondern auf " +
                                      Zitat(k.Scope().Text())});
    }
    for (const auto& [marke, n] : anzahl)
        if (n > 5)
            befunde.push_back({"Kategorie", Kategorietext(marke) + ": " + std::to_string(n) +
                                                " gekennzeichnete Tabellen, wählbar sind nur fünf"});
}

std::string Zellinhalt(const docx::Table& t, int zeile, int spalte) {
    std::string text = "(keine Zelle)";
    Fehlerbereich still = Still();
    still([&] { text = Zelltext(t.Cell(zeile, spalte)); });
    return text;
}

// The differences of one summary table from what the totals give, cell by cell.
std::vector<Befund> SummentabelleVergleichen(const docx::Table& t, const Summen& s, const Auftragskontext& k,
                                             int sollZeilen) {
    std::vector<Befund> befunde;
    std::map<std::pair<int, int>, std::string> soll;
    for (const Summenzeile& z : Summenzeilen(s, k))
        soll[{z.zeile, z.spalte}] = z.text;
    int zeilen = 0;
    Fehlerbereich still = Still();
    still([&] { zeilen = t.Rows().Count(); });
    if (zeilen != sollZeilen)
        befunde.push_back({"Summentabelle", "Die Summentabelle hat " + std::to_string(zeilen) +
                                                " Zeilen, die Summen ergeben " + std::to_string(sollZeilen)});
    for (int zeile = 1; zeile <= s.letzteZeile; ++zeile)
        for (int spalte = 1; spalte <= 4; ++spalte) {
            std::string ist = Zellinhalt(t, zeile, spalte);
            std::string erwartet = soll.count({zeile, spalte}) ? soll[{zeile, spalte}] : "";
            if (ist != erwartet)
                befunde.push_back({"Summentabelle", "Summentabelle Zeile " + std::to_string(zeile) +
                                                        ", Spalte " + std::to_string(spalte) + ": steht " +
                                                        Zitat(ist) + ", die Summen ergeben " +
                                                        Zitat(erwartet)});
        }
    return befunde;
}

// Of several summary tables the one closest to the totals is taken for the invoice's; the others are
// reported as extra tables only.
void SummentabellenPrüfen(const std::vector<docx::Table>& tabellen, const Summen& s, const Auftragskontext& k,
                          int sollZeilen, std::vector<Befund>& befunde) {
    if (tabellen.size() > 1)
        befunde.push_back({"Summentabelle", "Die Rechnung hat " + std::to_string(tabellen.size()) +
                                                " Summentabellen statt einer"});
    std::optional<std::vector<Befund>> nächste;
    for (const docx::Table& t : tabellen) {
        std::vector<Befund> unterschiede = SummentabelleVergleichen(t, s, k, sollZeilen);
        if (!nächste || unterschiede.size() < nächste->size()) nächste = std::move(unterschiede);
    }
    if (nächste) befunde.insert(befunde.end(), nächste->begin(), nächste->end());
}

void SummenmarkenPrüfen(const docx::Document& doc, const Summen& s, std::vector<Befund>& befunde) {
    const auto marken = Markenbeträge(s);
    for (const docx::Comment& k : doc.Comments())
        for (const auto& [name, betrag] : marken) {
            if (k.Text() != name) continue;
            std::string ist = Trimmen(k.Scope().Text());
            if (ist != Betragstext(betrag))
                befunde.push_back({"Summenmarke", "Marke " + Zitat(name) + ": steht " + Zitat(ist) +
                                                      ", die Summen ergeben " + Zitat(Betragstext(betrag))});
        }
}

void ZahlungszielPrüfen(const docx::Document& doc, std::vector<Befund>& befunde) {
    int n = 0;
    for (const docx::Shape& form : doc.Shapes())
        if (form.Name() == "Zahlungsziel") ++n;
    if (n > 1)
        befunde.push_back(
            {"Zahlungsziel", "Die Rechnung hat " + std::to_string(n) + " Zahlungsziele statt einem"});
}

long long Cent(double wert) {
    return std::llround(wert);
}

void DatensatzPrüfen(const Auftragskontext& k, Summen s, const std::vector<Anzahlung>& anzahlungen,
                     std::vector<Befund>& befunde) {
    dao::Recordset& rechnung = *k.Rechnung;
    Fehlerbereich still = Still();
    bool gutschrift = false;
    still([&] { gutschrift = AlsDouble(rechnung.Fields("Rechnungsart").Value()) == 7; });
    AnzahlungenVerrechnen(s, anzahlungen);
    const Datensatzbeträge soll = Speicherbeträge(s, gutschrift);
    const std::pair<const char*, double> felder[] = {
        {"NettoRechnung", soll.NettoRechnung},
        {"Brutto", soll.Brutto},
        {"MehrwertsteuerFreierbetrag", soll.MehrwertsteuerFreierbetrag}};
    for (const auto& eintrag : felder) {
        // Named copies: a lambda cannot capture a structured binding in C++20 as Clang 14 reads it.
        const char* feld = eintrag.first;
        double betrag = eintrag.second;
        std::string ist = "(nicht lesbar)";
        bool gleich = false;
        still([&] {
            double wert = AlsDouble(rechnung.Fields(feld).Value());
            ist = std::to_string(Cent(wert)) + " Cent";
            gleich = Cent(wert) == Cent(betrag);
        });
        if (!gleich)
            befunde.push_back({"Rechnungsdatensatz", std::string("Rechnungsdatensatz ") + feld + ": " + ist +
                                                         ", die Summen ergeben " +
                                                         std::to_string(Cent(betrag)) + " Cent"});
    }
}

} // namespace

std::vector<Befund> RechnungPrüfen(const Auftragskontext& k) {
    std::vector<Befund> befunde;
    if (!k.Doc) return befunde;
    const docx::Document& doc = *k.Doc;
    Fehlerbereich still = Still();
    const Summen s = SummenBerechnen(doc, k, still);
    const Tabellen tabellen = TabellenTeilen(doc);
    GebührentabellenAuflisten(tabellen.gebühren, k, befunde);
    TabellenmarkenPrüfen(doc, befunde);
    std::vector<Anzahlung> anzahlungen = AnzahlungenLesen(k, still);
    int sollZeilen = s.letzteZeile + (anzahlungen.empty() ? 0 : 7 + static_cast<int>(anzahlungen.size()));
    SummentabellenPrüfen(tabellen.summen, s, k, sollZeilen, befunde);
    if (tabellen.summen.empty() && !tabellen.gebühren.empty())
        befunde.push_back({"Summentabelle", "Die Rechnung hat Gebührentabellen, aber keine Summentabelle"});
    SummenmarkenPrüfen(doc, s, befunde);
    ZahlungszielPrüfen(doc, befunde);
    if (k.Rechnung) DatensatzPrüfen(k, s, anzahlungen, befunde);
    return befunde;
}

bool ProblemGefunden(const std::vector<Befund>& befunde) {
    return std::any_of(befunde.begin(), befunde.end(), [](const Befund& b) { return b.problem; });
}

} // namespace kovelund
