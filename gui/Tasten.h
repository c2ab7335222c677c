#pragma once
// Qt's keys and modifiers as the window models number them (the toolkit's key codes and shift
// masks), so that views pass the user's keys on unchanged.

#include <QKeyEvent>

namespace kovelund::gui {

/// The key code of a key event (13 Enter, 8 Backspace, 9 Tab, 37–40 the arrows, 46 Delete,
/// 48–57 and 65–90 digits and letters, 112– the function keys), or 0 for a key without one.
int Tastencode(const QKeyEvent& taste);

/// The shift state of a key event: 1 Shift, 2 Ctrl, 4 Alt, added together.
int Umschaltung(const QKeyEvent& taste);

} // namespace kovelund::gui
