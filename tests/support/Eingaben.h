#pragma once
// The user's steps on a window's controls, each after the focus moved to the control, as a click
// moves it.

#include "platform/ui/CheckBox.h"
#include "platform/ui/OptionButton.h"
#include "platform/ui/TextBox.h"

#include <string>
#include <string_view>

namespace kovelund::test {

/// The text replaced as by pasting.
void Setzen(ui::TextBox& feld, std::string text);

/// The text typed key by key; the focus selected the field's text before.
void Tippen(ui::TextBox& feld, std::string_view text);

void Klicken(ui::CheckBox& box);
void Klicken(ui::OptionButton& option);

/// "&OK" of any calculator window.
template <class Fenster> void OK(Fenster& fenster) {
    fenster.CommandEnde.SetFocus();
    fenster.CommandEnde.Press();
}

} // namespace kovelund::test
