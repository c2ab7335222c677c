#include "document/Abrechnungstabelle.h"
#include "document/Zelltext.h"
#include "platform/docx/Comment.h"
#include "platform/docx/Selection.h"
#include "platform/ui/HeadlessBackend.h"
#include "support/Beispielrechnung.h"
#include "totals/G_frmTabelle.h"
#include "totals/VV_WordAuto.h"

#include <gtest/gtest.h>

using namespace kovelund;

namespace {

// A table at "vamoStart" carrying `marke` (none for ""), with its number in cell (1, 1).
docx::Table Tabelle(docx::Document& doc, const std::string& marke, int nummer) {
    Abrechnungstabelle t(doc, "Test");
    t.Anlegen(t.AnkerFinden(std::nullopt), 2, 5);
    t.Schreiben(1, 1, std::to_string(nummer));
    if (!marke.empty()) BookmarkSetzen(*t.Tabelle(), marke);
    return *t.Tabelle();
}

struct Dialogumgebung {
    Dialogumgebung() { Tabellenposition() = 0; }
    ~Dialogumgebung() { G_frmTabelle::Freigeben(); }
    test::Beispielrechnung u;
    ui::HeadlessBackend backend;
    ui::ScopedBackend aktiv{backend};
};

std::string Nummer(const std::optional<docx::Table>& t) {
    return t ? Zelltext(t->Cell(1, 1)) : "none";
}

} // namespace

TEST(TabelleErmitteln, NothingToChooseAsksNothing) {
    Dialogumgebung d;
    Tabelle(*d.u.doc, "Kovelund_1", 1);
    EXPECT_EQ(TabelleErmitteln("Kovelund_2", false), std::nullopt);
    EXPECT_TRUE(d.backend.Questions().empty());
}

TEST(TabelleErmitteln, TheUnmarkedTableAtTheCursorCanBeTaken) {
    Dialogumgebung d;
    docx::Table frei = Tabelle(*d.u.doc, "", 7);
    d.u.doc->Application().Selection().SetCursor(frei);

    EXPECT_EQ(TabelleErmitteln("Kovelund_2", false), std::nullopt) << "the preselected choice is a new table";
    ASSERT_EQ(d.backend.Questions().size(), 1u);
    G_frmTabelle& dialog = G_frmTabelle::Standardinstanz();
    EXPECT_TRUE(dialog.optNeu.Visible());
    EXPECT_TRUE(dialog.optAktTabelle.Visible());
    for (int i = 0; i < 5; ++i)
        EXPECT_FALSE(dialog.optTabelle[i].Visible()) << i;
    EXPECT_EQ(Tabellenposition(), 0);
    EXPECT_EQ(TabelleErmitteln("Kovelund_2", true), std::nullopt)
        << "after a new table there is no companion";

    d.backend.Enqueue({"Tabellenwahl", std::string("optAktTabelle")});
    EXPECT_EQ(Nummer(TabelleErmitteln("Kovelund_2", false)), "7");
    EXPECT_EQ(Tabellenposition(), 1);
}

TEST(TabelleErmitteln, AMarkedTableAtTheCursorIsNotOfferedAsTheCursorsTable) {
    Dialogumgebung d;
    docx::Table fremd = Tabelle(*d.u.doc, "Kovelund_1", 1);
    Tabelle(*d.u.doc, "Kovelund_2", 2);
    d.u.doc->Application().Selection().SetCursor(fremd);
    EXPECT_EQ(TabelleErmitteln("Kovelund_2", false), std::nullopt) << "a new table is preselected";
    ASSERT_EQ(d.backend.Questions().size(), 1u);
    G_frmTabelle& dialog = G_frmTabelle::Standardinstanz();
    EXPECT_FALSE(dialog.optAktTabelle.Visible());
    EXPECT_TRUE(dialog.optTabelle[0].Visible());
    EXPECT_EQ(d.u.log.Sätze(), 0);
}

TEST(TabelleErmitteln, EntryIIsTheNextMarkedTableInDocumentOrder) {
    Dialogumgebung d;
    Tabelle(*d.u.doc, "Kovelund_4", 1);
    Tabelle(*d.u.doc, "Kovelund_2", 2);
    Tabelle(*d.u.doc, "Kovelund_4", 3);
    Tabelle(*d.u.doc, "Kovelund_4_Ein", 4);
    d.backend.Enqueue({"Tabellenwahl", std::string("optTabelle(1)")});
    EXPECT_EQ(Nummer(TabelleErmitteln("Kovelund_4", false)), "3");
    EXPECT_EQ(Tabellenposition(), 3);
    EXPECT_EQ(Nummer(TabelleErmitteln("Kovelund_4_Ein", true)), "4");

    d.backend.Enqueue({"Tabellenwahl", std::string("optTabelle(0)")});
    EXPECT_EQ(Nummer(TabelleErmitteln("Kovelund_4", false)), "1");
    EXPECT_EQ(Tabellenposition(), 1);
    EXPECT_TRUE(G_frmTabelle::Standardinstanz().optTabelle[1].Visible());
    EXPECT_FALSE(G_frmTabelle::Standardinstanz().optTabelle[2].Visible());
    EXPECT_EQ(d.u.log.Sätze(), 0);
}

TEST(TabelleErmitteln, TheCompanionSearchStopsAtTheHostsOwnTable) {
    Dialogumgebung d;
    Tabelle(*d.u.doc, "Kovelund_4", 1);
    Tabelle(*d.u.doc, "RE_HOAI_Kosten", 2);
    Tabelle(*d.u.doc, "Kovelund_4_Ein", 3);
    d.backend.Enqueue({"Tabellenwahl", std::string("optTabelle(0)")});
    EXPECT_EQ(Nummer(TabelleErmitteln("Kovelund_4", false)), "1");
    EXPECT_EQ(TabelleErmitteln("Kovelund_4_Ein", true), std::nullopt);
}

TEST(TabelleErmitteln, ASixthTableCannotBeOffered) {
    Dialogumgebung d;
    for (int i = 1; i <= 6; ++i)
        Tabelle(*d.u.doc, "Kovelund_6", i);
    d.backend.Enqueue({"Tabellenwahl", std::string("optTabelle(4)")});
    EXPECT_EQ(Nummer(TabelleErmitteln("Kovelund_6", false)), "5");
    EXPECT_EQ(d.u.log.Sätze(), 1);
    EXPECT_NE(d.u.log.Text().find("Ort  : VV_WordAuto.TabelleErmitteln"), std::string::npos);
}

TEST(BookmarkSetzen, TheMarkerIsTheFirstCommentOnCell15) {
    Dialogumgebung d;
    docx::Table t = Tabelle(*d.u.doc, "Kovelund_3", 1);
    auto kommentare = t.Cell(1, 5).Range().Comments();
    ASSERT_EQ(kommentare.Count(), 1);
    EXPECT_EQ(kommentare.Item(1).Text(), "Kovelund_3");
    EXPECT_EQ(Tabellenmarke(t), "Kovelund_3");
}
