#include "component/Auftragskontext.h"
#include "document/Zelltext.h"
#include "forms/Gridfenster.h"
#include "platform/docx/Comment.h"
#include "platform/ui/HeadlessBackend.h"
#include "support/Beispielrechnung.h"
#include "totals/G_frmTabelle.h"
#include "totals/VV_WordAuto.h"

#include <gtest/gtest.h>

#include <fstream>
#include <regex>
#include <sstream>

using namespace kovelund;

namespace {

// A small window on the frame: a grid of parcels with a default row, an hours field, and a
// statement that writes the grid's first column and the hours.
class Testfenster : public Gridfenster {
public:
    Testfenster() : Gridfenster("frmTest", 9, "GridTest") {
        Stundenfeld(mskStunden);
        Zahlenfeld(mskZahl, 3, 0);
    }
    ui::MaskEdBox mskStunden{*this, "mskStunden"};
    ui::MaskEdBox mskZahl{*this, "mskZahl"};
    int übernommen = 0;
    using Gridfenster::SpaltenEinrichten;
    /// The rows Tab or Right in the last column left, in order.
    std::vector<int> verlassen;

protected:
    void NeuAnlegen() override {
        Gitter.SetRows(1);
        Gitter.SetCols(3);
        Gitter.SetRow(1);
        NeuWerte();
        mskStunden.SetText("  0,0");
    }
    void Wiederherstellen(const docx::Table& t) override {
        Gitter.SetRows(1);
        Gitter.SetCols(3);
        Gitter.SetTextMatrix(1, 1, Zelltext(t.Cell(1, 1)));
        mskStunden.SetText(Zelltext(t.Cell(1, 2)));
    }
    void NeuWerte() override {
        Gitter.SetTextMatrix(Gitter.Row(), 1, "Flst.Nr. " + Auftrag().Flurstücksnummer);
    }
    void GridEinrichten() override {
        SpaltenEinrichten({{"Flurstück", 2840, 0}, {" Fläche", 900, 1, false}});
    }
    void ÜbernehmenWerte() override { ++übernommen; }
    void VorDemZeilenwechsel() override { verlassen.push_back(Gitter.Row()); }
    Abrechnung Aufstellen() override {
        Abrechnung a(Tabellenform({3, 3, 3, 3, 3}));
        a.Neue().Text(1, Gitter.TextMatrix(1, 1)).Text(2, mskStunden.Text());
        return a;
    }
};

std::string Bytes(const std::filesystem::path& datei) {
    std::ifstream f(datei, std::ios::binary);
    std::stringstream s;
    s << f.rdbuf();
    return s.str();
}

struct Fensterumgebung {
    Fensterumgebung() {
        Auftrag().Flurstücksnummer = "123/4";
        Tabellenposition() = 0;
    }
    ~Fensterumgebung() { G_frmTabelle::Freigeben(); }
    test::Beispielrechnung u;
    ui::HeadlessBackend backend;
    ui::ScopedBackend aktiv{backend};
};

} // namespace

TEST(Rechnerfenster, LoadStepFillsTheWindowAndEmbedsItInTheHost) {
    Fensterumgebung e;
    Auftrag().hWndMDI = 4711;
    Testfenster f;
    f.Load();
    EXPECT_EQ(f.Icon(), 9);
    EXPECT_EQ(f.CommandEnde.Picture(), "OK");
    EXPECT_EQ(f.lblVersion.Caption(), "V " + Revision());
    EXPECT_TRUE(std::regex_match(Revision(), std::regex("[0-9]+|[0-9]+\\.[0-9]+\\.[0-9]+")))
        << Revision() << ": a revision number, or the project version outside a checkout";
    EXPECT_EQ(f.MousePointer(), 0);
    EXPECT_EQ(f.Gitter.TextMatrix(1, 1), "Flst.Nr. 123/4");
    const std::vector<ui::WindowCall> erwartet = {{"SetParent", {f.hWnd(), 4711}},
                                                  {"SetWindowLongA", {f.hWnd(), -20, 320}}};
    EXPECT_EQ(e.backend.WindowCalls(), erwartet);
}

