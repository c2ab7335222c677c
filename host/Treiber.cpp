#include "host/Treiber.h"

#include "platform/ui/CheckBox.h"
#include "platform/ui/ComboBox.h"
#include "platform/ui/CommandButton.h"
#include "platform/ui/Grid.h"
#include "platform/ui/OptionButton.h"
#include "platform/ui/TextBox.h"

#include <algorithm>

namespace kovelund {

namespace {

using Verb = Schritt::Verb;

[[noreturn]] void Scheitern(const Schritt& s, const std::string& was) {
    throw SkriptFehler(SchrittName(s) + ": " + was);
}

template <class T> T& Als(ui::Control& c, const Schritt& s, const char* verb) {
    auto* t = dynamic_cast<T*>(&c);
    if (!t) Scheitern(s, "'" + c.Name() + "' does not take \"" + verb + "\"");
    return *t;
}

void Setzen(ui::Control& c, const Schritt& s) {
    if (auto* combo = dynamic_cast<ui::ComboBox*>(&c))
        combo->SetText(s.text);
    else
        Als<ui::TextBox>(c, s, "set").Paste(s.text);
}

void Klicken(ui::Control& c, const Schritt& s) {
    if (auto* check = dynamic_cast<ui::CheckBox*>(&c))
        check->Toggle();
    else if (auto* option = dynamic_cast<ui::OptionButton*>(&c))
        option->Select();
    else
        Als<ui::CommandButton>(c, s, "click").Press();
}

void Wählen(ui::Control& c, const Schritt& s) {
    auto& combo = Als<ui::ComboBox>(c, s, "choose");
    int index = s.index.value_or(-1);
    if (!s.index)
        for (int i = combo.ListCount() - 1; i >= 0; --i)
            if (combo.List(i) == s.text) index = i;
    if (index < 0 || index >= combo.ListCount())
        Scheitern(s,
                  "'" + c.Name() + "' has no such entry (it has " + std::to_string(combo.ListCount()) + ")");
    combo.Choose(index);
}

void ZeilePrüfen(const ui::Grid& grid, int row, const Schritt& s) {
    if (row > grid.Rows())
        Scheitern(s, "'" + grid.Name() + "' has no row " + std::to_string(row) + " (it has " +
                         std::to_string(grid.Rows()) + ")");
}

void Zelle(ui::Control& c, const Schritt& s) {
    auto& grid = Als<ui::Grid>(c, s, "cell");
    ZeilePrüfen(grid, s.row, s);
    if (s.col > grid.Cols())
        Scheitern(s, "'" + c.Name() + "' has no column " + std::to_string(s.col) + " (it has " +
                         std::to_string(grid.Cols()) + ")");
    grid.Select(s.row, s.col);
}

void Bearbeiten(ui::Control& c, const Schritt& s) {
    auto& grid = Als<ui::Grid>(c, s, "edit");
    if (grid.Row() == 0 || grid.Col() == 0) Scheitern(s, "'" + c.Name() + "' has no current cell");
    if (!grid.ColEditable(grid.Col()))
        Scheitern(s, "column " + std::to_string(grid.Col()) + " of '" + c.Name() + "' cannot be edited");
    grid.Edit(s.text);
}

void Taste(ui::Control& c, const Schritt& s) {
    if (auto* grid = dynamic_cast<ui::Grid*>(&c))
        grid->PressKey(s.code, s.shift);
    else
        Als<ui::TextBox>(c, s, "key").PressKey(s.code, s.shift);
}

void ZeilenWählen(ui::Control& c, const Schritt& s) {
    auto& grid = Als<ui::Grid>(c, s, "selectRows");
    for (int r : s.rows)
        ZeilePrüfen(grid, r, s);
    grid.SelectRows(s.rows);
}

void Verlassen(ui::Control& c, const Schritt& s) {
    if (!c.HasFocus()) Scheitern(s, "'" + c.Name() + "' does not have the focus");
    c.Parent().LeaveFocus();
}

void Ausführen(ui::Control& c, const Schritt& s) {
    switch (s.verb) {
    case Verb::Set:
        return Setzen(c, s);
    case Verb::Type:
        return Als<ui::TextBox>(c, s, "type").Type(s.text);
    case Verb::Leave:
        return Verlassen(c, s);
    case Verb::Click:
        return Klicken(c, s);
    case Verb::Choose:
        return Wählen(c, s);
    case Verb::Cell:
        return Zelle(c, s);
    case Verb::Edit:
        return Bearbeiten(c, s);
    case Verb::Key:
        return Taste(c, s);
    case Verb::SelectRows:
        return ZeilenWählen(c, s);
    }
}

/// Whether the verb fits the control at all, checked before the focus moves.
void ArtPrüfen(ui::Control& c, const Schritt& s) {
    bool text = dynamic_cast<ui::TextBox*>(&c) != nullptr;
    bool grid = dynamic_cast<ui::Grid*>(&c) != nullptr;
    bool combo = dynamic_cast<ui::ComboBox*>(&c) != nullptr;
    bool passt = true;
    switch (s.verb) {
    case Verb::Set:
        passt = text || combo;
        break;
    case Verb::Type:
        passt = text;
        break;
    case Verb::Choose:
        passt = combo;
        break;
    case Verb::Cell:
    case Verb::Edit:
    case Verb::SelectRows:
        passt = grid;
        break;
    case Verb::Key:
        passt = text || grid;
        break;
    case Verb::Click:
        passt = dynamic_cast<ui::CheckBox*>(&c) || dynamic_cast<ui::OptionButton*>(&c) ||
                dynamic_cast<ui::CommandButton*>(&c);
        break;
    case Verb::Leave:
        break;
    }
    if (!passt) Scheitern(s, "'" + c.Name() + "' does not take this verb");
}

} // namespace

void Treiber::AntwortenEinreihen(const Skript& skript) {
    for (const auto& a : skript.antworten)
        backend_.Enqueue(a);
}

void Treiber::AntwortenPrüfen(std::string_view wo) {
    auto fehler = backend_.TakeFailures();
    if (!fehler.empty()) throw SkriptFehler(std::string(wo) + ": " + fehler.front());
}

void Treiber::Spielen(const Skript& skript, ui::Form& fenster) {
    for (const auto& s : skript.schritte)
        Spielen(s, fenster);
    Abschließen();
}

void Treiber::Spielen(const Schritt& s, ui::Form& fenster) {
    if (!fenster.IsLoaded() || !fenster.Visible())
        Scheitern(s, "the window '" + fenster.Name() + "' is not open");
    ui::Control* c = fenster.Find(s.steuerelement);
    if (!c) Scheitern(s, "the window '" + fenster.Name() + "' has no control '" + s.steuerelement + "'");
    if (!c->Usable()) Scheitern(s, "'" + c->Name() + "' is disabled or hidden");
    ArtPrüfen(*c, s);
    try {
        if (s.verb != Verb::Leave) c->SetFocus();
        Ausführen(*c, s);
    } catch (const SkriptFehler&) {
        throw;
    } catch (const Fehler& e) {
        Scheitern(s, e.what());
    }
    AntwortenPrüfen(SchrittName(s));
}

void Treiber::Abschließen() {
    const auto& übrig = backend_.PendingAnswers();
    if (übrig.empty()) return;
    std::string liste;
    for (const auto& a : übrig) {
        std::string wahl = std::holds_alternative<int>(a.choice)
                               ? std::to_string(std::get<int>(a.choice))
                               : "\"" + std::get<std::string>(a.choice) + "\"";
        liste += (liste.empty() ? "" : ", ") + ("{\"" + a.question + "\": " + wahl + "}");
    }
    throw SkriptFehler("script: " + std::to_string(übrig.size()) +
                       " answer(s) left over, no question asked for " + liste);
}

} // namespace kovelund
