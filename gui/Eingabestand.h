#pragma once
// What the user can have entered in a window, as one comparable text: the texts, ticks, choices
// and grid cells. The host compares it before a window's entries are thrown away unasked.

#include <string>

namespace kovelund::ui {
class Form;
}

namespace kovelund::gui {

/// The entries of `form`'s text boxes, check boxes, option buttons, choice lists and grids.
std::string Eingabestand(const ui::Form& form);

} // namespace kovelund::gui
