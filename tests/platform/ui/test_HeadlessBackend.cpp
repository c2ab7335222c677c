#include "Einstellungsordner.h"
#include "common/Fehler.h"
#include "platform/ui/CommandButton.h"
#include "platform/ui/Form.h"
#include "platform/ui/Frame.h"
#include "platform/ui/HeadlessBackend.h"
#include "platform/ui/OptionButton.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

namespace kovelund::ui {
namespace {

/// The table choice as the windows show it: a frame of options, optNeu preselected, cmdEnde hides.
struct Tabellenwahl : Form {
    Frame fraAuswahl{*this, "fraAuswahl"};
    OptionButton optNeu{*this, "optNeu"};
    OptionButtonArray optTabelle{*this, "optTabelle", 5};
    OptionButton optAktTabelle{*this, "optAktTabelle"};
    CommandButton cmdEnde{*this, "cmdEnde"};
    int beendet = 0;

    Tabellenwahl() : Form("G_frmTabelle") {
        SetCaption("Tabellenwahl");
        fraAuswahl.Place({&optNeu, &optAktTabelle});
        optTabelle.SetContainer(&fraAuswahl);
        cmdEnde.SetDefault(true);
        cmdEnde.Click = [this] {
            ++beendet;
            Hide();
        };
    }
    void Anbieten(int tabellen) {
        for (int i = 0; i < 5; ++i)
            optTabelle[i].SetVisible(i < tabellen);
        optAktTabelle.SetVisible(false);
    }

protected:
    void Form_Load() override { optNeu.SetValue(true); }
};

TEST(HeadlessBackend, DialogsAnsweredFromTheQueueOrByTheirDefault) {
    HeadlessBackend backend;
    ScopedBackend aktiv{backend};
    Tabellenwahl dialog;
    dialog.Anbieten(2);

    dialog.ShowModal();
    EXPECT_TRUE(dialog.optNeu.Value());
    EXPECT_FALSE(dialog.Visible());
    EXPECT_TRUE(dialog.IsLoaded());
    EXPECT_EQ(dialog.beendet, 1);

    backend.Enqueue({"Tabellenwahl", std::string("optTabelle(1)")});
    dialog.ShowModal();
    EXPECT_EQ(dialog.optTabelle.Selected(), 1);
    EXPECT_FALSE(dialog.optNeu.Value());

    backend.Enqueue({"Tabellenwahl", std::string("optTabelle(3)")});
    dialog.ShowModal();
    EXPECT_EQ(dialog.optTabelle.Selected(), 1) << "an option not offered keeps the choice";
    EXPECT_EQ(backend.PendingAnswers().size(), 1u);
    auto fehler = backend.TakeFailures();
    ASSERT_EQ(fehler.size(), 1u);
    EXPECT_EQ(fehler[0],
              "answer {\"Tabellenwahl\": \"optTabelle(3)\"}: 'optTabelle(3)' is not offered in dialog "
              "'Tabellenwahl'");
    EXPECT_TRUE(backend.TakeFailures().empty());

    backend.ClearAnswers();
    backend.Enqueue({"Zeile löschen?", 7});
    dialog.ShowModal();
    EXPECT_EQ(backend.PendingAnswers().size(), 1u) << "an answer for another question waits";

    ASSERT_EQ(backend.Questions().size(), 4u);
    EXPECT_EQ(backend.Questions()[0].answer, "optNeu");
    EXPECT_FALSE(backend.Questions()[0].queued);
    EXPECT_EQ(backend.Questions()[1].answer, "optTabelle(1)");
    EXPECT_TRUE(backend.Questions()[1].queued);
    EXPECT_EQ(backend.Questions()[3].text, "Tabellenwahl");
    EXPECT_EQ(&CurrentBackend(), &backend);
}

TEST(HeadlessBackend, MessageBoxesAndWindowCalls) {
    HeadlessBackend backend;
    backend.Enqueue({"Zeile löschen?", vbNo});
    EXPECT_EQ(backend.MsgBox("Zeile löschen?", vbYesNo + vbQuestion, ""), vbNo);
    EXPECT_EQ(backend.MsgBox("Zeile löschen?", vbYesNo + vbQuestion, ""), vbYes);
    EXPECT_EQ(backend.MsgBox("Fertig", vbOKOnly, ""), vbOK);
    backend.Enqueue({"Zeile löschen?", std::string("optNeu")});
    EXPECT_EQ(backend.MsgBox("Zeile löschen?", 36, ""), vbYes);
    EXPECT_EQ(backend.TakeFailures().size(), 1u);
    ASSERT_EQ(backend.Questions().size(), 4u);
    EXPECT_EQ(backend.Questions()[0].kind, Question::Kind::MessageBox);
    EXPECT_EQ(backend.Questions()[0].buttons, 36);
    EXPECT_EQ(backend.Questions()[0].answer, "7");

    EXPECT_EQ(backend.SetParent(70000, 4242), 0);
    EXPECT_EQ(backend.SetParent(70000, 4444), 4242);
    EXPECT_EQ(backend.SetWindowLongA(70000, -20, 320), 0);
    EXPECT_EQ(backend.WindowCalls(), (std::vector<WindowCall>{{"SetParent", {70000, 4242}},
                                                              {"SetParent", {70000, 4444}},
                                                              {"SetWindowLongA", {70000, -20, 320}}}));
    backend.ClearRecords();
    EXPECT_TRUE(backend.WindowCalls().empty());
    EXPECT_TRUE(backend.Questions().empty());
}

class Einstellungen : public ::testing::Test {
protected:
    test::Einstellungsordner einstellungen{"kovelund-ui-settings"};
    const std::filesystem::path& verzeichnis = einstellungen.verzeichnis;
};

TEST_F(Einstellungen, SettingsLiveInAJsonFileOfTheUser) {
    HeadlessBackend backend;
    EXPECT_EQ(HeadlessBackend::SettingsFile(), verzeichnis / "kovelund" / "settings.json");
    EXPECT_EQ(backend.GetSetting("VamoVerwaltung", "G_frmTabelle", "Top", "0"), "0");
    backend.SaveSetting("VamoVerwaltung", "G_frmTabelle", "Top", "1234,5");
    backend.SaveSetting("VamoVerwaltung", "G_frmTabelle", "Left", "17");
    backend.SaveSetting("VamoVerwaltung", "frmKat2", "State", "2");
    EXPECT_EQ(HeadlessBackend().GetSetting("VamoVerwaltung", "G_frmTabelle", "Top", "0"), "1234,5");
    EXPECT_EQ(backend.GetSetting("VamoVerwaltung", "frmKat2", "Top", "x"), "x");
    EXPECT_EQ(backend.GetSetting("Andere", "frmKat2", "State", "0"), "0");
    EXPECT_FALSE(std::filesystem::exists(HeadlessBackend::SettingsFile().string() + ".tmp"));

    std::ofstream(HeadlessBackend::SettingsFile()) << "[1, 2";
    try {
        backend.GetSetting("VamoVerwaltung", "frmKat2", "State", "0");
        FAIL() << "a broken settings file must fail";
    } catch (const Fehler& e) {
        EXPECT_EQ(e.Nummer(), 75);
        EXPECT_NE(std::string(e.what()).find("settings.json"), std::string::npos);
    }

    ::unsetenv("XDG_CONFIG_HOME");
    const char* home = std::getenv("HOME");
    if (home && *home) {
        EXPECT_EQ(HeadlessBackend::SettingsFile(),
                  std::filesystem::path(home) / ".config" / "kovelund" / "settings.json");
    }
}

} // namespace
} // namespace kovelund::ui
