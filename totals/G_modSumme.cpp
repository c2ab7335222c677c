#include "totals/G_modSumme.h"

#include "common/Fehler.h"
#include "common/Funktionen.h"
#include "common/Texte.h"
#include "common/Zahlen.h"
#include "component/Auftragskontext.h"
#include "document/Zelltext.h"
#include "platform/dao/Database.h"
#include "platform/dao/Recordset.h"
#include "platform/docx/Comment.h"
#include "platform/docx/Selection.h"
#include "platform/docx/Table.h"

#include <algorithm>
#include <vector>

namespace kovelund {

namespace {

constexpr const char* modul = "GebührenTabelle";

struct Satzsumme {
    std::int16_t satz;
    double summe;
};

// The working values of one run.
struct Summen {
    double gesamt = 0;
    std::vector<Satzsumme> sätze;
    double mwst = 0;
    double steuerpflichtig = 0;
    double betrag = 0;
    double anteil = 0;
    int ersteMwStZeile = 2;
    int letzteZeile = 3;
};

std::string Euro(double betrag) {
    return WertFormatieren(betrag, 11, 2) + " €";
}

void Hinzufügen(Summen& s, double satz, double betrag) {
    if (satz > 0) {
        auto gleich = [satz](const Satzsumme& e) { return e.satz == satz; };
        auto eintrag = std::find_if(s.sätze.begin(), s.sätze.end(), gleich);
        if (eintrag == s.sätze.end()) {
            s.sätze.push_back({AlsInteger(satz), 0});
            eintrag = s.sätze.end() - 1;
        }
        eintrag->summe += betrag;
    }
    s.gesamt += betrag;
}

// A row whose amount cell cannot be read (a table of fewer than five columns) adds nothing.
void ZeileSammeln(const docx::Table& tabelle, int zeile, std::int16_t standardsatz, Summen& s) {
    docx::Cell zelle = tabelle.Cell(zeile, 5);
    std::string text = Tausche(Zelltext(zelle), "\r", "");
    if (text.empty()) return;
    double satz = standardsatz;
    Fehlerbereich still{modul, "SummeBilden", Fehlerbereich::Art::Ignorieren};
    still([&] {
        auto kommentare = zelle.Range().Comments();
        if (kommentare.Count() > 0) satz = FührendeZahl(kommentare.Item(1).Text());
    });
    Hinzufügen(s, satz, CVal(text));
}

void BeträgeSammeln(docx::Document& doc, std::int16_t standardsatz, Summen& s) {
    Fehlerbereich still{modul, "SummeBilden", Fehlerbereich::Art::Ignorieren};
    for (const docx::Table& tabelle : doc.Tables()) {
        bool summentabelle = false;
        still([&] { summentabelle = tabelle.Cell(1, 2).Range().Text() == "Summe\r\a"; });
        if (summentabelle) continue;
        int zeilen = 0;
        still([&] { zeilen = tabelle.Rows().Count(); });
        for (int zeile = 1; zeile <= zeilen; ++zeile)
            still([&] { ZeileSammeln(tabelle, zeile, standardsatz, s); });
    }
}

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

// VAT and the share of the invoice: a full invoice, an advance of a fixed amount, or of a percentage.
void RechnungsanteilBestimmen(const Auftragskontext& k, Summen& s, Fehlerbereich& fehler) {
    for (const auto& e : s.sätze) {
        s.mwst += e.satz * e.summe / 100;
        s.steuerpflichtig += e.summe;
    }
    if (k.AbschlagAbsolut == 0 && k.AbschlagProzent == 100) {
        s.betrag = s.gesamt;
        s.anteil = 1;
        s.ersteMwStZeile = 2;
        s.letzteZeile = 3;
    } else if (k.AbschlagProzent >= 100) {
        fehler([&] { s.anteil = Teilen(k.AbschlagAbsolut, s.gesamt); });
        s.mwst *= s.anteil;
        s.steuerpflichtig *= s.anteil;
        s.betrag = k.AbschlagAbsolut;
        s.ersteMwStZeile = 3;
        s.letzteZeile = 4;
    } else {
        double p = k.AbschlagProzent / 100.0;
        // The product first, as the amount is defined: Total × (p / 100) can end a cent apart.
        s.betrag = s.gesamt * k.AbschlagProzent / 100;
        s.mwst *= p;
        s.steuerpflichtig *= p;
        s.anteil = p;
        s.ersteMwStZeile = 3;
        s.letzteZeile = 4;
    }
    s.letzteZeile += static_cast<int>(s.sätze.size());
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
    fehler([&] { Schreiben(t, 1, 2, "Summe"); });
    fehler([&] { Schreiben(t, 1, 4, Euro(s.gesamt)); });
    if (s.ersteMwStZeile == 3) {
        fehler([&] {
            std::string text = "Abschlagszahlung von ";
            if (k.AbschlagProzent < 100) text += std::to_string(k.AbschlagProzent) + "%";
            Schreiben(t, 2, 2, text, true);
        });
        fehler([&] { Schreiben(t, 2, 4, Euro(s.betrag)); });
    }
    int zeile = s.ersteMwStZeile;
    for (const auto& e : s.sätze) {
        fehler([&] { Schreiben(t, zeile, 2, "Mehrwertsteuer " + WertFormatieren(e.satz, 2, 0) + " %"); });
        fehler([&] { Schreiben(t, zeile, 3, Euro(e.summe * s.anteil)); });
        fehler([&] { Schreiben(t, zeile, 4, Euro(e.satz * e.summe * s.anteil / 100)); });
        ++zeile;
    }
    fehler([&] { Schreiben(t, s.letzteZeile, 2, "Rechnungsbetrag"); });
    fehler([&] { Schreiben(t, s.letzteZeile, 4, Euro(s.mwst + s.betrag), true); });
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
    const std::pair<const char*, double> marken[] = {
        {"vamoGesamt", s.mwst + s.betrag},
        {"vamoNetto", s.betrag},
        {"vamoMwSt", s.mwst},
        {"vamoBrutto", s.betrag + s.mwst},
        {"vamoAuslagen", s.betrag - s.steuerpflichtig},
    };
    // Found first and written afterwards: each write changes the document's comment index.
    std::vector<std::pair<docx::Range, double>> stellen;
    for (const docx::Comment& k : doc.Comments())
        for (const auto& marke : marken)
            if (k.Text() == marke.first) fehler([&] { stellen.emplace_back(k.Scope(), marke.second); });
    for (auto& stelle : stellen)
        fehler([&] { stelle.first.SetText(Euro(stelle.second) + " "); });
}

std::string Datumstext(dao::Database& db, const Variant& rechnungsnummer) {
    auto termin = db.OpenRecordset("SELECT * FROM Termine WHERE ID_Rechnungsnummer = " +
                                   std::to_string(AlsLong(rechnungsnummer)) + " AND ID_Terminart = 8");
    return AlsText(Variant(AlsDatum(termin->Fields("Datum").Value())));
}

// The amounts of one advance invoice, in euros; a field that cannot be read counts 0.
struct Anzahlung {
    double netto = 0;
    double frei = 0;
    double brutto = 0;
};

Anzahlung AnzahlungLesen(dao::Recordset& a, Fehlerbereich& fehler) {
    Anzahlung betrag;
    fehler([&] { betrag.netto = AlsDouble(a.Fields("NettoRechnung").Value()) / 100; });
    fehler([&] { betrag.frei = AlsDouble(a.Fields("MehrwertsteuerFreierbetrag").Value()) / 100; });
    fehler([&] { betrag.brutto = AlsDouble(a.Fields("Brutto").Value()) / 100; });
    return betrag;
}

// One row per advance invoice of the order, deducted from this invoice's figures. The remainder does
// not depend on the summary table: without it each row's writing fails on its own.
void AnzahlungenAbziehen(docx::Document& doc, const std::optional<docx::Table>& tabelle,
                         const Auftragskontext& k, Summen& s, Fehlerbereich& fehler) {
    dao::Recordset& rechnung = *k.Rechnung;
    bool schlussrechnung = false;
    fehler([&] { schlussrechnung = AlsDouble(rechnung.Fields("Rechnungsart").Value()) == 4; });
    if (!schlussrechnung) return;
    std::shared_ptr<dao::Recordset> anzahlungen;
    fehler([&] {
        if (!k.NeueAbfrage) throw ObjektFehlt("no host database for the advance invoices");
        anzahlungen = k.NeueAbfrage->OpenRecordset(
            "SELECT * FROM Rechnung WHERE ID_Auftragsnummer = " +
                std::to_string(AlsLong(rechnung.Fields("ID_Auftragsnummer").Value())) +
                " AND Rechnungsart = 5",
            dao::RecordsetType::Dynaset);
    });
    if (!anzahlungen || anzahlungen->Eof()) return;

    auto t = [&]() -> const docx::Table& {
        if (!tabelle) throw ObjektFehlt("the summary table was not added");
        return *tabelle;
    };
    double restNetto = s.betrag, restMwSt = s.mwst, restBrutto = s.betrag + s.mwst;
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
    neueZeile();
    fehler([&] { Schreiben(t(), zeile, 2, "Zwischensumme", true); });
    neueZeile();
    neueZeile();
    neueZeile();
    fehler([&] { Schreiben(t(), zeile, 2, "Entgeld"); });
    fehler([&] { Schreiben(t(), zeile, 3, "Umsatzsteuer"); });
    fehler([&] { Schreiben(t(), zeile, 4, "Summe"); });
    neueZeile();
    fehler([&] { Schreiben(t(), zeile, 2, Euro(anzeige - s.mwst)); });
    fehler([&] { Schreiben(t(), zeile, 3, Euro(s.mwst)); });
    fehler([&] { Schreiben(t(), zeile, 4, Euro(anzeige)); });
    neueZeile();
    fehler([&] { Schreiben(t(), zeile, 1, "abzgl. Anzahlungen"); });
    for (; !anzahlungen->Eof(); anzahlungen->MoveNext()) {
        neueZeile();
        dao::Recordset& a = *anzahlungen;
        std::string datum;
        fehler([&] { datum = Datumstext(*k.NeueAbfrage, a.Fields("ID_Rechnungsnummer").Value()); });
        fehler([&] {
            Schreiben(t(), zeile, 1,
                      "Rechnung Nr. " + AlsText(a.Fields("Rechnungsnummer").Value()) + " vom " + datum);
        });
        Anzahlung b = AnzahlungLesen(a, fehler);
        fehler([&] { Schreiben(t(), zeile, 2, Euro(b.netto + b.frei)); });
        fehler([&] { Schreiben(t(), zeile, 3, Euro(b.brutto - b.netto - b.frei)); });
        fehler([&] { Schreiben(t(), zeile, 4, Euro(b.brutto)); });
        restNetto -= b.netto + b.frei;
        restMwSt -= b.brutto - b.netto - b.frei;
        restBrutto -= b.brutto;
    }
    neueZeile();
    fehler([&] { Schreiben(t(), zeile, 1, "verbl. Restbetrag", true); });
    fehler([&] { Schreiben(t(), zeile, 2, Euro(restNetto), true); });
    fehler([&] { Schreiben(t(), zeile, 3, Euro(restMwSt), true); });
    fehler([&] { Schreiben(t(), zeile, 4, Euro(restBrutto), true); });
    s.steuerpflichtig = restNetto;
    s.mwst = restMwSt;
    s.betrag = restBrutto - restMwSt;
}

void RechnungSpeichern(const Auftragskontext& k, const Summen& s, Fehlerbereich& fehler) {
    dao::Recordset& rechnung = *k.Rechnung;
    double vorzeichen = 1;
    fehler([&] {
        if (AlsDouble(rechnung.Fields("Rechnungsart").Value()) == 7) vorzeichen = -1;
    });
    fehler([&] { rechnung.Edit(); });
    fehler([&] { rechnung.Fields("NettoRechnung") = Variant(vorzeichen * s.steuerpflichtig * 100); });
    fehler([&] { rechnung.Fields("Brutto") = Variant(vorzeichen * (s.betrag + s.mwst) * 100); });
    fehler([&] {
        rechnung.Fields("MehrwertsteuerFreierbetrag") =
            Variant(vorzeichen * (s.betrag - s.steuerpflichtig) * 100);
    });
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
    Summen s;
    BeträgeSammeln(doc, k.Mehrwertsteuersatz, s);
    AlteSummentabelleEntfernen(doc);
    RechnungsanteilBestimmen(k, s, fehler);

    std::optional<docx::Table> tabelle;
    fehler([&] { tabelle = doc.Tables().Add(SummenAnker(doc), s.letzteZeile, 4); });
    if (tabelle) SummentabelleFüllen(doc, *tabelle, k, s, fehler);
    MarkenSchreiben(doc, s, fehler);
    if (k.Rechnung) AnzahlungenAbziehen(doc, tabelle, k, s, fehler);
    if (k.Rechnung) RechnungSpeichern(k, s, fehler);
    Zahlungsziel(doc, zahlungsziel);
}

} // namespace kovelund
