#pragma once
// The calculator window of category 4, "Langgestreckte Anlagen": the sections of a road or pipeline
// in a grid, one line per parcel section with its category, boundary length, side and terrain and
// the separated parcels of two kinds, the number of area computations, a surcharge and two expenses.
// It shows no running fee; the fee of tariff 10.2 is computed on "&OK" while the statement
// (marker "Kovelund_4") is written.

#include "forms/Gridfenster.h"
#include "platform/ui/CheckBox.h"
#include "platform/ui/ComboBox.h"
#include "platform/ui/Label.h"
#include "platform/ui/MaskEdBox.h"

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace kovelund {

/// The kinds of terrain of grid column 5, numbered by their weight minus one: a section in
/// "Ortslage" bills three times the partial fee B of one in "Großfläche".
enum class Gelände { Großfläche = 0, Feldlage = 1, Ortslage = 2 };
/// The terrain a column 5 text names; any text other than "Feldlage" and "Ortslage" is "Großfläche".
Gelände GeländeDerArt(std::string_view art);
/// "Großfläche", "Feldlage" or "Ortslage".
const char* Geländename(Gelände gelände);

/// One grid line as its seven cells hold it.
struct Abschnitt {
    std::string flurstück;
    std::string kategorie;
    std::string länge;
    std::string seite;
    std::string art;
    /// Separated parcels with new boundary marks (column 6) and without (column 7).
    std::string mitNeuenGM;
    std::string ohneNeueGM;
};

/// The rates of tariff 10.2 ("Gebührenstaffel 2") of one base-fee category as the statement prints
/// them; the fee reads its numbers from these texts with CVal.
struct Staffel2 {
    std::string_view kategorie;
    std::string_view grundgebühr;
    std::string_view satzB;
    std::string_view satzC1;
    std::string_view satzC2;
};

/// The rates of the category the facility is billed in: the shortest category text of its lines,
/// starting from "III", so one line of category I makes the whole facility category I.
const Staffel2& Grundgebührstufe(const std::vector<Abschnitt>& abschnitte);

/// The started 10-m units of one line: its length, times 0,9 unless on "Seite 1", then
/// Int(L / 10 + 0,9).
double Einheiten(std::string_view länge, std::string_view seite);

/// The started half kilometres of the survey documents for a total length in metres:
/// Int(2 × km + 0,99).
double HalbeKilometer(double meter);

/// Every quantity of the fee of tariff 10.2 that the grid lines and the count of area computations
/// make. What the boxes add (the surcharge, the expenses) is computed here too; the statement charges
/// it only when its box is checked.
struct Anlagengebühr {
    const Staffel2* staffel = nullptr;
    /// The started units of each line, in the grid's order.
    std::vector<double> einheiten;
    /// Per terrain (indexed by Gelände): whether a line names it, its units, its unweighted B.
    std::array<bool, 3> vorhanden{};
    std::array<double, 3> geländeeinheiten{};
    std::array<double, 3> teilgebührB{};
    double grundgebühr = 0;
    /// The base of the surcharge: A plus the unweighted B amounts.
    double summeB = 0;
    double mitNeuenGM = 0;
    double ohneNeueGM = 0;
    double teilgebührC1 = 0;
    double teilgebührC2 = 0;
    double zuschlag = 0;
    double halbeKilometer = 0;
    double unterlagen = 0;
    double übernahme = 0;
    /// The count of area computations, and what they cost.
    double flächenberechnungen = 0;
    double flächenbetrag = 0;

    /// B of a terrain weighted 1, 2 or 3: the amount charged.
    double Gewichtet(Gelände gelände) const;
    /// Whether the statement writes the rows of the terrain: only when it has units.
    bool MitZeilen(Gelände gelände) const;
    /// The rows counted for terrains that are named but have no units; they stay empty.
    int LeereZeilen() const;
};

/// The count of area computations in the field's text, read as plain number text: blanks skipped,
/// a point as decimal separator, so "1,5" counts 1. A number too large fails with 6.
double Flächenberechnungen(std::string_view feld);

Anlagengebühr AnlagengebührBerechnen(const std::vector<Abschnitt>& abschnitte, double flächenberechnungen);

class frmKat4 : public Gridfenster {
public:
    frmKat4();

    ui::Grid& GridGebühren = Gitter;
    /// The choice boxes laid over grid columns 2, 4 and 5.
    ui::ComboBox comKategorie{*this, "comKategorie"};
    ui::ComboBox comSeitig{*this, "comSeitig"};
    ui::ComboBox comArt{*this, "comArt"};

    ui::Label lblFlächen{*this, "lblFlächen"};
    /// The number of area computations (46,02 € each).
    ui::MaskEdBox mskFlächen{*this, "mskFlächen"};
    /// Surcharge D, 20 % of A and the unweighted B amounts.
    ui::CheckBox chkZuschlag{*this, "chkZuschlag"};
    /// Survey documents (5.3.2), 122,71 € per started half kilometre.
    ui::CheckBox chkVUnterlagen{*this, "chkVUnterlagen"};
    /// Takeover fee (14.2), 40,90 € per separated parcel.
    ui::CheckBox chkÜbernahme{*this, "chkÜbernahme"};

    /// The grid's lines as the fee reads them.
    std::vector<Abschnitt> Abschnitte() const;
    /// The companion table ("Kovelund_4_Ein") looked up after a statement was restored, or none.
    const std::optional<docx::Table>& Begleittabelle() const { return begleittabelle_; }

protected:
    void ListenFüllen() override;
    void Wiederherstellen(const docx::Table& tabelle) override;
    void NeuAnlegen() override;
    void GridEinrichten() override;
    void NeuWerte() override;
    void ZelleFormatieren() override;
    int LetzteSpalte() const override { return 7; }

    /// The statement reads the grid as it stands: a cell edit still pending is not taken.
    void EingabeAbschließen() override {}
    Abrechnung Aufstellen() override;

private:
    void AbschnittLesen(const docx::Table& tabelle, int linie);

    std::optional<docx::Table> begleittabelle_;
};

} // namespace kovelund
