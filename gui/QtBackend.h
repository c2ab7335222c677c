#pragma once
// The window toolkit's backend on Qt: modal forms as dialogs, the message box as QMessageBox with
// "Ja" and "Nein", the settings store as QSettings, and SetParent, which gives a calculator window
// its view inside the host's window.

#include "platform/ui/Backend.h"

#include <QObject>
#include <QString>
#include <cstdint>
#include <map>
#include <string>
#include <utility>

class QWidget;

namespace kovelund::gui {

class Formularansicht;

class QtBackend : public QObject, public ui::Backend {
    Q_OBJECT
public:
    /// Makes itself the current backend until it is destroyed.
    QtBackend();
    ~QtBackend() override;

    /// Shows the form as a modal dialog laid out by Gestalten; returns when the form is hidden or
    /// unloaded. Closing the dialog presses the form's Default button, else hides the form.
    void RunModal(ui::Form& form) override;
    /// Buttons and icon from the flags; the yes/no buttons read "Ja" and "Nein".
    int MsgBox(const std::string& prompt, int buttons, const std::string& title) override;
    /// QSettings with organisation and application `application`, group `section`.
    std::string GetSetting(const std::string& application, const std::string& section, const std::string& key,
                           const std::string& fallback) override;
    void SaveSetting(const std::string& application, const std::string& section, const std::string& key,
                     const std::string& value) override;
    /// Gives the window `hWndChild` (a form of this process) its view: as a sub-window when
    /// `hWndNewParent` is the native id of a QMdiArea of this process (or of a widget inside one),
    /// as a child widget of any other widget of this process, and embedded through
    /// QWindow::fromWinId in a foreign native window; 0 makes it a top-level window. Returns the
    /// previous parent's id, 0 for an unknown child.
    std::int32_t SetParent(std::int32_t hWndChild, std::int32_t hWndNewParent) override;
    /// Remembers the value and returns the previous one; the embedding needs no style.
    std::int32_t SetWindowLongA(std::int32_t hWnd, int index, std::int32_t newLong) override;

    /// Whether a modal window was left with Escape or its close box since the last call. The
    /// window's model still takes that as its Default button; the host undoes what followed.
    bool DialogVerlassen() { return std::exchange(verlassen_, false); }

    /// The next modal window is not shown: its option button `option` is selected and its Default
    /// button pressed, as the user would; for a choice the user made elsewhere already.
    void DialogVorwählen(std::string option) { vorwahl_ = std::move(option); }

    /// The native id of a widget as SetParent takes it (the widget becomes native).
    static std::int32_t Fensterkennung(QWidget& widget);

Q_SIGNALS:
    /// A window got its view in a window of this process.
    void FensterGezeigt(kovelund::gui::Formularansicht* ansicht);
    /// A window unloaded and its view closed.
    void FensterEntladen(const QString& name);

private:
    std::map<std::int32_t, std::int32_t> eltern_;
    std::map<std::pair<std::int32_t, int>, std::int32_t> werte_;
    bool verlassen_ = false;
    std::string vorwahl_;
};

} // namespace kovelund::gui
