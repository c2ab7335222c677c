#include "forms/Gridfenster.h"

#include "common/Fehler.h"
#include "platform/ui/TextBox.h"
#include "totals/G_Funktionen.h"

namespace kovelund {

Gridfenster::Gridfenster(std::string name, int kategorie, std::string grid)
    : Rechnerfenster(std::move(name), kategorie), Gitter(*this, std::move(grid)) {
    CommandNeu.SetCaption("&Einfügen");
    CommandLöschen.SetCaption("&Löschen");
    CommandNeu.SetPicture("Dokument");
    CommandLöschen.SetPicture("Löschen");
    CommandNeu.Click = [this] { CommandNeu_Click(); };
    CommandLöschen.Click = [this] { CommandLöschen_Click(); };
    Gitter.KeyDown = [this](int& taste, int umschalt) { Grid_KeyDown(taste, umschalt); };
    Gitter.CellEdited = [this] { Grid_CellIsDirty(); };
    Gitter.EnterCell = [this] { TestComboEdit(Gitter.Row(), Gitter.Col()); };
}

void Gridfenster::CommandNeu_Click() {
    Fehlerbereich fehler{Name(), "Commandneu_Click"};
    fehler([&] { Gitter.AddItem("", Gitter.Row()); });
    fehler([&] { Gitter.SetRowHeight(Gitter.Row(), Zeilenhöhe); });
    fehler([&] { NeuWerte(); });
}

void Gridfenster::CommandLöschen_Click() {
    Fehlerbereich fehler{Name(), "CommandLöschen_Click"};
    if (Gitter.Rows() < 2) return;
    int antwort = 0;
    fehler([&] { antwort = MsgBox("Zeile löschen?", 36); });
    if (antwort != 6) return;
    while (Gitter.SelectedRows() > 0 && Gitter.Rows() > 1)
        if (!fehler([&] { Gitter.RemoveItem(Gitter.SelectedRow(0)); })) break;
    fehler([&] { NachDemLöschen(); });
}

void Gridfenster::Grid_KeyDown(int& taste, int umschalt) {
    Fehlerbereich fehler{Name(), Gitter.Name() + "_KeyDown"};
    if ((taste != ui::vbKeyTab && taste != ui::vbKeyRight) || umschalt != 0) return;
    if (Gitter.Col() != LetzteSpalte()) return;
    fehler([&] { VorDemZeilenwechsel(); });
    if (Gitter.Row() == Gitter.Rows()) {
        fehler([&] { Gitter.AddItem(""); });
        fehler([&] { Gitter.SetRow(Gitter.Rows()); });
        fehler([&] { Gitter.SetRowHeight(Gitter.Row(), Zeilenhöhe); });
        fehler([&] { NeuWerte(); });
        fehler([&] { ÜbernehmenWerte(); });
    } else {
        fehler([&] { Gitter.SetRow(Gitter.Row() + 1); });
    }
    taste = 0;
}

void Gridfenster::Grid_CellIsDirty() {
    Fehlerbereich fehler{Name(), Gitter.Name() + "_CellIsDirty"};
    fehler([&] { ZelleFormatieren(); });
    fehler([&] { ÜbernehmenWerte(); });
}

void Gridfenster::SpaltenEinrichten(std::initializer_list<Spalte> spalten) {
    Fehlerbereich fehler{Name(), "Form_Load"};
    int c = 1;
    for (const Spalte& s : spalten) {
        fehler([&] {
            Gitter.SetTextMatrix(0, c, s.überschrift);
            Gitter.SetColWidth(c, s.breite);
            Gitter.SetColAlignment(c, s.ausrichtung);
            Gitter.SetColEditable(c, s.editierbar);
        });
        ++c;
    }
}

void Gridfenster::Überlagern(Überlagerung überlagerung) {
    überlagerung.liste->SetVisible(false);
    ui::ComboBox* liste = überlagerung.liste;
    überlagerungen_.push_back(std::move(überlagerung));
    std::size_t index = überlagerungen_.size() - 1;
    liste->LostFocus = [this, index] { Liste_LostFocus(überlagerungen_[index]); };
}

void Gridfenster::TestComboEdit(int zeile, int spalte) {
    Fehlerbereich fehler{Name(), "TestComboEdit"};
    for (const Überlagerung& ü : überlagerungen_) {
        if (ü.spalte != spalte) {
            fehler([&] { ü.liste->SetVisible(false); });
            continue;
        }
        fehler([&] { ü.liste->SetListIndex(ü.eintrag(Gitter.TextMatrix(zeile, spalte))); });
        fehler([&] {
            ü.liste->SetLeft(Gitter.Left() + static_cast<float>(Gitter.ColPos(spalte)));
            ü.liste->SetTop(Gitter.Top() + static_cast<float>(Gitter.RowPos(zeile)));
            ü.liste->SetWidth(static_cast<float>(Gitter.ColWidth(spalte)));
            ü.liste->SetVisible(true);
        });
    }
}

void Gridfenster::Liste_LostFocus(const Überlagerung& ü) {
    Fehlerbereich fehler{Name(), ü.liste->Name() + "_LostFocus"};
    fehler([&] { Gitter.SetTextMatrix(Gitter.Row(), ü.spalte, ü.liste->Text()); });
    fehler([&] { ü.liste->SetVisible(false); });
    if (Gitter.HasFocus()) fehler([&] { Gitter.SetCol(ü.weiter); });
    if (ü.danach) fehler(ü.danach);
    fehler([&] { TestComboEdit(Gitter.Row(), Gitter.Col()); });
}

void Gridfenster::EingabeAbschließen() {
    Gitter.FinishEdit();
}

} // namespace kovelund
