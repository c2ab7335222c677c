// The category 4 window while the user edits: the new line's defaults, the three choice boxes laid
// over their columns, the reformatted cells, Tab in the last column and the field for the area
// computations.

#include "Kat4Test.h"

#include <gtest/gtest.h>

namespace kovelund::test {
namespace {

class Fenster4 : public Kat4Test {
protected:
    void TearDown() override { EXPECT_EQ(beispiel.log.Sätze(), 0) << beispiel.log.Text(); }
};

TEST_F(Fenster4, ANewWindowStartsWithOneLineOfTheOrder) {
    frmKat4& f = Öffnen();
    const ui::Grid& g = f.GridGebühren;
    ASSERT_EQ(g.Rows(), 1);
    ASSERT_EQ(g.Cols(), 7);
    EXPECT_EQ(Linie(1), (std::vector<std::string>{"Flst.Nr. 210/3", "II", " 250", "Seite 1", "Feldlage",
                                                  "  2", "  0"}));
    EXPECT_EQ(g.RowHeight(1), 300);
    EXPECT_EQ(g.Row(), 1);
    EXPECT_EQ(g.Col(), 1);
    for (int c = 1; c <= 7; ++c)
        EXPECT_EQ(g.ColEditable(c), c != 2 && c != 4 && c != 5) << "lists edit columns 2, 4 and 5";
    for (const ui::ComboBox* liste : {&f.comKategorie, &f.comSeitig, &f.comArt})
        EXPECT_FALSE(liste->Visible()) << liste->Name();
    EXPECT_FALSE(f.Begleittabelle());
    EXPECT_EQ(f.Find("lblGebühr"), nullptr) << "no fee before \"&OK\"";
}

TEST_F(Fenster4, EachListShowsTheCellsEntryAndMovesToTheNextColumn) {
    frmKat4& f = Öffnen();
    ui::Grid& g = f.GridGebühren;
    struct Fall {
        int spalte;
        ui::ComboBox* liste;
        const char* text;
        int eintrag;
        const char* wahl;
        int weiter;
    };
    const Fall fälle[] = {{2, &f.comKategorie, "II", 1, "III", 3},
                          {4, &f.comSeitig, "Seite 1", 0, "Seite 2", 5},
                          {5, &f.comArt, "Feldlage", 1, "Ortslage", 6}};
    for (const Fall& fall : fälle) {
        Spielen(R"([{"cell": "GridGebühren", "row": 1, "col": )" + std::to_string(fall.spalte) + "}]");
        EXPECT_TRUE(fall.liste->Visible()) << fall.liste->Name();
        EXPECT_EQ(fall.liste->ListIndex(), fall.eintrag);
        EXPECT_EQ(fall.liste->Left(), g.Left() + static_cast<float>(g.ColPos(fall.spalte)));
        EXPECT_EQ(fall.liste->Top(), g.Top() + static_cast<float>(g.RowPos(1)));
        EXPECT_EQ(fall.liste->Width(), static_cast<float>(g.ColWidth(fall.spalte)));
        for (const ui::ComboBox* andere : {&f.comKategorie, &f.comSeitig, &f.comArt})
            EXPECT_TRUE(andere == fall.liste || !andere->Visible()) << andere->Name();
        Auswählen(1, fall.spalte, fall.liste->Name(), fall.wahl);
        EXPECT_EQ(g.TextMatrix(1, fall.spalte), fall.wahl);
        EXPECT_FALSE(fall.liste->Visible());
        EXPECT_EQ(g.Col(), fall.weiter);
    }
    // Back on the cells, each list picks what the cell now holds.
    Spielen(R"([{"cell": "GridGebühren", "row": 1, "col": 2}])");
    EXPECT_EQ(f.comKategorie.ListIndex(), 2);
    Spielen(R"([{"cell": "GridGebühren", "row": 1, "col": 4}])");
    EXPECT_EQ(f.comSeitig.ListIndex(), 1);
    Spielen(R"([{"cell": "GridGebühren", "row": 1, "col": 5}])");
    EXPECT_EQ(f.comArt.ListIndex(), 2);
}

TEST_F(Fenster4, EditedCellsAreReformatted) {
    Öffnen();
    Eintragen(1, 3, "1234,6");
    Eintragen(1, 6, "3");
    Eintragen(1, 7, "12,4");
    Eintragen(1, 1, "Flst.Nr. 7, Weg");
    EXPECT_EQ(Linie(1), (std::vector<std::string>{"Flst.Nr. 7, Weg", "II", "1.235", "Seite 1", "Feldlage",
                                                  "  3", " 12"}));
    Eintragen(1, 3, "");
    Eintragen(1, 6, "x");
    EXPECT_EQ(fenster->GridGebühren.TextMatrix(1, 3), "   0") << "no number is 0";
    EXPECT_EQ(fenster->GridGebühren.TextMatrix(1, 6), "  0");
}

// Right, Shift+Tab, inserting and deleting are the frame's (test_Rechnerfenster).
TEST_F(Fenster4, TabInTheLastColumnAddsALineOfTheOrder) {
    frmKat4& f = Öffnen();
    ui::Grid& g = f.GridGebühren;
    Eintragen(1, 1, "Flst.Nr. 1");
    Auswählen(1, 5, "comArt", "Ortslage");
    NeueLinie();
    ASSERT_EQ(g.Rows(), 2);
    EXPECT_EQ(Linie(2), (std::vector<std::string>{"Flst.Nr. 210/3", "II", " 250", "Seite 1", "Feldlage",
                                                  "  2", "  0"}));
    EXPECT_EQ(g.Row(), 2);
    EXPECT_EQ(g.Col(), 1) << "the new line is entered from its first column";
    EXPECT_EQ(f.comArt.Text(), "Feldlage");
    EXPECT_EQ(Linie(1)[0], "Flst.Nr. 1");
    EXPECT_EQ(Linie(1)[4], "Ortslage");
}

TEST_F(Fenster4, TheAreaFieldSelectsOnEntryAndFormatsOnLeaving) {
    frmKat4& f = Öffnen();
    Tippen(f.mskFlächen, "4");
    EXPECT_EQ(f.mskFlächen.SelStart(), 1);
    Spielen(R"([{"leave": "mskFlächen"}])");
    EXPECT_EQ(f.mskFlächen.Text(), "  4");
    Spielen(R"([{"set": "mskFlächen", "text": "2,5"}, {"click": "chkZuschlag"}])");
    EXPECT_EQ(f.mskFlächen.Text(), "  3");
    f.mskFlächen.SetFocus();
    EXPECT_EQ(f.mskFlächen.SelStart(), 0);
    EXPECT_EQ(f.mskFlächen.SelLength(), 3) << "the whole text";
}

} // namespace
} // namespace kovelund::test
