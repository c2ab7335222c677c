#include "common/Fehler.h"
#include "platform/ui/CommandButton.h"
#include "platform/ui/Form.h"
#include "platform/ui/Frame.h"
#include "platform/ui/OptionButton.h"
#include "platform/ui/TextBox.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

namespace kovelund::ui {
namespace {

class frmProbe : public Form {
public:
    TextBox txtA{*this, "txtA"};
    TextBox txtB{*this, "txtB"};
    OptionButtonArray optArt{*this, "optArt", 3};
    CommandButton CommandEnde{*this, "CommandEnde"};
    std::vector<std::string> ereignisse;

    frmProbe() : Form("frmProbe") {
        txtA.GotFocus = [this] { ereignisse.push_back("txtA.GotFocus"); };
        txtA.LostFocus = [this] {
            ereignisse.push_back("txtA.LostFocus, active " +
                                 (ActiveControl() ? ActiveControl()->Name() : "none"));
        };
        txtB.GotFocus = [this] { ereignisse.push_back("txtB.GotFocus"); };
        CommandEnde.Click = [this] { Unload(); };
    }

protected:
    void Form_Load() override { ereignisse.push_back("Load"); }
    void Form_Unload() override { ereignisse.push_back("Unload"); }
};

TEST(Form, LoadRunsOnceAndUnloadLeavesTheObjectValid) {
    frmProbe f;
    f.Show();
    f.Show();
    EXPECT_TRUE(f.IsLoaded());
    EXPECT_TRUE(f.Visible());
    f.Hide();
    EXPECT_TRUE(f.IsLoaded());
    EXPECT_FALSE(f.Visible());

    int benachrichtigt = 0;
    f.Unloaded = [&] { ++benachrichtigt; };
    f.CommandEnde.Press();
    EXPECT_FALSE(f.IsLoaded());
    EXPECT_FALSE(f.Visible());
    EXPECT_EQ(benachrichtigt, 1);
    f.Unload();
    EXPECT_EQ(benachrichtigt, 1);
    EXPECT_EQ(f.ereignisse, (std::vector<std::string>{"Load", "Unload"}));

    f.Load();
    EXPECT_EQ(f.ereignisse.back(), "Load");
}

TEST(Form, ControlsRegisterByNameAndHandlesAreUnique) {
    auto f = std::make_unique<frmProbe>();
    frmProbe g;
    EXPECT_NE(f->hWnd(), g.hWnd());
    EXPECT_NE(f->hWnd(), 0);
    EXPECT_EQ(f->Find("optArt(1)"), &f->optArt[1]);
    EXPECT_EQ(f->Find("txtB"), &f->txtB);
    EXPECT_EQ(f->Find("optArt"), nullptr);
    EXPECT_EQ(f->Controls().size(), 6u);
    {
        TextBox spät{*f, "spät"};
        EXPECT_EQ(f->Find("spät"), &spät);
        spät.SetFocus();
    }
    EXPECT_EQ(f->Find("spät"), nullptr);
    EXPECT_EQ(f->ActiveControl(), nullptr);

    std::int32_t handle = f->hWnd();
    EXPECT_EQ(Form::FromHandle(handle), f.get());
    EXPECT_EQ(Form::FromHandle(g.hWnd()), &g);
    f.reset();
    EXPECT_EQ(Form::FromHandle(handle), nullptr);
}

TEST(Form, FocusMovesLostFocusFirstAndOnlyOnChange) {
    frmProbe f;
    f.txtA.SetFocus();
    f.txtA.SetFocus();
    f.txtB.SetFocus();
    EXPECT_TRUE(f.txtB.HasFocus());
    f.txtA.SetFocus();
    f.LeaveFocus();
    EXPECT_EQ(f.ActiveControl(), nullptr);
    f.txtB.SetEnabled(false);
    EXPECT_THROW(f.txtB.SetFocus(), Fehler);
    frmProbe andere;
    EXPECT_THROW(f.SetFocus(andere.txtA), Fehler);
    EXPECT_EQ(f.ActiveControl(), nullptr);
    EXPECT_EQ(f.ereignisse,
              (std::vector<std::string>{"txtA.GotFocus", "txtA.LostFocus, active txtB", "txtB.GotFocus",
                                        "txtA.GotFocus", "txtA.LostFocus, active none"}));
}

TEST(Form, FramesPassTheirStateToTheirControls) {
    frmProbe f;
    Frame fra{f, "fraAufwendungen"};
    Frame innen{f, "fraInnen"};
    innen.SetContainer(&fra);
    fra.Place({&f.txtA});
    f.txtB.SetContainer(&innen);
    EXPECT_TRUE(f.txtA.Usable());
    fra.SetEnabled(false);
    EXPECT_FALSE(f.txtA.Usable());
    EXPECT_FALSE(f.txtB.Usable());
    EXPECT_TRUE(f.txtA.Enabled());
    fra.SetEnabled(true);
    innen.SetVisible(false);
    EXPECT_TRUE(f.txtA.Usable());
    EXPECT_FALSE(f.txtB.Usable());
}

TEST(Form, ViewsHearOfEveryChange) {
    frmProbe f;
    int formular = 0;
    int feld = 0;
    f.SetObserver([&](Form&) { ++formular; });
    f.txtA.SetObserver([&](Control& c) {
        EXPECT_EQ(&c, &f.txtA);
        ++feld;
    });
    f.SetCaption("Probe");
    f.SetTop(120);
    f.SetWindowState(vbMaximized);
    f.Show();
    EXPECT_GE(formular, 4);
    f.txtA.SetText("1");
    f.txtA.SetEnabled(false);
    f.txtA.SetEnabled(false);
    EXPECT_EQ(feld, 2);
}

} // namespace
} // namespace kovelund::ui
