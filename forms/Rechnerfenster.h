#pragma once
// The frame every calculator window is built on: the load step with the category's fill-in points,
// the field groups every window wires alike (numeric, hours and share fields, the field expenses),
// the two closing commands and the frame around writing the statement. Windows that list items in
// a grid build on Gridfenster (forms/Gridfenster.h).

#include "document/Abrechnung.h"
#include "forms/Aufwandsfelder.h"
#include "platform/docx/Table.h"
#include "platform/ui/CommandButton.h"
#include "platform/ui/Form.h"
#include "platform/ui/Label.h"
#include "platform/ui/MaskEdBox.h"

#include <functional>
#include <optional>
#include <string>
#include <string_view>

namespace kovelund {

/// The component's revision number as the windows show it after "V ": the count of commits of the
/// checkout it was built from, else the project version.
const std::string& Revision();

/// Hours rounded to tenths as one decimal writes them, then up to the next half hour: tenths 1 to 4
/// become .5 and 6 to 9 the next full hour; .0 and .5 stay (2.04 -> 2, 2.26 -> 2.5, 1234.3 -> 1234.5).
double HalbeStunde(double stunden);

/// An hours entry rounded up to the next half hour, as the hours fields do on leaving, written with
/// (5, 1): "2,3" -> "  2,5", "2,7" -> "  3,0"; "4,0" and "4,5" stay.
std::string HalbeStundeRunden(std::string_view text);

class Rechnerfenster : public ui::Form {
public:
    /// `kategorie` 1 to 6: the window's marker is "Kovelund_" + kategorie.
    Rechnerfenster(std::string name, int kategorie);

    ui::CommandButton CommandEnde{*this, "CommandEnde"};
    ui::CommandButton CommandAbbruch{*this, "CommandAbbruch"};
    ui::Label lblVersion{*this, "lblVersion"};

    /// The marker text of the window's fee tables.
    std::string Marke() const { return "Kovelund_" + std::to_string(kategorie_); }
    /// The statement table found at start-up, or none.
    const std::optional<docx::Table>& Tabelle() const { return tabelle_; }

protected:
    /// Fill-in points of the load step, in its order.
    virtual void ListenFüllen() {}
    /// Restores the inputs from the window's statement table.
    virtual void Wiederherstellen(const docx::Table& tabelle) = 0;
    /// Fills the inputs of a new statement from the order context.
    virtual void NeuAnlegen() = 0;
    virtual void GridEinrichten() {}

    /// Fill-in points of "&OK": whether there is anything to write, and the statement's rows, which
    /// the frame then writes at the statement's place and marks.
    virtual bool EtwasZuSchreiben() { return true; }
    virtual Abrechnung Aufstellen() = 0;
    /// Runs before the frame's finish steps (a grid window finishes its pending cell edit).
    virtual void EingabeAbschließen() {}

    /// Selects a field's whole text when it gets the focus: caret 0, `länge` characters.
    void Markieren(ui::TextBox& feld, int länge = 255);
    /// Wires a numeric field: select on focus, rewritten with (breite, dezimalen) on leaving, then
    /// `danach`.
    void Zahlenfeld(ui::MaskEdBox& feld, int breite, int dezimalen, std::function<void()> danach = {});
    /// Wires an hours field (mask "###,#"): select on focus, "," and "." to Wert_Key (5, 1), the
    /// half-hour rounding on leaving, then `danach`.
    void Stundenfeld(ui::MaskEdBox& feld, std::function<void()> danach = {});
    /// Wires the share field (mask "####", thousandths, "1000" for the whole fee): select on focus,
    /// Enter runs `eingabe`, leaving runs `verlassen`.
    void Anteilfeld(ui::MaskEdBox& feld, std::function<void()> eingabe, std::function<void()> verlassen = {});
    /// Wires the field expenses: both hours fields, kilometres (mask "###", (3, 0)); each runs
    /// `danach` when left.
    void AufwandVerdrahten(Aufwandsfelder& felder, std::function<void()> danach = {});

private:
    void Form_Load() final;
    void CommandEnde_Click();
    void CommandAbbruch_Click();

    int kategorie_;
    std::optional<docx::Table> tabelle_;
};

} // namespace kovelund
