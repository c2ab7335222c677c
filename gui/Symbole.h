#pragma once
// Kovelund's own button and window icons, drawn with QPainter so that no image files need shipping:
// the shared image list of the windows ("OK", "Abbruch", "Löschen", "Dokument") and the program icon.

#include <QIcon>
#include <string_view>

namespace kovelund::gui {

/// The icon of an image-list key; an empty icon for a key the list does not hold.
QIcon Symbol(std::string_view schlüssel);

/// The program's icon (a boundary stone), also the icon of the calculator windows.
QIcon Programmsymbol();

} // namespace kovelund::gui
