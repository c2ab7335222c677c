#include "document/Abrechnungstabelle.h"

#include "common/Fehler.h"
#include "common/Funktionen.h"
#include "common/Texte.h"
#include "common/Zahlen.h"
#include "document/Zelltext.h"
#include "platform/docx/Comment.h"
#include "platform/docx/Selection.h"

#include <vector>

namespace kovelund {

double Anteil(std::string_view anteilFeld) {
    std::string text = Trimmen(anteilFeld);
    if (text.empty() || text == "1000") return 1;
    double wert = CVal(text);
    if (wert == 333) return 1.0 / 3;
    return wert / 1000;
}

std::string Betragstext(double betrag) {
    return WertFormatieren(betrag, 8, 2) + " €";
}

std::string Zelltext(const docx::Cell& zelle) {
    std::string text = zelle.Range().Text();
    return Links(text, Länge(text) >= 2 ? Länge(text) - 2 : 0);
}

std::string Mengentext(double wert, int breite) {
    if (wert == Int(wert)) return WertFormatieren(wert, breite, 0);
    return AlsText(wert);
}

Abrechnungstabelle::Abrechnungstabelle(docx::Document& doc, std::string modul)
    : doc_(doc), modul_(std::move(modul)) {}

template <class Schritt> void Abrechnungstabelle::Ausführen(const char* prozedur, Schritt&& schritt) {
    Fehlerbereich fehler{modul_, prozedur};
    fehler([&] {
        if (!tabelle_) throw Fehler(91, "Object variable not set: the statement table was not created");
        schritt(*tabelle_);
    });
}

docx::Range Abrechnungstabelle::AnkerFinden(std::optional<docx::Table> bisherige) {
    Fehlerbereich fehler{modul_, "CommandEnde_Click"};
    std::optional<docx::Range> anker;
    if (bisherige) fehler([&] { anker = bisherige->Delete(); });
    if (anker) return *anker;
    // Found first and treated afterwards: each new paragraph changes the document's comment index.
    std::vector<docx::Comment> marken;
    for (const docx::Comment& kommentar : doc_.Comments())
        if (kommentar.Text() == "vamoStart") marken.push_back(kommentar);
    for (const docx::Comment& kommentar : marken) {
        fehler([&] {
            docx::Range r = kommentar.Reference();
            r.Collapse(docx::CollapseStart);
            r.MoveStart(docx::UnitWord, -1);
            r.InsertParagraphBefore();
            r.Collapse(docx::CollapseStart);
            anker = r;
        });
    }
    if (anker) return *anker;
    docx::Range ende = doc_.Content();
    fehler([&] {
        ende.Collapse(docx::CollapseEnd);
        ende.InsertParagraphAfter();
        ende.Collapse(docx::CollapseEnd);
    });
    return ende;
}

void Abrechnungstabelle::Anlegen(const docx::Range& anker, int zeilen, int spalten) {
    Fehlerbereich fehler{modul_, "CommandEnde_Click"};
    fehler([&] { tabelle_ = doc_.Tables().Add(anker, zeilen, spalten); });
}

void Abrechnungstabelle::TabelleFormatieren() {
    Ausführen("TabelleFormatieren", [&](docx::Table& t) {
        docx::Selection& auswahl = doc_.Application().Selection();
        t.Select();
        for (int rand = docx::BorderTop; rand >= docx::BorderVertical; --rand)
            auswahl.SetBorderLineStyle(rand, 0);
        auswahl.SetAlignment(docx::AlignRight);
        t.Columns().Item(1).Select();
        auswahl.SetAlignment(docx::AlignLeft);
    });
}

void Abrechnungstabelle::Spaltenbreiten(std::initializer_list<double> zentimeter) {
    int spalte = 1;
    for (double breite : zentimeter) {
        Ausführen("CommandEnde_Click",
                  [&](docx::Table& t) { t.Columns().Item(spalte).SetWidth(Punkte(breite), 0); });
        ++spalte;
    }
}

void Abrechnungstabelle::Blockbreite(int abZeile, int spalte, double zentimeter,
                                     std::optional<int> ausrichtung) {
    Ausführen("SelectionVerschieben", [&](docx::Table& t) {
        docx::Selection& auswahl = doc_.Application().Selection();
        t.Cell(abZeile, spalte).Select();
        int weitere = t.Rows().Count() - abZeile;
        for (int i = 0; i < weitere; ++i)
            auswahl.MoveDown(5, 1, 1);
        auswahl.CellsSetWidth(Punkte(zentimeter), 0);
        if (ausrichtung) auswahl.SetAlignment(*ausrichtung);
    });
}

void Abrechnungstabelle::Zellbreite(int zeile, int spalte, double zentimeter) {
    Ausführen("CommandEnde_Click",
              [&](docx::Table& t) { t.Cell(zeile, spalte).SetWidth(Punkte(zentimeter), 0); });
}

void Abrechnungstabelle::Dezimaltab(int zeile, int spalte, double zentimeter) {
    Ausführen("CommandEnde_Click", [&](docx::Table& t) {
        t.Cell(zeile, spalte).Select();
        doc_.Application().Selection().AddTabStop(Punkte(zentimeter), docx::TabDecimal, docx::LeaderSpaces);
    });
}

void Abrechnungstabelle::Schreiben(int zeile, int spalte, std::string_view text, bool fett) {
    Ausführen("CommandEnde_Click", [&](docx::Table& t) {
        docx::Range r = t.Cell(zeile, spalte).Range();
        r.InsertAfter(std::string(text));
        if (fett) t.Cell(zeile, spalte).Range().SetBold(true);
    });
}

void Abrechnungstabelle::Steuerfrei(int zeile, int spalte) {
    Ausführen("CommandEnde_Click", [&](docx::Table& t) {
        docx::Selection& auswahl = doc_.Application().Selection();
        t.Cell(zeile, spalte).Select();
        auswahl.Range().Comments().Add(auswahl.Range(), "0");
    });
}

void Abrechnungstabelle::Zwischensumme(int zeile, double gebührensumme) {
    Schreiben(zeile, 2, "Zwischensumme\r", true);
    Schreiben(zeile, 7, Betragstext(gebührensumme), true);
}

void Abrechnungstabelle::AnteilZeile(int zeile, std::string_view beschreibung, std::string_view prozent,
                                     double gebührensumme, double anteil) {
    Schreiben(zeile, 2, std::string(beschreibung) + "\r\n");
    Schreiben(zeile, 2, std::string(prozent) + " % von " + WertFormatieren(gebührensumme, 8, 2) + " €");
    Schreiben(zeile, 5, Betragstext(anteil * gebührensumme));
}

void Abrechnungstabelle::AuslagenÜberschrift(int zeile) {
    Schreiben(zeile, 2, "\rUmsatzsteuerfreie Auslagen", true);
}

void Abrechnungstabelle::AnteiligeAuslagen(int zeile, std::string_view prozent, double auslagensumme,
                                           double anteil) {
    Schreiben(zeile, 2,
              "anteilige Auslagen \r" + std::string(prozent) + " % von " +
                  WertFormatieren(auslagensumme, 8, 2) + " €");
    Schreiben(zeile, 5, Betragstext(anteil * auslagensumme));
    Steuerfrei(zeile, 5);
}

} // namespace kovelund
