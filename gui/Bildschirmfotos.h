#pragma once
// Pictures of the host window and the calculator windows for the documentation, taken on a fresh
// sample invoice with a short session played through the window models.

#include <QString>

namespace kovelund::gui {

/// Writes kovelund-gui.png, frmKat1.png, frmKat2.png and frmKat4.png into `verzeichnis`; returns the
/// process's exit code (0, or 1 when something could not be written).
int BildschirmfotosAufnehmen(const QString& verzeichnis);

} // namespace kovelund::gui
