#include "gui/Eingabestand.h"

#include "common/Texte.h"
#include "platform/ui/CheckBox.h"
#include "platform/ui/ComboBox.h"
#include "platform/ui/Form.h"
#include "platform/ui/Grid.h"
#include "platform/ui/OptionButton.h"
#include "platform/ui/TextBox.h"

namespace kovelund::gui {

namespace {

std::string Zellen(const ui::Grid& grid) {
    std::string text;
    for (int r = 1; r <= grid.Rows(); ++r)
        for (int c = 1; c <= grid.Cols(); ++c)
            text += grid.TextMatrix(r, c) + '\t';
    return text;
}

std::string Eintrag(const ui::Control& c) {
    // Blanks a field puts around its number when it is left are no entry of the user's.
    if (auto* t = dynamic_cast<const ui::TextBox*>(&c)) return Trimmen(t->Text());
    if (auto* k = dynamic_cast<const ui::CheckBox*>(&c)) return std::to_string(k->Value());
    if (auto* o = dynamic_cast<const ui::OptionButton*>(&c)) return o->Value() ? "1" : "0";
    if (auto* l = dynamic_cast<const ui::ComboBox*>(&c)) return l->Text();
    if (auto* g = dynamic_cast<const ui::Grid*>(&c)) return Zellen(*g);
    return {};
}

} // namespace

std::string Eingabestand(const ui::Form& form) {
    std::string stand;
    for (const ui::Control* c : form.Controls())
        stand += c->Name() + '=' + Eintrag(*c) + '\n';
    return stand;
}

} // namespace kovelund::gui
