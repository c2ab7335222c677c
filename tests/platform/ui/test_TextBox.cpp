#include "common/Funktionen.h"
#include "platform/ui/Form.h"
#include "platform/ui/MaskEdBox.h"
#include "platform/ui/TextBox.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace kovelund::ui {
namespace {

struct Fenster : Form {
    MaskEdBox feld{*this, "MaskEdBoxWert"};
    int änderungen = 0;
    std::vector<int> tasten;
    Fenster() : Form("frmProbe") {
        feld.Change = [this] { ++änderungen; };
    }
};

TEST(TextBox, TextFromCodeFiresChangeOnlyWhenItChanges) {
    Fenster f;
    f.feld.SetText("12");
    f.feld.SetText("12");
    EXPECT_EQ(f.änderungen, 1);
    f.feld.SetSelStart(1);
    f.feld.SetSelLength(1);
    f.feld.SetText("13");
    EXPECT_EQ(f.feld.SelStart(), 0);
    EXPECT_EQ(f.feld.SelLength(), 0);
    f.feld.Paste("13");
    EXPECT_EQ(f.änderungen, 3);
    EXPECT_EQ(f.feld.SelStart(), 2);
}

TEST(TextBox, SelectionIsClampedInCharacters) {
    Fenster f;
    f.feld.SetText("1,5 m²");
    f.feld.SetSelStart(2);
    f.feld.SetSelLength(255);
    EXPECT_EQ(f.feld.SelLength(), 4);
    EXPECT_EQ(f.feld.SelText(), "5 m²");
    f.feld.SetSelStart(99);
    EXPECT_EQ(f.feld.SelStart(), 6);
    EXPECT_EQ(f.feld.SelLength(), 0);
    TextMarkieren(f.feld);
    EXPECT_EQ(f.feld.SelText(), "1,5 m²");
}

TEST(TextBox, TypingGoesThroughKeyPressAndReplacesTheSelection) {
    Fenster f;
    f.feld.KeyPress = [&](int& taste) {
        f.tasten.push_back(taste);
        if (taste == '.') taste = ',';
        if (taste == 'x') taste = 0;
    };
    f.feld.SetText("99");
    TextMarkieren(f.feld);
    f.feld.Type("1x2.ü");
    EXPECT_EQ(f.feld.Text(), "12,ü");
    EXPECT_EQ(f.tasten, (std::vector<int>{'1', 'x', '2', '.', 0xFC}));
    EXPECT_EQ(f.änderungen, 5);
    f.feld.Type("\b\b");
    EXPECT_EQ(f.feld.Text(), "12");
    f.feld.SetMaxLength(3);
    f.feld.Type("345");
    EXPECT_EQ(f.feld.Text(), "123");
}

TEST(TextBox, EnterGoesThroughKeyDownAndKeyPressButPutsNothingIn) {
    Fenster f;
    std::vector<std::string> folge;
    f.feld.KeyDown = [&](int& code, int shift) {
        folge.push_back("down " + std::to_string(code) + "/" + std::to_string(shift));
    };
    f.feld.KeyPress = [&](int& taste) { folge.push_back("press " + std::to_string(taste)); };
    f.feld.SetText("7");
    f.feld.PressKey(vbKeyReturn, 0);
    f.feld.PressKey(vbKeyLeft, vbShiftMask);
    EXPECT_EQ(folge, (std::vector<std::string>{"down 13/0", "press 13", "down 37/1"}));
    EXPECT_EQ(f.feld.Text(), "7");
}

TEST(TextBox, DecimalKeyMovesTheIntegerPartAndSelectsTheDecimals) {
    Fenster f;
    f.feld.KeyPress = [&](int& taste) {
        if (taste == ',' || taste == '.') {
            Wert_Key(f.feld, 8, 2);
            taste = 0;
        }
    };
    f.feld.Type("12,");
    EXPECT_EQ(f.feld.Text(), "   12,  ");
    EXPECT_EQ(f.feld.SelStart(), 6);
    EXPECT_EQ(f.feld.SelLength(), 2);
    f.feld.Type("5");
    EXPECT_EQ(f.feld.Text(), "   12,5");
}

} // namespace
} // namespace kovelund::ui
