#pragma once
// The calculator window of category 6, "Gebühren nach Zeitaufwand": one grid line per kind of
// resource with its quantity in hours, days or kilometres; the window fills in each line's rate and
// cost at once, and "&OK" writes one statement row per line (marker "Kovelund_6"). The rates are the
// window's own; the per-line costs are its only running figures.

#include "forms/Gridfenster.h"
#include "platform/ui/ComboBox.h"

#include <array>
#include <string>
#include <string_view>

namespace kovelund {

/// How a kind's quantity is taken: up to the next half hour, or cut to whole days or kilometres.
enum class Mengenregel { HalbeStunden, GanzeTage, GanzeKilometer };

/// A kind of resource: its text in the grid and in comKategorie, its tariff item, its rate in euros
/// per unit, its quantity rule and the description its statement row gives.
struct Aufwandsart {
    std::string_view art;
    std::string_view tarif;
    double satz;
    Mengenregel regel;
    std::string_view bezeichnung;
};

/// The ten kinds in the order of comKategorie, whose list ends with one empty entry after them.
const std::array<Aufwandsart, 10>& Aufwandsarten();

/// The kind a grid text names, or none: the empty text and any other text are no kind.
const Aufwandsart* AufwandsartVon(std::string_view art);

/// The rate of a line whose text names no kind but is not empty; its quantity stays as entered.
inline constexpr double SatzUnbekannterArt = 45.00;

/// The unit the statement appends to a kind's quantity: " h", " km", and " Tage" above one day,
/// else " Tag".
std::string Einheit(const Aufwandsart& art, double menge);

/// A quantity of hours rounded up to the next half hour (see HalbeStunde), written in the general
/// number format: "3,2" -> "3,5", "2,04" -> "2", "1234,3" -> "1234,5".
std::string HalbRunden(std::string_view menge);

class frmKat6 : public Gridfenster {
public:
    frmKat6();

    ui::Grid& GridGebühren = Gitter;
    /// The list of kinds, laid over column 1 of the grid while that column is current.
    ui::ComboBox comKategorie{*this, "comKategorie"};

    /// Takes the current line's quantity by its kind's rule and fills in rate and cost; a line
    /// without a kind is cleared.
    void ÜbernehmenWerte() override;

protected:
    void ListenFüllen() override;
    void NeuAnlegen() override;
    void Wiederherstellen(const docx::Table& tabelle) override;
    void GridEinrichten() override;
    void NeuWerte() override;
    /// Tab and Right go on from the quantity column, the one the user types into last.
    int LetzteSpalte() const override { return 2; }
    void VorDemZeilenwechsel() override;
    Abrechnung Aufstellen() override;

private:
    /// Restore step: grid line `zeile` from statement row `zeile` + 1.
    void ZeileLesen(const docx::Table& tabelle, int zeile);
};

} // namespace kovelund
