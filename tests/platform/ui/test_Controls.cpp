#include "common/Fehler.h"
#include "platform/ui/CheckBox.h"
#include "platform/ui/ComboBox.h"
#include "platform/ui/Form.h"
#include "platform/ui/Frame.h"
#include "platform/ui/Label.h"
#include "platform/ui/OptionButton.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace kovelund::ui {
namespace {

struct Fenster : Form {
    Frame fraArt{*this, "fraArt"};
    OptionButtonArray optArt{*this, "optArt", 3};
    Frame fraTabelle{*this, "fraTabelle"};
    OptionButton optNeu{*this, "optNeu"};
    OptionButtonArray optTabelle{*this, "optTabelle", 2};
    CheckBox chkUnterlagen{*this, "chkUnterlagen"};
    ComboBox comArt{*this, "comArt"};
    Label lblGebühr{*this, "lblGebühr"};
    std::vector<std::string> ereignisse;

    Fenster() : Form("frmProbe") {
        optArt.SetContainer(&fraArt);
        fraTabelle.Place({&optNeu, &optTabelle[0], &optTabelle[1]});
        optArt.Click = [this](int i) { ereignisse.push_back("optArt_Click " + std::to_string(i)); };
        chkUnterlagen.Click = [this] {
            ereignisse.push_back("chk " + std::to_string(chkUnterlagen.Value()));
        };
        comArt.Click = [this] { ereignisse.push_back("com Click " + std::to_string(comArt.ListIndex())); };
        comArt.Change = [this] { ereignisse.push_back("com Change " + comArt.Text()); };
    }
};

TEST(CheckBox, ValueChangesFireClickFromCodeAndFromTheUser) {
    Fenster f;
    f.chkUnterlagen.SetValue(vbChecked);
    f.chkUnterlagen.SetValue(vbChecked);
    f.chkUnterlagen.Toggle();
    EXPECT_EQ(f.chkUnterlagen.Value(), vbUnchecked);
    EXPECT_EQ(f.ereignisse, (std::vector<std::string>{"chk 1", "chk 0"}));
}

TEST(OptionButton, OneSelectedPerFrameAndClickCarriesTheIndex) {
    Fenster f;
    f.optArt[0].SetValue(true);
    f.optNeu.SetValue(true);
    f.optArt[2].Select();
    EXPECT_FALSE(f.optArt[0].Value());
    EXPECT_EQ(f.optArt.Selected(), 2);
    EXPECT_TRUE(f.optNeu.Value()) << "another frame's group is not touched";
    f.optTabelle[1].Select();
    EXPECT_FALSE(f.optNeu.Value());
    EXPECT_EQ(f.optTabelle.Selected(), 1);
    f.optArt[2].Select();
    f.optArt[2].SetValue(true);
    f.optArt[2].SetValue(false);
    EXPECT_EQ(f.optArt.Selected(), -1);
    EXPECT_EQ(f.ereignisse, (std::vector<std::string>{"optArt_Click 0", "optArt_Click 2", "optArt_Click 2"}));
    EXPECT_EQ(f.optArt[1].Name(), "optArt(1)");
    EXPECT_THROW(f.optArt[3], Fehler);
}

TEST(ComboBox, EntriesSelectionAndText) {
    Fenster f;
    f.comArt.AddItem("10.1.1");
    f.comArt.AddItem("11.2");
    f.comArt.AddItem("11.1", 1);
    EXPECT_EQ(f.comArt.ListCount(), 3);
    EXPECT_EQ(f.comArt.List(1), "11.1");
    EXPECT_EQ(f.comArt.List(3), "");
    f.comArt.SetListIndex(2);
    f.comArt.SetListIndex(2);
    EXPECT_EQ(f.comArt.Text(), "11.2");
    f.comArt.SetText("10.1.1");
    EXPECT_EQ(f.comArt.ListIndex(), 0);
    f.comArt.SetText("frei");
    EXPECT_EQ(f.comArt.ListIndex(), -1);
    f.comArt.Choose("11.1");
    f.comArt.Choose(1);
    EXPECT_EQ(f.ereignisse,
              (std::vector<std::string>{"com Click 2", "com Change 10.1.1", "com Change frei", "com Click 1",
                                        "com Change 11.1", "com Click 1", "com Change 11.1"}));
    EXPECT_THROW(f.comArt.SetListIndex(3), Fehler);
    EXPECT_THROW(f.comArt.Choose("12"), Fehler);
    f.comArt.Clear();
    EXPECT_EQ(f.comArt.ListIndex(), -1);
    EXPECT_EQ(f.comArt.Text(), "11.1");
}

} // namespace
} // namespace kovelund::ui
