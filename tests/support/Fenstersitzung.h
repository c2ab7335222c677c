#pragma once
// One sitting at a calculator window as a host holds it: the sample invoice, the order handed over
// through KV, the window shown by KV::Show with the answers its dialogs will get, the user's steps,
// "&OK", and the saved statements read back. Each window's tests derive their fixture from it.

#include "common/Variant.h"
#include "platform/docx/Table.h"
#include "platform/ui/Form.h"
#include "platform/ui/HeadlessBackend.h"
#include "support/Beispielrechnung.h"
#include "support/Eingaben.h"
#include "support/Rechnungslesen.h"

#include <gtest/gtest.h>

#include <initializer_list>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace kovelund::test {

class Fenstersitzung : public ::testing::Test {
protected:
    /// Window `index` (0 for frmKat1, ...) of those forms/ registers. The order starts with user 1 of
    /// the sample database.
    explicit Fenstersitzung(int index);
    ~Fenstersitzung() override;

    /// Sets order properties by their names, as a host sets them on KV.
    void Eigenschaften(std::initializer_list<std::pair<std::string_view, Variant>> werte);

    /// Shows a new window through KV::Show on the sample's invoice 17, with `antworten` queued for its
    /// dialogs and message boxes. An instance still open is unloaded first, so the load step always
    /// runs.
    ui::Form& Zeigen(std::vector<ui::Answer> antworten = {});

    /// Plays steps on the open window: a JSON list as in the session scripts.
    void Spielen(const std::string& schritte);
    /// Plays a session script of examples/ as the command line does: its properties through KV, its
    /// answers queued, the window shown, its steps played and no answer left over.
    void BeispielSpielen(const std::string& name);

    /// Presses "&OK" as the user does, expects the window closed, saves and reopens the invoice, and
    /// returns the window's first statement.
    docx::Table Abschließen();

    /// Saves the invoice as the host does and notes how it reads, before the window is reopened on
    /// its statement.
    void Vormerken();
    /// Finishes the reopened window unchanged and expects the invoice to read as noted: one statement
    /// of the window, the same table at the same place, nothing logged.
    void UnverändertAbschließen();

    /// The window's `nummer`-th statement, found by its marker; none fails the test.
    docx::Table Statement(int nummer = 1) const;
    /// How many statements of the window the invoice holds.
    int Statements() const;
    /// Row `zeile` of the window's `nummer`-th statement: its cell texts joined by "|".
    std::string Statementzeile(int zeile, int nummer = 1) const;
    /// The text at a totals marker of the invoice ("vamoNetto", ...).
    std::string Markiert(std::string_view marke) const;
    /// The invoice as its reader sees it (see test::Abbild).
    std::string Abbild() const;
    /// An empty table that the window did not write, added at the end of the invoice and marked as
    /// its statement, for restores of what a user or another program left there.
    docx::Table Fremdtabelle(int zeilen, int spalten) const;

    /// Each window Zeigen opens passes through here first.
    virtual void Geöffnet(ui::Form&) {}

    Beispielrechnung beispiel;
    ui::HeadlessBackend backend;
    ui::ScopedBackend aktiv{backend};

private:
    ui::Form& Offen() const;
    std::string Marke() const;

    int index_;
    std::string vorgemerkt_;
};

/// The fixture of window class `Fensterklasse`, which Show opens for `Index`.
template <class Fensterklasse, int Index> class Fenstertest : public Fenstersitzung {
protected:
    Fenstertest() : Fenstersitzung(Index) {}

    /// Shows a new window (see Zeigen).
    Fensterklasse& Öffnen(std::vector<ui::Answer> antworten = {}) {
        Zeigen(std::move(antworten));
        return *fenster;
    }
    /// Shows the window on its first statement, as the user picks it in "Tabellenwahl".
    Fensterklasse& Wiederöffnen() { return Öffnen({{"Tabellenwahl", std::string("optTabelle(0)")}}); }

    /// The window shown last, open or closed since.
    Fensterklasse* fenster = nullptr;

private:
    void Geöffnet(ui::Form& form) override { fenster = &dynamic_cast<Fensterklasse&>(form); }
};

} // namespace kovelund::test
