#pragma once
// The window system of a process that loads the component: the Qt application and backend that
// make Show open real windows, provided when the first window is shown.

namespace kovelund::gui {

/// Makes a Qt backend the current one, first creating the QApplication when the process has no Qt
/// application object. Fails with 5 and the reason when no window can be shown: no display
/// (neither DISPLAY, WAYLAND_DISPLAY nor QT_QPA_PLATFORM is set), or an application object that is
/// not a QApplication.
void FenstersystemBereitstellen();

/// Runs the Qt event loop until no calculator window is open; returns at once when none is.
void LaufenBisGeschlossen();

} // namespace kovelund::gui
