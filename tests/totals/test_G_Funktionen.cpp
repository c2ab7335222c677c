#include "Einstellungsordner.h"
#include "Protokoll.h"
#include "platform/ui/Form.h"
#include "platform/ui/HeadlessBackend.h"
#include "totals/G_Funktionen.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <string>

namespace kovelund {
namespace {

class G_Funktionen : public ::testing::Test {
protected:
    test::Einstellungsordner einstellungen{"kovelund-gfunktionen"};
    const std::filesystem::path& verzeichnis = einstellungen.verzeichnis;
    ui::HeadlessBackend backend;
    ui::ScopedBackend aktiv{backend};
};

TEST_F(G_Funktionen, MsgBoxAsksTheBackend) {
    backend.Enqueue({"Zeile löschen?", ui::vbNo});
    EXPECT_EQ(MsgBox("Zeile löschen?", 36), 7);
    EXPECT_EQ(MsgBox("Zeile löschen?", 36), 6);
    ASSERT_EQ(backend.Questions().size(), 2u);
    EXPECT_EQ(backend.Questions()[0].buttons, 36);
}

TEST_F(G_Funktionen, AWindowNeverStoredStartsNormalAtTheOrigin) {
    ui::Form fenster{"G_frmTabelle"};
    fenster.SetTop(500);
    fenster.SetLeft(700);
    fenster.SetWindowState(ui::vbMaximized);
    GetWindowReg(fenster);
    EXPECT_EQ(fenster.WindowState(), ui::vbNormal);
    EXPECT_EQ(fenster.Top(), 0);
    EXPECT_EQ(fenster.Left(), 0);
}

TEST_F(G_Funktionen, PositionIsStoredAndReadBack) {
    ui::Form fenster{"G_frmTabelle"};
    fenster.SetTop(1234.5f);
    fenster.SetLeft(3000);
    SetWindowReg(fenster);
    EXPECT_EQ(backend.GetSetting("VamoVerwaltung", "G_frmTabelle", "Top", ""), "1234,5");
    EXPECT_EQ(backend.GetSetting("VamoVerwaltung", "G_frmTabelle", "State", ""), "0");

    ui::Form wieder{"G_frmTabelle"};
    GetWindowReg(wieder);
    EXPECT_EQ(wieder.Top(), 1234.5f);
    EXPECT_EQ(wieder.Left(), 3000);

    wieder.SetWindowState(ui::vbMaximized);
    wieder.SetTop(1);
    SetWindowReg(wieder);
    EXPECT_EQ(backend.GetSetting("VamoVerwaltung", "G_frmTabelle", "Top", ""), "1234,5")
        << "a maximised window keeps its last normal position";
    ui::Form dritte{"G_frmTabelle"};
    dritte.SetTop(99);
    GetWindowReg(dritte);
    EXPECT_EQ(dritte.WindowState(), ui::vbMaximized);
    EXPECT_EQ(dritte.Top(), 99);
}

TEST_F(G_Funktionen, AValueThatIsNoNumberIsLoggedAndThePositionKept) {
    test::Protokoll protokoll;
    backend.SaveSetting("VamoVerwaltung", "frmKat2", "Top", "oben");
    backend.SaveSetting("VamoVerwaltung", "frmKat2", "Left", "250");
    ui::Form fenster{"frmKat2"};
    fenster.SetTop(800);
    GetWindowReg(fenster);
    EXPECT_EQ(fenster.Top(), 800);
    EXPECT_EQ(fenster.Left(), 250);
    EXPECT_EQ(protokoll.Sätze(), 1);
    EXPECT_NE(protokoll.Text().find("G_Funktionen.GetWindowReg"), std::string::npos);
}

} // namespace
} // namespace kovelund
