#pragma once
// The six fee categories as the clerk knows them, and which category a fee table's marker names.

#include <QString>
#include <string>

namespace kovelund::gui {

/// The name of category `kategorie` (1 … 6), as the menu "Gebühren" lists it.
QString Kategoriename(int kategorie);
/// The category (1 … 6) of a fee table's marker ("Kovelund_2", "Kovelund_4_Ein"), 0 for another.
int Kategorie(const std::string& marke);

} // namespace kovelund::gui
