#pragma once
// The message box and the keeping of a window's position between runs, on top of the window
// toolkit's backend. Failures are logged under the module "G_Funktionen" and the routine goes on.

#include <string_view>

namespace kovelund {

namespace ui {
class Form;
}

/// Shows a modal message box with the prompt and the button and icon flags (36: yes/no with a
/// question icon) and returns the code of the button pressed (6 yes, 7 no). A failing box is
/// logged and gives 0, which no caller takes for yes.
int MsgBox(std::string_view prompt, int buttons = 0, std::string_view title = {});

/// Restores the window's state from the settings ("VamoVerwaltung", the window's Name, "State";
/// 0 when missing) and, when that state is normal, its Top and Left (0 each when missing). A
/// stored value that is no number is logged and leaves that property as it was.
void GetWindowReg(ui::Form& fenster);

/// Stores the window's state and, when it is normal, its Top and Left, as text under the same keys.
void SetWindowReg(ui::Form& fenster);

} // namespace kovelund
