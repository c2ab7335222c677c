#include "totals/Summen.h"

#include "common/Funktionen.h"
#include "common/Texte.h"
#include "common/Variant.h"
#include "common/Zahlen.h"
#include "document/Zelltext.h"
#include "platform/dao/Database.h"
#include "platform/dao/Recordset.h"
#include "platform/docx/Comment.h"

#include <algorithm>

namespace kovelund {

namespace {

constexpr const char* modul = "GebührenTabelle";

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

std::string Datumstext(dao::Database& db, const Variant& rechnungsnummer) {
    auto termin = db.OpenRecordset("SELECT * FROM Termine WHERE ID_Rechnungsnummer = " +
                                   std::to_string(AlsLong(rechnungsnummer)) + " AND ID_Terminart = 8");
    return AlsText(Variant(AlsDatum(termin->Fields("Datum").Value())));
}

Anzahlung AnzahlungLesen(dao::Database& db, dao::Recordset& a, Fehlerbereich& fehler) {
    Anzahlung betrag;
    std::string datum;
    fehler([&] { datum = Datumstext(db, a.Fields("ID_Rechnungsnummer").Value()); });
    fehler([&] {
        betrag.text = "Rechnung Nr. " + AlsText(a.Fields("Rechnungsnummer").Value()) + " vom " + datum;
    });
    fehler([&] { betrag.netto = AlsDouble(a.Fields("NettoRechnung").Value()) / 100; });
    fehler([&] { betrag.frei = AlsDouble(a.Fields("MehrwertsteuerFreierbetrag").Value()) / 100; });
    fehler([&] { betrag.brutto = AlsDouble(a.Fields("Brutto").Value()) / 100; });
    return betrag;
}

} // namespace

std::string Summenbetrag(double betrag) {
    return WertFormatieren(betrag, 11, 2) + " €";
}

bool IstSummentabelle(const docx::Table& tabelle) {
    return tabelle.Cell(1, 2).Range().Text() == "Summe\r\a";
}

void TabelleSammeln(const docx::Table& tabelle, std::int16_t standardsatz, Summen& s) {
    Fehlerbereich still{modul, "SummeBilden", Fehlerbereich::Art::Ignorieren};
    int zeilen = 0;
    still([&] { zeilen = tabelle.Rows().Count(); });
    for (int zeile = 1; zeile <= zeilen; ++zeile)
        still([&] { ZeileSammeln(tabelle, zeile, standardsatz, s); });
}

Summen SummenBerechnen(const docx::Document& doc, const Auftragskontext& k, Fehlerbereich& fehler) {
    Summen s;
    Fehlerbereich still{modul, "SummeBilden", Fehlerbereich::Art::Ignorieren};
    for (const docx::Table& tabelle : doc.Tables()) {
        bool summentabelle = false;
        still([&] { summentabelle = IstSummentabelle(tabelle); });
        if (!summentabelle) TabelleSammeln(tabelle, k.Mehrwertsteuersatz, s);
    }
    RechnungsanteilBestimmen(k, s, fehler);
    return s;
}

std::vector<Summenzeile> Summenzeilen(const Summen& s, const Auftragskontext& k) {
    std::vector<Summenzeile> zeilen{{1, 2, "Summe"}, {1, 4, Summenbetrag(s.gesamt)}};
    if (s.ersteMwStZeile == 3) {
        std::string text = "Abschlagszahlung von ";
        if (k.AbschlagProzent < 100) text += std::to_string(k.AbschlagProzent) + "%";
        zeilen.push_back({2, 2, text, true});
        zeilen.push_back({2, 4, Summenbetrag(s.betrag)});
    }
    int zeile = s.ersteMwStZeile;
    for (const auto& e : s.sätze) {
        zeilen.push_back({zeile, 2, "Mehrwertsteuer " + WertFormatieren(e.satz, 2, 0) + " %"});
        zeilen.push_back({zeile, 3, Summenbetrag(e.summe * s.anteil)});
        zeilen.push_back({zeile, 4, Summenbetrag(e.satz * e.summe * s.anteil / 100)});
        ++zeile;
    }
    zeilen.push_back({s.letzteZeile, 2, "Rechnungsbetrag"});
    zeilen.push_back({s.letzteZeile, 4, Summenbetrag(s.mwst + s.betrag), true});
    return zeilen;
}

std::vector<std::pair<std::string, double>> Markenbeträge(const Summen& s) {
    return {
        {"vamoGesamt", s.mwst + s.betrag},
        {"vamoNetto", s.betrag},
        {"vamoMwSt", s.mwst},
        {"vamoBrutto", s.betrag + s.mwst},
        {"vamoAuslagen", s.betrag - s.steuerpflichtig},
    };
}

std::vector<Anzahlung> AnzahlungenLesen(const Auftragskontext& k, Fehlerbereich& fehler) {
    std::vector<Anzahlung> anzahlungen;
    if (!k.Rechnung) return anzahlungen;
    dao::Recordset& rechnung = *k.Rechnung;
    bool schlussrechnung = false;
    fehler([&] { schlussrechnung = AlsDouble(rechnung.Fields("Rechnungsart").Value()) == 4; });
    if (!schlussrechnung) return anzahlungen;
    std::shared_ptr<dao::Recordset> gefunden;
    fehler([&] {
        if (!k.NeueAbfrage) throw ObjektFehlt("no host database for the advance invoices");
        gefunden = k.NeueAbfrage->OpenRecordset(
            "SELECT * FROM Rechnung WHERE ID_Auftragsnummer = " +
                std::to_string(AlsLong(rechnung.Fields("ID_Auftragsnummer").Value())) +
                " AND Rechnungsart = 5",
            dao::RecordsetType::Dynaset);
    });
    if (!gefunden) return anzahlungen;
    for (; !gefunden->Eof(); gefunden->MoveNext())
        anzahlungen.push_back(AnzahlungLesen(*k.NeueAbfrage, *gefunden, fehler));
    return anzahlungen;
}

Restbetrag AnzahlungenVerrechnen(Summen& s, const std::vector<Anzahlung>& anzahlungen) {
    Restbetrag rest{s.betrag, s.mwst, s.betrag + s.mwst};
    // Without advances the invoice keeps its own figures: no remainder is listed either.
    if (anzahlungen.empty()) return rest;
    for (const Anzahlung& b : anzahlungen) {
        rest.netto -= b.netto + b.frei;
        rest.mwst -= b.brutto - b.netto - b.frei;
        rest.brutto -= b.brutto;
    }
    s.steuerpflichtig = rest.netto;
    s.mwst = rest.mwst;
    s.betrag = rest.brutto - rest.mwst;
    return rest;
}

Datensatzbeträge Speicherbeträge(const Summen& s, bool gutschrift) {
    double vorzeichen = gutschrift ? -1 : 1;
    return {vorzeichen * s.steuerpflichtig * 100, vorzeichen * (s.betrag + s.mwst) * 100,
            vorzeichen * (s.betrag - s.steuerpflichtig) * 100};
}

} // namespace kovelund
