#include "common/Fehler.h"
#include "platform/ui/Form.h"
#include "platform/ui/Grid.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace kovelund::ui {
namespace {

struct Fenster : Form {
    Grid GridGebühren{*this, "GridGebühren"};
    std::vector<std::string> ereignisse;
    Fenster() : Form("frmProbe") {
        GridGebühren.SetCols(3);
        GridGebühren.SetRows(2);
        GridGebühren.EnterCell = [this] {
            ereignisse.push_back("enter " + std::to_string(GridGebühren.Row()) + "," +
                                 std::to_string(GridGebühren.Col()));
        };
        GridGebühren.CellEdited = [this] { ereignisse.push_back("edited " + GridGebühren.Text()); };
    }
};

int Fehlernummer(auto&& schritt) {
    try {
        schritt();
    } catch (const Fehler& e) {
        return e.Nummer();
    }
    return 0;
}

TEST(Grid, CellsRowsAndHeadings) {
    Fenster f;
    auto& g = f.GridGebühren;
    EXPECT_EQ(g.Row(), 1);
    EXPECT_EQ(g.Col(), 1);
    g.SetTextMatrix(0, 2, " Wert [€]");
    g.SetTextMatrix(2, 3, "b");
    EXPECT_EQ(g.TextMatrix(0, 2), " Wert [€]");
    g.AddItem("x\ty", 2);
    EXPECT_EQ(g.Rows(), 3);
    EXPECT_EQ(g.TextMatrix(2, 1), "x");
    EXPECT_EQ(g.TextMatrix(2, 2), "y");
    EXPECT_EQ(g.TextMatrix(3, 3), "b");
    g.AddItem("z");
    EXPECT_EQ(g.TextMatrix(4, 1), "z");
    g.SetRow(2);
    g.SetRow(2);
    g.SetCol(3);
    g.SetText("neu");
    EXPECT_EQ(g.TextMatrix(2, 3), "neu");
    g.RemoveItem(2);
    EXPECT_EQ(g.TextMatrix(2, 3), "b");
    EXPECT_EQ(f.ereignisse, (std::vector<std::string>{"enter 2,1", "enter 2,3"}));

    EXPECT_EQ(Fehlernummer([&] { g.TextMatrix(4, 1); }), 30009);
    EXPECT_EQ(Fehlernummer([&] { g.SetCol(4); }), 30010);
    EXPECT_EQ(Fehlernummer([&] { g.SetRow(0); }), 30009);
    g.SetRows(1);
    EXPECT_EQ(g.Row(), 1);
    EXPECT_EQ(Fehlernummer([&] { g.RemoveItem(1); }), 30015);
}

TEST(Grid, RemovingSelectedRowsOneAtATime) {
    Fenster f;
    auto& g = f.GridGebühren;
    g.SetRows(5);
    for (int r = 1; r <= 5; ++r)
        g.SetTextMatrix(r, 1, std::to_string(r));
    g.SelectRows({2, 4});
    EXPECT_EQ(g.SelectedRows(), 2);
    while (g.SelectedRows() > 0)
        g.RemoveItem(g.SelectedRow(0));
    EXPECT_EQ(g.Rows(), 3);
    EXPECT_EQ(g.TextMatrix(2, 1), "3");
    EXPECT_EQ(g.TextMatrix(3, 1), "5");
    EXPECT_THROW(g.SelectedRow(0), Fehler);
}

TEST(Grid, GeometryForTheOverlay) {
    Fenster f;
    auto& g = f.GridGebühren;
    g.SetRows(12);
    g.SetColWidth(1, 2840);
    g.SetColWidth(2, 1000);
    for (int r = 1; r <= 12; ++r)
        g.SetRowHeight(r, 300);
    g.SetColAlignment(2, 1);
    EXPECT_EQ(g.ColPos(1), 0);
    EXPECT_EQ(g.ColPos(3), 3840);
    EXPECT_EQ(g.RowPos(1), 240);
    EXPECT_EQ(g.RowPos(3), 840);
    g.SetTopRow(2);
    EXPECT_EQ(g.RowPos(3), 540);
    EXPECT_EQ(g.ColAlignment(2), 1);
    g.RemoveItem(12);
    EXPECT_EQ(g.Rows(), 11);
}

TEST(Grid, UserActions) {
    Fenster f;
    auto& g = f.GridGebühren;
    g.KeyDown = [&](int& code, int) {
        if (code == 9 && g.Col() == 3) code = 0;
    };
    g.Select(2, 2);
    g.Select(2, 2);
    g.Edit("80000");
    g.PressKey(9, 0);
    g.PressKey(9, 0);
    g.PressKey(38, 0);
    g.SetColEditable(1, false);
    g.Select(1, 1);
    EXPECT_THROW(g.Edit("x"), Fehler);
    EXPECT_EQ(f.ereignisse, (std::vector<std::string>{"enter 2,2", "enter 2,2", "edited 80000", "enter 2,3",
                                                      "enter 1,3", "enter 1,1"}));

    int gemeldet = 0;
    g.SetObserver([&](Control&) {
        if (g.EditFinishing()) ++gemeldet;
    });
    g.FinishEdit();
    EXPECT_EQ(gemeldet, 1);
    EXPECT_FALSE(g.EditFinishing());
}

} // namespace
} // namespace kovelund::ui
