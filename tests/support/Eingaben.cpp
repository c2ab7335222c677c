#include "support/Eingaben.h"

namespace kovelund::test {

void Setzen(ui::TextBox& feld, std::string text) {
    feld.SetFocus();
    feld.Paste(std::move(text));
}

void Tippen(ui::TextBox& feld, std::string_view text) {
    feld.SetFocus();
    feld.Type(text);
}

void Klicken(ui::CheckBox& box) {
    box.SetFocus();
    box.Toggle();
}

void Klicken(ui::OptionButton& option) {
    option.SetFocus();
    option.Select();
}

} // namespace kovelund::test
