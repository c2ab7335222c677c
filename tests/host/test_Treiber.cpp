#include "common/Funktionen.h"
#include "host/Treiber.h"
#include "platform/ui/CheckBox.h"
#include "platform/ui/ComboBox.h"
#include "platform/ui/CommandButton.h"
#include "platform/ui/Frame.h"
#include "platform/ui/Grid.h"
#include "platform/ui/Label.h"
#include "platform/ui/MaskEdBox.h"
#include "platform/ui/OptionButton.h"
#include "totals/G_Funktionen.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace kovelund {
namespace {

/// A small window with one control of each kind; every handler notes what ran.
class frmProbe : public ui::Form {
public:
    ui::MaskEdBox msk100{*this, "msk100"};
    ui::MaskEdBox MaskEdBoxWert{*this, "MaskEdBoxWert"};
    ui::TextBox txtTageskm{*this, "txtTageskm"};
    ui::Frame fraAufwendungen{*this, "fraAufwendungen"};
    ui::MaskEdBox mskHTechniker{*this, "mskHTechniker"};
    ui::CheckBox chkUnterlagen{*this, "chkUnterlagen"};
    ui::OptionButtonArray optArt{*this, "optArt", 3};
    ui::ComboBox comArt{*this, "comArt"};
    ui::Grid GridGebühren{*this, "GridGebühren"};
    ui::Label lblGebühr{*this, "lblGebühr"};
    ui::CommandButton CommandLöschen{*this, "CommandLöschen"};
    ui::CommandButton CommandEnde{*this, "CommandEnde"};
    std::vector<std::string> log;

    frmProbe() : Form("frmProbe") {
        fraAufwendungen.Place({&mskHTechniker});
        msk100.GotFocus = [this] { log.push_back("msk100_GotFocus"); };
        msk100.LostFocus = [this] { log.push_back("msk100_LostFocus"); };
        msk100.Change = [this] { log.push_back("msk100_Change " + msk100.Text()); };
        txtTageskm.KeyPress = [this](int& taste) {
            log.push_back("txtTageskm_KeyPress " + std::to_string(taste));
            if (taste == ',') taste = 0;
        };
        MaskEdBoxWert.KeyPress = [this](int& taste) {
            if (taste == ',' || taste == '.') {
                Wert_Key(MaskEdBoxWert, 8, 2);
                taste = 0;
            }
        };
        chkUnterlagen.Click = [this] {
            log.push_back("chkUnterlagen_Click " + std::to_string(chkUnterlagen.Value()));
        };
        optArt.Click = [this](int i) { log.push_back("optArt_Click " + std::to_string(i)); };
        comArt.Click = [this] { log.push_back("comArt_Click " + comArt.Text()); };
        comArt.Change = [this] { log.push_back("comArt_Change " + comArt.Text()); };
        GridGebühren.EnterCell = [this] {
            log.push_back("EnterCell " + std::to_string(GridGebühren.Row()) + "," +
                          std::to_string(GridGebühren.Col()));
        };
        GridGebühren.CellEdited = [this] { log.push_back("CellIsDirty " + GridGebühren.Text()); };
        GridGebühren.KeyDown = [this](int& code, int shift) {
            log.push_back("KeyDown " + std::to_string(code) + " " + std::to_string(shift));
        };
        CommandLöschen.Click = [this] {
            if (MsgBox("Zeile löschen?", 36) == 6)
                while (GridGebühren.SelectedRows() > 0)
                    GridGebühren.RemoveItem(GridGebühren.SelectedRow(0));
        };
        CommandEnde.GotFocus = [this] { log.push_back("CommandEnde_GotFocus"); };
        CommandEnde.Click = [this] {
            log.push_back("CommandEnde_Click");
            Unload();
        };
    }

protected:
    void Form_Load() override {
        comArt.AddItem("10.1.1");
        comArt.AddItem("11.1");
        comArt.AddItem("11.2");
        GridGebühren.SetCols(5);
        GridGebühren.SetRows(3);
        GridGebühren.SetColEditable(2, false);
    }
};

class Treiber_ : public ::testing::Test {
protected:
    void SetUp() override { fenster.Show(); }
    void Spielen(const char* schritte) {
        skript = SkriptLesen(std::string(R"j({"steps": )j") + schritte + "}");
        treiber.AntwortenEinreihen(skript);
        treiber.Spielen(skript, fenster);
    }
    /// The message of the driver's error for the steps, or "" when they ran.
    std::string Fehler(const char* schritte) {
        try {
            Spielen(schritte);
        } catch (const SkriptFehler& e) {
            return e.what();
        }
        return "";
    }