TEST(Rechnerfenster, CancelLeavesTheDocumentUntouched) {
    Fensterumgebung e;
    e.u.doc->Save();
    std::string vorher = Bytes(e.u.verzeichnis / "Rechnung.docx");
    Testfenster f;
    f.Load();
    f.mskStunden.SetFocus();
    f.mskStunden.Type("12,3");
    f.Gitter.Select(1, 3);
    f.Gitter.PressKey(ui::vbKeyTab, 0);
    f.CommandAbbruch.SetFocus();
    f.CommandAbbruch.Press();
    EXPECT_FALSE(f.IsLoaded());
    EXPECT_FALSE(e.u.doc->Modified());
    e.u.doc->Save();
    EXPECT_EQ(Bytes(e.u.verzeichnis / "Rechnung.docx"), vorher);
}

TEST(Rechnerfenster, HoursRoundUpToTheNextHalfHour) {
    // 2,25 rounds to 2,3 first, so it goes up.
    const std::pair<const char*, const char*> texte[] = {
        {"2,3", "  2,5"},  {"2,7", "  3,0"},  {"4,5", "  4,5"},  {"", "  0,0"},
        {"2,25", "  2,5"}, {"2,04", "  2,0"}, {"-2,3", " -2,5"}, {"999,7", "1.000,0"}};
    for (const auto& [eingabe, gerundet] : texte)
        EXPECT_EQ(HalbeStundeRunden(eingabe), gerundet) << eingabe;

    // The rounding itself, which windows billing hours in a grid write in their own form: to tenths
    // first (2,96 gives tenths of 10, the next hour), and no fixed width cuts a long number.
    const std::pair<double, double> zahlen[] = {
        {2.04, 2}, {2.26, 2.5}, {2.96, 3}, {1234.3, 1234.5}, {1234.6, 1235}};
    for (const auto& [stunden, gerundet] : zahlen)
        EXPECT_EQ(HalbeStunde(stunden), gerundet) << stunden;

    Fensterumgebung e;
    Testfenster f;
    f.Load();
    f.mskStunden.SetFocus();
    EXPECT_EQ(f.mskStunden.SelLength(), 5) << "the whole text is selected on entry";
    f.mskStunden.Type("4,1");
    EXPECT_EQ(f.mskStunden.Text(), "  4,1") << "the comma moved the integer part right";
    f.mskZahl.SetFocus();
    EXPECT_EQ(f.mskStunden.Text(), "  4,5");
    f.mskZahl.Type("7");
    f.mskStunden.SetFocus();
    EXPECT_EQ(f.mskZahl.Text(), "  7");
}

TEST(Gridfenster, TabInsertAndDeleteRows) {
    Fensterumgebung e;
    Testfenster f;
    f.Load();
    f.CommandLöschen.Press();
    EXPECT_TRUE(e.backend.Questions().empty()) << "one row: nothing asked, nothing deleted";
    EXPECT_EQ(f.Gitter.Rows(), 1);

    f.Gitter.Select(1, 3);
    f.Gitter.PressKey(ui::vbKeyTab, 0);
    ASSERT_EQ(f.Gitter.Rows(), 2) << "Tab in the last column of the last row adds a row";
    EXPECT_EQ(f.Gitter.Row(), 2);
    EXPECT_EQ(f.Gitter.TextMatrix(2, 1), "Flst.Nr. 123/4");
    EXPECT_EQ(f.Gitter.RowHeight(2), 300);
    EXPECT_EQ(f.übernommen, 1);
    EXPECT_EQ(f.verlassen, std::vector<int>{1}) << "the hook ran on the row left, before the new one";

    f.Gitter.Select(1, 3);
    f.Gitter.PressKey(ui::vbKeyRight, 0);
    EXPECT_EQ(f.Gitter.Rows(), 2) << "in another row it only moves down";
    EXPECT_EQ(f.Gitter.Row(), 2);
    f.Gitter.Select(1, 2);
    f.Gitter.PressKey(ui::vbKeyTab, 0);
    EXPECT_EQ(f.Gitter.Rows(), 2);
    f.Gitter.Select(2, 3);
    f.Gitter.PressKey(ui::vbKeyTab, ui::vbShiftMask);
    EXPECT_EQ(f.verlassen, (std::vector<int>{1, 1})) << "not for other columns nor with Shift";

    e.backend.Enqueue({"Zeile löschen?", 7});
    f.Gitter.SelectRows({2});
    f.CommandLöschen.Press();
    EXPECT_EQ(f.Gitter.Rows(), 2) << "answered no";
    f.CommandLöschen.Press();
    EXPECT_EQ(f.Gitter.Rows(), 1) << "answered yes by default";
    EXPECT_EQ(e.backend.Questions().back().buttons, 36);

    f.Gitter.SetTextMatrix(1, 1, "Flst.Nr. 1");
    f.CommandNeu.Press();
    ASSERT_EQ(f.Gitter.Rows(), 2);
    EXPECT_EQ(f.Gitter.TextMatrix(1, 1), "Flst.Nr. 123/4") << "\"&Einfügen\" inserts above the current row";
    EXPECT_EQ(f.Gitter.TextMatrix(2, 1), "Flst.Nr. 1");
    EXPECT_EQ(f.Gitter.RowHeight(1), 300);
}

