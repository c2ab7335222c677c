#include "totals/G_modSumme.h"

#include "common/Fehler.h"
#include "common/Funktionen.h"
#include "common/Texte.h"
#include "component/Auftragskontext.h"
#include "platform/dao/Database.h"
#include "platform/dao/Recordset.h"
#include "platform/docx/Comment.h"
#include "platform/docx/Selection.h"
#include "platform/docx/Table.h"
#include "totals/Summen.h"

#include <vector>

namespace kovelund {

namespace {

constexpr const char* modul = "GebührenTabelle";

void AlteSummentabelleEntfernen(docx::Document& doc) {
    Fehlerbereich still{modul, "SummeBilden", Fehlerbereich::Art::Ignorieren};
    std::vector<docx::Table> alte;
    for (const docx::Table& tabelle : doc.Tables())
        still([&] {
            for (const docx::Comment& k : tabelle.Range().Comments())
                if (k.Text() == "RE_Summe") {
                    alte.push_back(tabelle);
                    break;
                }
        });
    for (docx::Table& tabelle : alte)
        still([&] { tabelle.Delete(); });
}

// In a paragraph of its own before the paragraph marked "vamoStart" (the last one), else at the end.
docx::Range SummenAnker(docx::Document& doc) {
    std::optional<docx::Range> anker;
    for (const docx::Comment& k : doc.Comments())
        if (k.Text() == "vamoStart") {
            docx::Range r = k.Reference();
            r.Collapse(docx::CollapseStart);
            r.MoveStart(docx::UnitWord, -1);
            anker = r;
        }
    if (anker) return *anker;
    docx::Range ende = doc.Content();
    ende.Collapse(docx::CollapseEnd);
    ende.InsertParagraphAfter();
    ende.Collapse(docx::CollapseEnd);
    return ende;
}

void Schreiben(const docx::Table& t, int zeile, int spalte, const std::string& text, bool fett = false) {
    docx::Range r = t.Cell(zeile, spalte).Range();
    r.InsertAfter(text);
    if (fett) r.SetBold(true);
}

void SummentabelleFüllen(docx::Document& doc, const docx::Table& t, const Auftragskontext& k, const Summen& s,
                         Fehlerbereich& fehler) {
    fehler([&] { t.Cell(1, 1).Range().Comments().Add(t.Cell(1, 1).Range(), "RE_Summe"); });
    for (const Summenzeile& z : Summenzeilen(s, k))
        fehler([&] { Schreiben(t, z.zeile, z.spalte, z.text, z.fett); });
    // Laid out like the fee tables above it: no lines, amounts to the right, texts to the left.
    fehler([&] {
        docx::Selection& auswahl = doc.Application().Selection();
        t.Select();
        for (int rand = docx::BorderTop; rand >= docx::BorderVertical; --rand)
            auswahl.SetBorderLineStyle(rand, 0);
        auswahl.SetAlignment(docx::AlignRight);
        // Its amounts are three characters wider than the fee tables' in a column as narrow.
        auswahl.SetFontSize(9);
        t.Columns().Item(1).Select();
        auswahl.SetAlignment(docx::AlignLeft);
        t.Columns().Item(2).Select();
        auswahl.SetAlignment(docx::AlignLeft);
    });
    const double breiten[] = {4, 8, 3, 2.5};
    for (int spalte = 1; spalte <= 4; ++spalte)
        fehler([&] {
            t.Columns().Item(spalte).SetWidth(doc.Application().CentimetersToPoints(breiten[spalte - 1]), 0);
        });
}

void MarkenSchreiben(docx::Document& doc, const Summen& s, Fehlerbereich& fehler) {
    const auto marken = Markenbeträge(s);
    // Found first and written afterwards: each write changes the document's comment index.
    std::vector<std::pair<docx::Range, double>> stellen;
    for (const docx::Comment& k : doc.Comments())
        for (const auto& marke : marken)
            if (k.Text() == marke.first) fehler([&] { stellen.emplace_back(k.Scope(), marke.second); });
    for (auto& stelle : stellen)
        fehler([&] { stelle.first.SetText(Summenbetrag(stelle.second) + " "); });
}

// One row per advance invoice of the order, deducted from this invoice's figures. The remainder does
// not depend on the summary table: without it each row's writing fails on its own.
void AnzahlungenAbziehen(docx::Document& doc, const std::optional<docx::Table>& tabelle,
                         const Auftragskontext& k, Summen& s, const std::vector<Anzahlung>& anzahlungen,
                         Fehlerbereich& fehler) {
    auto t = [&]() -> const docx::Table& {
        if (!tabelle) throw ObjektFehlt("the summary table was not added");
        return *tabelle;
    };
    double anzeige = s.betrag * (100 + k.Mehrwertsteuersatz) / 100;
    int zeile = s.letzteZeile;
    auto neueZeile = [&] {
        fehler([&] { t().Rows().Add(); });
        ++zeile;
        // A new row copies the formatting of the last one, bold marks included.
        fehler([&] {
            for (int spalte = 1; spalte <= 4; ++spalte)
                t().Cell(zeile, spalte).Range().SetBold(false);
        });
        fehler([&] { t().Cell(zeile, 1).SetWidth(doc.Application().CentimetersToPoints(9), 0); });
        fehler([&] { t().Cell(zeile, 2).SetWidth(doc.Application().CentimetersToPoints(3), 0); });
    };
    auto beträge = [&](double netto, double mwst, double brutto, bool fett) {
        fehler([&] { Schreiben(t(), zeile, 2, Summenbetrag(netto), fett); });
        fehler([&] { Schreiben(t(), zeile, 3, Summenbetrag(mwst), fett); });
        fehler([&] { Schreiben(t(), zeile, 4, Summenbetrag(brutto), fett); });
    };
    neueZeile();
    fehler([&] { Schreiben(t(), zeile, 2, "Zwischensumme", true); });
    neueZeile();
    neueZeile();
    neueZeile();
    fehler([&] { Schreiben(t(), zeile, 2, "Entgeld"); });
    fehler([&] { Schreiben(t(), zeile, 3, "Umsatzsteuer"); });
    fehler([&] { Schreiben(t(), zeile, 4, "Summe"); });
    neueZeile();
    beträge(anzeige - s.mwst, s.mwst, anzeige, false);
    neueZeile();
    fehler([&] { Schreiben(t(), zeile, 1, "abzgl. Anzahlungen"); });
    for (const Anzahlung& b : anzahlungen) {
        neueZeile();
        fehler([&] { Schreiben(t(), zeile, 1, b.text); });
        beträge(b.netto + b.frei, b.brutto - b.netto - b.frei, b.brutto, false);
    }
    Restbetrag rest = AnzahlungenVerrechnen(s, anzahlungen);
    neueZeile();
    fehler([&] { Schreiben(t(), zeile, 1, "verbl. Restbetrag", true); });
    beträge(rest.netto, rest.mwst, rest.brutto, true);
}

void RechnungSpeichern(const Auftragskontext& k, const Summen& s, Fehlerbereich& fehler) {
    dao::Recordset& rechnung = *k.Rechnung;
    bool gutschrift = false;
    fehler([&] { gutschrift = AlsDouble(rechnung.Fields("Rechnungsart").Value()) == 7; });
    const Datensatzbeträge b = Speicherbeträge(s, gutschrift);
    fehler([&] { rechnung.Edit(); });
    fehler([&] { rechnung.Fields("NettoRechnung") = Variant(b.NettoRechnung); });
    fehler([&] { rechnung.Fields("Brutto") = Variant(b.Brutto); });
    fehler([&] { rechnung.Fields("MehrwertsteuerFreierbetrag") = Variant(b.MehrwertsteuerFreierbetrag); });
    fehler([&] { rechnung.Fields("Mehrwertsteuersatz") = Variant(k.Mehrwertsteuersatz); });
    fehler([&] { rechnung.Update(); });
}

} // namespace

void SummeBilden(bool zahlungsziel) {
    Fehlerbereich fehler{modul, "SummeBilden"};
    Auftragskontext& k = Auftrag();
    if (!k.Doc) {
        fehler([] { throw ObjektFehlt("no document"); });
        return;
    }
    docx::Document& doc = *k.Doc;
    Summen s = SummenBerechnen(doc, k, fehler);
    AlteSummentabelleEntfernen(doc);

    std::optional<docx::Table> tabelle;
    fehler([&] { tabelle = doc.Tables().Add(SummenAnker(doc), s.letzteZeile, 4); });
    if (tabelle) SummentabelleFüllen(doc, *tabelle, k, s, fehler);
    MarkenSchreiben(doc, s, fehler);
    if (k.Rechnung) {
        std::vector<Anzahlung> anzahlungen = AnzahlungenLesen(k, fehler);
        if (!anzahlungen.empty()) AnzahlungenAbziehen(doc, tabelle, k, s, anzahlungen, fehler);
        RechnungSpeichern(k, s, fehler);
    }
    Zahlungsziel(doc, zahlungsziel);
}

} // namespace kovelund