    ui::HeadlessBackend backend;
    ui::ScopedBackend aktiv{backend};
    Treiber treiber{backend};
    frmProbe fenster;
    Skript skript;
};

TEST_F(Treiber_, TheFocusMovesFirstSoAFieldIsLeftBeforeAButtonRuns) {
    Spielen(
        R"j([{"set": "msk100", "text": "12"}, {"set": "msk100", "text": "12"}, {"click": "CommandEnde"}])j");
    EXPECT_EQ(fenster.log,
              (std::vector<std::string>{"msk100_GotFocus", "msk100_Change 12", "msk100_Change 12",
                                        "msk100_LostFocus", "CommandEnde_GotFocus", "CommandEnde_Click"}));
    EXPECT_FALSE(fenster.IsLoaded());
    EXPECT_NE(Fehler(R"j([{"set": "msk100", "text": "1"}])j").find("the window 'frmProbe' is not open"),
              std::string::npos);
}

TEST_F(Treiber_, TypingGoesKeyByKeyAndLeavingFiresLostFocus) {
    Spielen(R"j([{"type": "txtTageskm", "text": "1,5"}, {"type": "MaskEdBoxWert", "text": "12,5"},
                {"set": "msk100", "text": "3"}, {"leave": "msk100"}])j");
    EXPECT_EQ(fenster.txtTageskm.Text(), "15");
    EXPECT_EQ(fenster.MaskEdBoxWert.Text(), "   12,5");
    EXPECT_EQ(fenster.ActiveControl(), nullptr);
    EXPECT_EQ(fenster.log, (std::vector<std::string>{"txtTageskm_KeyPress 49", "txtTageskm_KeyPress 44",
                                                     "txtTageskm_KeyPress 53", "msk100_GotFocus",
                                                     "msk100_Change 3", "msk100_LostFocus"}));
}

TEST_F(Treiber_, ClicksAndChoices) {
    Spielen(R"j([{"click": "chkUnterlagen"}, {"click": "chkUnterlagen"}, {"click": "optArt(1)"},
                {"choose": "comArt", "text": "11.2"}, {"choose": "comArt", "index": 1}, {"set": "comArt", "text": "x"}])j");
    EXPECT_EQ(fenster.log,
              (std::vector<std::string>{"chkUnterlagen_Click 1", "chkUnterlagen_Click 0", "optArt_Click 1",
                                        "comArt_Click 11.2", "comArt_Change 11.2", "comArt_Click 11.1",
                                        "comArt_Change 11.1", "comArt_Change x"}));
    EXPECT_EQ(fenster.optArt.Selected(), 1);
    EXPECT_TRUE(fenster.comArt.HasFocus());
}

TEST_F(Treiber_, GridStepsAndAQuestionAnsweredFromTheScript) {
    Spielen(R"j([{"cell": "GridGebühren", "row": 2, "col": 3}, {"edit": "GridGebühren", "text": "80000"},
                {"key": "GridGebühren", "code": 9, "shift": 0}, {"selectRows": "GridGebühren", "rows": [1, 3]},
                {"click": "CommandLöschen"}])j");
    EXPECT_EQ(fenster.GridGebühren.TextMatrix(1, 3), "80000") << "rows 1 and 3 are gone";
    EXPECT_EQ(fenster.GridGebühren.Rows(), 1);
    EXPECT_EQ(fenster.log, (std::vector<std::string>{"EnterCell 2,3", "CellIsDirty 80000", "KeyDown 9 0",
                                                     "EnterCell 2,4"}));
    EXPECT_EQ(backend.Questions().back().answer, "6");

    fenster.GridGebühren.SetRows(3);
    Spielen(R"j([{"selectRows": "GridGebühren", "rows": [2]}, {"click": "CommandLöschen"}])j");
    EXPECT_EQ(fenster.GridGebühren.Rows(), 2);
    skript = SkriptLesen(R"j({"answers": [{"Zeile löschen?": 7}],
                             "steps": [{"selectRows": "GridGebühren", "rows": [1]}, {"click": "CommandLöschen"}]})j");
    treiber.AntwortenEinreihen(skript);
    treiber.Spielen(skript, fenster);
    EXPECT_EQ(fenster.GridGebühren.Rows(), 2);
    EXPECT_TRUE(backend.Questions().back().queued);
}

