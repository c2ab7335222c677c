#pragma once
// A question that may lose or redirect the user's work: "&Ja" or "&Nein", and Enter or Escape
// answer "&Nein", so that only a deliberate choice goes on.

#include <QString>

class QWidget;

namespace kovelund::gui {

/// Asks `text` in a modal box over `eltern`; true only when the user chose "&Ja".
bool JaBestätigt(QWidget* eltern, const QString& titel, const QString& text);

} // namespace kovelund::gui
