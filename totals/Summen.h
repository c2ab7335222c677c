#pragma once
// The figures of the invoice totals, computed from the fee tables apart from writing them: what the
// summary table, the total markers and the invoice record show. SummeBilden writes them; the invoice
// check compares them with what an invoice holds.

#include "common/Fehler.h"
#include "component/Auftragskontext.h"
#include "platform/docx/Document.h"
#include "platform/docx/Table.h"

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

namespace kovelund {

struct Satzsumme {
    std::int16_t satz;
    double summe;
};

/// The working values of one run of the totals.
struct Summen {
    /// Every amount of every fee table, whatever its rate.
    double gesamt = 0;
    /// The positive rates in order of first appearance, each with the amounts that carry it.
    std::vector<Satzsumme> sätze;
    double mwst = 0;
    double steuerpflichtig = 0;
    /// The net amount of this invoice: the whole total or the advance.
    double betrag = 0;
    double anteil = 0;
    int ersteMwStZeile = 2;
    int letzteZeile = 3;
};

/// An amount as the totals write it: width 11, two decimals, " €".
std::string Summenbetrag(double betrag);

/// Whether the table is the summary table of an earlier run (cell (1, 2) reads exactly "Summe").
bool IstSummentabelle(const docx::Table& tabelle);

/// Adds the amounts in column 5 of one table to `s`: a comment on an amount cell gives its rate,
/// else `standardsatz`; a row that cannot be read adds nothing.
void TabelleSammeln(const docx::Table& tabelle, std::int16_t standardsatz, Summen& s);

/// The figures for the document's fee tables and the advance the order context asks for; the
/// document is not changed. A fixed advance over a total of 0 is logged in `fehler` (share 0).
Summen SummenBerechnen(const docx::Document& doc, const Auftragskontext& k, Fehlerbereich& fehler);

/// One text of the summary table.
struct Summenzeile {
    int zeile;
    int spalte;
    std::string text;
    bool fett = false;
};

/// The texts of the summary table in the order written: sum, advance, one row per rate, invoice
/// amount. The rows of advance invoices on a final invoice are not among them.
std::vector<Summenzeile> Summenzeilen(const Summen& s, const Auftragskontext& k);

/// The total markers ("vamoGesamt", "vamoNetto", "vamoMwSt", "vamoBrutto", "vamoAuslagen") with
/// the amount each shows.
std::vector<std::pair<std::string, double>> Markenbeträge(const Summen& s);

/// One earlier advance invoice of the order, as a final invoice lists it; amounts in euros.
struct Anzahlung {
    std::string text;
    double netto = 0;
    double frei = 0;
    double brutto = 0;
};

/// The advance invoices to deduct: none unless the order context's invoice record is a final
/// invoice (Rechnungsart 4) whose order has advance invoices (Rechnungsart 5). A field that cannot
/// be read is logged in `fehler` and counts 0 (its text stays short).
std::vector<Anzahlung> AnzahlungenLesen(const Auftragskontext& k, Fehlerbereich& fehler);

/// What remains of this invoice after its advances, as the final invoice lists it.
struct Restbetrag {
    double netto = 0;
    double mwst = 0;
    double brutto = 0;
};

/// Reduces net, VAT and amount of `s` by the advances and returns the remainder; without advances
/// `s` stays as it is.
Restbetrag AnzahlungenVerrechnen(Summen& s, const std::vector<Anzahlung>& anzahlungen);

/// The amounts stored in the invoice record, in cents as doubles.
struct Datensatzbeträge {
    double NettoRechnung = 0;
    double Brutto = 0;
    double MehrwertsteuerFreierbetrag = 0;
};

/// The record's amounts for `s` (after the advances); negated for a credit note (Rechnungsart 7).
Datensatzbeträge Speicherbeträge(const Summen& s, bool gutschrift);

} // namespace kovelund
