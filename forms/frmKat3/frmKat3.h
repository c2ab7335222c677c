#pragma once
// The calculator window of category 3, "Einmessung von Gebäuden": one grid row per building with
// its value, count, surcharge and the customer's share, each row's cost from the building survey
// scale; the break points of land-use boundaries, the survey together with a cadastral update, and
// the two expenses. There is no running fee: each row shows its cost, and "&OK" writes the fee
// statement (marker "Kovelund_3").

#include "forms/Gridfenster.h"
#include "platform/ui/CheckBox.h"
#include "platform/ui/Label.h"
#include "platform/ui/MaskEdBox.h"

#include <string>
#include <string_view>

namespace kovelund {

class Fehlerbereich;

class frmKat3 : public Gridfenster {
public:
    frmKat3();

    /// One row per building: (1) the parcel text, (2) the value W (9, 2), (3) the count N (3, 0),
    /// (4) the surcharge Z in per cent (3, 0), (5) the share A in thousandths (4, 0), (6) the cost (8, 2).
    ui::Grid& GridGebühren = Gitter;
    /// Ticked: the survey goes with a cadastral update (13.1.3), every row's cost is 70 %.
    ui::CheckBox chkFortführung{*this, "chkFortführung"};
    ui::Label lblBrechpunkte{*this, "lblBrechpunkte"};
    /// The number of break points of land-use boundaries, 60,00 € each.
    ui::MaskEdBox mskBrechpunkte{*this, "mskBrechpunkte"};
    /// Survey documents (5.3.3), 30 % of the building costs, at most 120 €.
    ui::CheckBox chkVUnterlagen{*this, "chkVUnterlagen"};
    /// Takeover fee (14.4), 10 % of the building costs.
    ui::CheckBox chkÜbernahme{*this, "chkÜbernahme"};

    /// A row's cost before its share: the scale fee for its value times its count, 70 % with a
    /// cadastral update, plus its surcharge.
    double KostenVorAnteil(int zeile) const;

    /// Cell 1 of the statement's break-point row and the tariff items of its expense rows, by which
    /// the restore tells them from the building rows.
    static constexpr std::string_view Brechpunktzeile = "Einmessung von Nutzungsartengrenzen für";
    static constexpr std::string_view UnterlagenTarif = "5.3.3";
    static constexpr std::string_view ÜbernahmeTarif = "14.4";

protected:
    void Wiederherstellen(const docx::Table& tabelle) override;
    void NeuAnlegen() override;
    void GridEinrichten() override;
    void NeuWerte() override;
    void ÜbernehmenWerte() override;
    void ZelleFormatieren() override;
    int LetzteSpalte() const override { return 5; }

    bool EtwasZuSchreiben() override;
    Abrechnung Aufstellen() override;

private:
    /// Writes the cost of grid row `zeile` into its column 6; its failures go to `fehler`.
    void KostenSchreiben(int zeile, Fehlerbereich& fehler);
    void chkFortführung_Click();

    /// Restore steps: the rows after the title that are no building, counted, with the expense
    /// boxes ticked; then one table row read back into the grid or mskBrechpunkte.
    int Zusatzzeilen(const docx::Table& tabelle, int zeilen);
    void ZeileLesen(const docx::Table& tabelle, int tabellenzeile);
};

} // namespace kovelund
