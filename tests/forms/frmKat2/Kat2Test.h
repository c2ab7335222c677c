#pragma once
// The category 2 window on the sample invoice: a fixture that opens it as Show does, and the user's
// steps on its controls as the session driver plays them.

#include "Rechnungsumgebung.h"
#include "document/Zelltext.h"
#include "forms/frmKat2/frmKat2.h"
#include "platform/ui/HeadlessBackend.h"
#include "totals/G_frmTabelle.h"
#include "totals/VV_WordAuto.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace kovelund::test {

/// The text replaced as by pasting, after the focus moved to the field.
inline void Setzen(ui::TextBox& feld, std::string text) {
    feld.SetFocus();
    feld.Paste(std::move(text));
}

/// The text typed key by key, after the focus moved to the field (which selects its text).
inline void Tippen(ui::TextBox& feld, std::string_view text) {
    feld.SetFocus();
    feld.Type(text);
}

inline void Klicken(ui::CheckBox& box) {
    box.SetFocus();
    box.Toggle();
}

inline void Klicken(ui::OptionButton& option) {
    option.SetFocus();
    option.Select();
}

inline void OK(frmKat2& fenster) {
    fenster.CommandEnde.SetFocus();
    fenster.CommandEnde.Press();
}

/// Every cell's text of the table, row by row.
inline std::vector<std::vector<std::string>> Zellen(const docx::Table& tabelle) {
    std::vector<std::vector<std::string>> zeilen;
    for (int z = 1; z <= tabelle.Rows().Count(); ++z) {
        auto& zeile = zeilen.emplace_back();
        for (int s = 1; s <= 8; ++s)
            zeile.push_back(Zelltext(tabelle.Cell(z, s)));
    }
    return zeilen;
}

/// The comments on one cell, by their text.
inline std::vector<std::string> Kommentare(const docx::Table& tabelle, int zeile, int spalte) {
    std::vector<std::string> texte;
    for (const docx::Comment& k : tabelle.Cell(zeile, spalte).Range().Comments())
        texte.push_back(k.Text());
    return texte;
}

class Kat2Test : public ::testing::Test {
protected:
    Kat2Test() {
        Auftrag().Flurstücksnummer = "123/4";
        Auftrag().Bodenwert = 5;
        Auftrag().AnzahlGrenzpunkte = 12;
    }

    // The table choice keeps its last choice for the process; the next test starts as a new one.
    ~Kat2Test() override { G_frmTabelle::Freigeben(); }

    /// Opens a new window on the invoice, as Show does.
    frmKat2& Öffnen() {
        fenster = std::make_unique<frmKat2>();
        fenster->Load();
        return *fenster;
    }

    /// Finishes the window with "&OK", saves and reopens the invoice, and returns its category 2
    /// statement (the first, when there are several).
    docx::Table Abschließen() {
        OK(*fenster);
        EXPECT_FALSE(fenster->IsLoaded());
        u.NeuLaden();
        return Kat2Tabelle();
    }

    docx::Table Kat2Tabelle() const {
        for (const docx::Table& t : u.doc->Tables())
            if (Tabellenmarke(t) == "Kovelund_2") return t;
        ADD_FAILURE() << "no table marked Kovelund_2";
        return {};
    }

    int Abrechnungen() const {
        int n = 0;
        for (const docx::Table& t : u.doc->Tables())
            n += Tabellenmarke(t) == "Kovelund_2";
        return n;
    }

    /// The text at a total marker of the invoice ("vamoNetto" ...).
    std::string Marke(std::string_view name) const {
        for (const docx::Comment& k : u.doc->Comments())
            if (k.Text() == name) return k.Scope().Text();
        return "(no " + std::string(name) + ")";
    }

    Rechnungsumgebung u;
    ui::HeadlessBackend backend;
    ui::ScopedBackend aktiv{backend};
    std::unique_ptr<frmKat2> fenster;
};

} // namespace kovelund::test
