#pragma once
// The frame of the windows that list items in a grid: inserting and deleting rows, Tab and Right
// in the last column, reformatting an edited cell, and the choice boxes laid over list columns.

#include "forms/Rechnerfenster.h"
#include "platform/ui/ComboBox.h"
#include "platform/ui/Grid.h"

#include <functional>
#include <initializer_list>
#include <string>
#include <vector>

namespace kovelund {

/// The height of a grid row in twips, for new and restored rows alike.
inline constexpr int Zeilenhöhe = 300;

class Gridfenster : public Rechnerfenster {
public:
    /// `grid` is the grid's control name ("GridGebühren1", "GridGebühren").
    Gridfenster(std::string name, int kategorie, std::string grid);

    ui::Grid Gitter;
    ui::CommandButton CommandNeu{*this, "CommandNeu"};
    ui::CommandButton CommandLöschen{*this, "CommandLöschen"};

protected:
    /// Fills the current grid row with its defaults (and, in a new window, the other fields).
    virtual void NeuWerte() = 0;
    /// Applies the inputs after a grid edit or a new row.
    virtual void ÜbernehmenWerte() {}
    /// Reformats the edited cell of the current row by its column and what depends on it.
    virtual void ZelleFormatieren() {}
    /// After rows were deleted: the scroll step and the running fee, where the window has them.
    virtual void NachDemLöschen() {}
    /// The column from which Tab and Right add or move rows.
    virtual int LetzteSpalte() const { return Gitter.Cols(); }
    /// Runs when Tab or Right in that column go on, before a row is added or the next one becomes
    /// current, while the row left is still the current one.
    virtual void VorDemZeilenwechsel() {}

    /// A grid column as the load step sets it up: heading, width in twips, alignment value (0 left,
    /// 1 right) and whether the user may type into its cells.
    struct Spalte {
        const char* überschrift;
        int breite;
        int ausrichtung;
        bool editierbar = true;
    };
    /// Sets up columns 1, 2, … in the order given; a column that fails is logged ("Form_Load") and the
    /// next one is set up.
    void SpaltenEinrichten(std::initializer_list<Spalte> spalten);

    /// A choice box laid over a list column: shown over the current cell of that column with the
    /// entry `eintrag` picks for the cell's text; on losing the focus its text goes into the cell,
    /// and when the grid has the focus the current column becomes `weiter`; then `danach` runs.
    struct Überlagerung {
        int spalte;
        ui::ComboBox* liste;
        std::function<int(const std::string&)> eintrag;
        int weiter;
        std::function<void()> danach;
    };
    void Überlagern(Überlagerung überlagerung);
    /// Shows the choice box of the column, hides the others.
    void TestComboEdit(int zeile, int spalte);

    void EingabeAbschließen() override;

private:
    void CommandNeu_Click();
    void CommandLöschen_Click();
    void Grid_KeyDown(int& taste, int umschalt);
    void Grid_CellIsDirty();
    void Liste_LostFocus(const Überlagerung& ü);

    std::vector<Überlagerung> überlagerungen_;
};

} // namespace kovelund