TEST_F(Treiber_, StepsThatCannotBePlayedAreNamed) {
    fenster.fraAufwendungen.SetEnabled(false);
    fenster.txtTageskm.SetVisible(false);
    fenster.CommandLöschen.SetEnabled(false);
    const std::pair<const char*, const char*> fälle[] = {
        {R"j([{"click": "cmdNichtDa"}])j",
         R"j(step 1 {"click":"cmdNichtDa"}: the window 'frmProbe' has no control 'cmdNichtDa')j"},
        {R"j([{"set": "msk100", "text": "1"}, {"click": "optArt(3)"}])j",
         "step 2 {\"click\":\"optArt(3)\"}: the window"},
        {R"j([{"set": "mskHTechniker", "text": "1"}])j", "'mskHTechniker' is disabled or hidden"},
        {R"j([{"type": "txtTageskm", "text": "1"}])j", "'txtTageskm' is disabled or hidden"},
        {R"j([{"click": "CommandLöschen"}])j", "'CommandLöschen' is disabled or hidden"},
        {R"j([{"click": "msk100"}])j", "'msk100' does not take this verb"},
        {R"j([{"type": "comArt", "text": "1"}])j", "'comArt' does not take this verb"},
        {R"j([{"cell": "msk100", "row": 1, "col": 1}])j", "'msk100' does not take this verb"},
        {R"j([{"choose": "comArt", "text": "12"}])j", "'comArt' has no such entry (it has 3)"},
        {R"j([{"choose": "comArt", "index": 3}])j", "'comArt' has no such entry"},
        {R"j([{"cell": "GridGebühren", "row": 4, "col": 1}])j", "'GridGebühren' has no row 4 (it has 3)"},
        {R"j([{"cell": "GridGebühren", "row": 1, "col": 6}])j", "'GridGebühren' has no column 6 (it has 5)"},
        {R"j([{"selectRows": "GridGebühren", "rows": [1, 9]}])j", "'GridGebühren' has no row 9"},
        {R"j([{"cell": "GridGebühren", "row": 1, "col": 2}, {"edit": "GridGebühren", "text": "x"}])j",
         "column 2 of 'GridGebühren' cannot be edited"},
        {R"j([{"leave": "msk100"}])j", "'msk100' does not have the focus"},
    };
    for (const auto& [schritte, meldung] : fälle)
        EXPECT_NE(Fehler(schritte).find(meldung), std::string::npos)
            << schritte << " -> " << Fehler(schritte);
    EXPECT_EQ(fenster.log, (std::vector<std::string>{"msk100_GotFocus", "msk100_Change 1", "msk100_LostFocus",
                                                     "EnterCell 1,2"}))
        << "a refused step runs no handler and moves no focus";
}

TEST_F(Treiber_, AnswersLeftOverAreAnError) {
    skript = SkriptLesen(R"j({"answers": [{"Tabellenwahl": "optNeu"}, {"Zeile löschen?": 7}],
                             "steps": [{"click": "chkUnterlagen"}]})j");
    treiber.AntwortenEinreihen(skript);
    try {
        treiber.Spielen(skript, fenster);
        FAIL();
    } catch (const SkriptFehler& e) {
        EXPECT_STREQ(e.what(),
                     "script: 2 answer(s) left over, no question asked for {\"Tabellenwahl\": \"optNeu\"}, "
                     "{\"Zeile löschen?\": 7}");
    }
}

TEST_F(Treiber_, AnAnswerThatCannotBeGivenNamesTheStep) {
    backend.Enqueue({"Zeile löschen?", std::string("optNeu")});
    try {
        treiber.Spielen(
            SkriptLesen(
                R"j({"steps": [{"selectRows": "GridGebühren", "rows": [1]}, {"click": "CommandLöschen"}]})j"),
            fenster);
        FAIL();
    } catch (const SkriptFehler& e) {
        EXPECT_STREQ(
            e.what(),
            "step 2 {\"click\":\"CommandLöschen\"}: answer {\"Zeile löschen?\": \"optNeu\"}: message "
            "box 'Zeile löschen?' needs a button code");
    }
}

} // namespace
} // namespace kovelund
