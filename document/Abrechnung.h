#pragma once
// A fee statement as a list of rows. A window appends its rows, each with what its cells receive in
// the order they receive it, and Abrechnungstabelle writes exactly these rows into a table of their
// number, so a statement's row count is never stated twice. The rows every statement shares (fee
// rows, the share rows, the expense heading and the expense rows) are made here, and the fee and
// expense sums grow with them.

#include <deque>
#include <initializer_list>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace kovelund {

/// An amount as a statement writes it: WertFormatieren (8, 2) followed by " €".
std::string Betragstext(double betrag);

/// How a statement writes a number it computes itself (a percentage, a count of days): in the
/// locale's general number format ("33,3333333333333") or as plain number text (" 33.3333333333333").
enum class Zahlform { Allgemein, Zahltext };
std::string Zahlschrift(double wert, Zahlform form);
/// The number such a text starts with, read back the way it was written.
double ZahlschriftLesen(std::string_view text, Zahlform form);

/// How the table is laid out as a whole before its rows are written:
/// `Tabellenform({5.6, 3.5, 3.0}).AlleRechts().Links(1)`.
struct Tabellenform {
    /// The columns' widths in centimetres; their number is the table's number of columns.
    explicit Tabellenform(std::vector<double> spaltenbreiten) : breiten(std::move(spaltenbreiten)) {}

    /// Every cell aligned right first (the columns of Links then go left).
    Tabellenform& AlleRechts() { return alleRechts = true, *this; }
    Tabellenform& Rechts(int spalte) { return rechts.push_back(spalte), *this; }
    Tabellenform& Links(int spalte) { return links.push_back(spalte), *this; }
    /// A decimal tab stop over the whole column, `zentimeter` from its left edge.
    Tabellenform& Dezimaltab(int spalte, double zentimeter) {
        return dezimaltab = {spalte, zentimeter}, *this;
    }
    /// A document bookmark of this name on cell (1, 5).
    Tabellenform& Lesezeichen(std::string name) { return lesezeichen = std::move(name), *this; }
    /// The font size, in points, of the place the table is added at.
    Tabellenform& Schriftgröße(double punkte) { return schriftgröße = punkte, *this; }

    std::vector<double> breiten;
    bool alleRechts = false;
    std::vector<int> rechts;
    std::vector<int> links;
    std::optional<std::pair<int, double>> dezimaltab;
    std::string lesezeichen;
    std::optional<double> schriftgröße;
};

/// One row of a statement: the steps its cells receive, in their order.
class Zeile {
public:
    enum class Art { Text, KleinerText, Breite, Blockbreite, Dezimaltab, Rechts, Steuerfrei };
    struct Schritt {
        Art art;
        int spalte;
        std::string text;
        double zahl = 0;
        bool fett = false;
        std::optional<int> ausrichtung;
    };

    /// Appends the text to the cell; bold is set on the whole cell after the text is in.
    Zeile& Text(int spalte, std::string text, bool fett = false);
    /// Appends the text to the cell in a font `punkte` points smaller than the cell's text so far.
    Zeile& KleinerText(int spalte, std::string text, double punkte);
    /// The width of this row's cell in centimetres; its neighbours keep theirs.
    Zeile& Breite(int spalte, double zentimeter);
    /// The widths of this row's cells from column 1 on.
    Zeile& Breiten(std::initializer_list<double> zentimeter);
    /// The width, and the alignment when given, of the column's cells from this row to the last.
    Zeile& Blockbreite(int spalte, double zentimeter, std::optional<int> ausrichtung = std::nullopt);
    /// A decimal tab stop in the cell.
    Zeile& Dezimaltab(int spalte, double zentimeter);
    /// The cell's paragraphs aligned right.
    Zeile& Rechts(int spalte);
    /// Marks the cell's amount as free of VAT: a comment "0" on it, which the totals read as its rate.
    Zeile& Steuerfrei(int spalte);

    const std::vector<Schritt>& Schritte() const { return schritte_; }

private:
    std::vector<Schritt> schritte_;
};

class Abrechnung {
public:
    /// `anteil` is the customer's share (1: the whole fee, and no share rows); `zahlform` how the
    /// statement writes the numbers it computes.
    explicit Abrechnung(Tabellenform form, double anteil = 1, Zahlform zahlform = Zahlform::Allgemein);

    const Tabellenform& Form() const { return form_; }
    double Anteil() const { return anteil_; }
    bool Anteilig() const { return anteil_ < 1; }
    /// Where fee and expense amounts stand: column 5, which the totals bill, unless only a share is
    /// charged; then the full amounts move to 7 and 8 and column 5 holds the shares.
    int Gebührenspalte() const { return Anteilig() ? 7 : 5; }
    int Auslagenspalte() const { return Anteilig() ? 8 : 5; }
    double Gebührensumme() const { return gebühren_; }
    double Auslagensumme() const { return auslagen_; }
    Zahlform Zahlen() const { return zahlform_; }
    /// The share in percent, as the share rows write it.
    std::string Prozent() const;

    /// Appends a row; the reference stays valid as long as the statement.
    Zeile& Neue();
    /// Appends rows that stay empty: rows the layout keeps free.
    void Leer(int anzahl = 1);
    /// The rows so far; row numbers count from 1.
    int Zeilen() const { return static_cast<int>(zeilen_.size()); }
    const Zeile& operator[](int zeile) const { return zeilen_.at(static_cast<std::size_t>(zeile - 1)); }

    /// The table's marker is set once the rows so far are written; without this call, after the last.
    void MarkeSetzen() { markeNach_ = Zeilen(); }
    std::optional<int> MarkeNach() const { return markeNach_; }

    /// A fee row: tariff item, description, quantity and rate (each written when not empty) and the
    /// amount in the fee column, which the fee sum takes.
    Zeile& Gebühr(std::string_view tarif, std::string_view bezeichnung, std::string_view menge,
                  std::string_view satz, double betrag);
    /// "Zwischensumme" and the fee sum in column 7, both bold.
    Zeile& Zwischensumme();
    /// The customer's part of the fee sum: `beschreibung` and a line break, then "p % von", the fee
    /// sum in column 2; the share of it in column 5.
    Zeile& AnteilDerGebühren(std::string_view beschreibung);
    /// A carriage return and "Umsatzsteuerfreie Auslagen", bold.
    Zeile& AuslagenÜberschrift();
    /// An expense row: texts as a fee row, the amount in the expense column and, in column 5, marked
    /// free of VAT; the expense sum takes it.
    Zeile& Auslage(std::string_view tarif, std::string_view bezeichnung, std::string_view menge,
                   std::string_view satz, double betrag);
    /// When only a share is charged, the last row: "anteilige Auslagen " and "p % von" the expense
    /// sum in column 2, the share of it in column 5, marked free of VAT. Without expense rows the row
    /// is kept empty and none is returned; with the whole fee no row is added.
    Zeile* AnteiligeAuslagen();

private:
    Zeile& Posten(std::string_view tarif, std::string_view bezeichnung, std::string_view menge,
                  std::string_view satz);

    Tabellenform form_;
    double anteil_;
    Zahlform zahlform_;
    std::deque<Zeile> zeilen_;
    std::optional<int> markeNach_;
    double gebühren_ = 0;
    double auslagen_ = 0;
    bool mitAuslagen_ = false;
};

} // namespace kovelund