TEST(Gridfenster, ColumnsGetHeadingWidthAlignmentAndEditingAndAMissingOneIsLogged) {
    Fensterumgebung e;
    Testfenster f;
    f.Load();
    EXPECT_FALSE(f.Gitter.ColEditable(2));
    EXPECT_TRUE(f.Gitter.ColEditable(3));
    EXPECT_EQ(f.Gitter.TextMatrix(0, 3), "") << "a column not named keeps what it had";
    f.SpaltenEinrichten(
        {{"Flurstück", 2840, 0}, {" Wert [€]", 1300, 1}, {" Anteil ", 900, 1}, {"zu viel", 100, 1}});
    EXPECT_EQ(f.Gitter.TextMatrix(0, 3), " Anteil ");
    EXPECT_EQ(f.Gitter.ColWidth(2), 1300);
    EXPECT_EQ(f.Gitter.ColAlignment(1), 0);
    EXPECT_EQ(f.Gitter.ColAlignment(3), 1);
    EXPECT_TRUE(f.Gitter.ColEditable(2));
    EXPECT_EQ(e.u.log.Sätze(), 1) << "a fourth column of three, logged once";
    EXPECT_NE(e.u.log.Text().find("Ort  : frmTest.Form_Load"), std::string::npos);
}

TEST(Gridfenster, DeleteRemovesEverySelectedRowButTheLast) {
    Fensterumgebung e;
    Testfenster f;
    f.Load();
    f.Gitter.SetRows(4);
    for (int r = 1; r <= 4; ++r)
        f.Gitter.SetTextMatrix(r, 1, "Flst.Nr. " + std::to_string(r));
    f.Gitter.SelectRows({2, 4});
    f.CommandLöschen.Press();
    ASSERT_EQ(f.Gitter.Rows(), 2);
    EXPECT_EQ(f.Gitter.TextMatrix(1, 1), "Flst.Nr. 1");
    EXPECT_EQ(f.Gitter.TextMatrix(2, 1), "Flst.Nr. 3");

    f.Gitter.SelectRows({1, 2});
    f.CommandLöschen.Press();
    ASSERT_EQ(f.Gitter.Rows(), 1) << "the last row stays";
    EXPECT_EQ(f.Gitter.TextMatrix(1, 1), "Flst.Nr. 3");
    EXPECT_EQ(e.backend.Questions().size(), 2u);
    EXPECT_EQ(e.u.log.Sätze(), 0);
}

TEST(Rechnerfenster, FinishingTwiceReplacesTheTableInPlace) {
    Fensterumgebung e;
    {
        Testfenster f;
        f.Load();
        f.mskStunden.SetText("  1,5");
        f.CommandEnde.Press();
        EXPECT_FALSE(f.IsLoaded());
    }
    ASSERT_EQ(e.u.doc->Tables().Count(), 2) << "the statement and the summary";
    EXPECT_EQ(Tabellenmarke(e.u.doc->Tables().Item(1)), "Kovelund_9");

    e.backend.Enqueue({"Tabellenwahl", std::string("optTabelle(0)")});
    Testfenster f;
    f.Load();
    EXPECT_EQ(f.mskStunden.Text(), "  1,5") << "restored from the statement";
    f.mskStunden.SetText("  2,0");
    f.CommandEnde.Press();
    e.u.NeuLaden();
    ASSERT_EQ(e.u.doc->Tables().Count(), 2);
    EXPECT_EQ(Tabellenmarke(e.u.doc->Tables().Item(1)), "Kovelund_9");
    EXPECT_EQ(Zelltext(e.u.doc->Tables().Item(1).Cell(1, 2)), "  2,0");
    EXPECT_EQ(e.u.log.Sätze(), 0);
}
