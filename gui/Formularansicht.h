#pragma once
// The view of one window model: creates the widget of each control on first use and binds it,
// follows the window's caption, mouse pointer, visibility and unloading, and keeps the Qt focus
// where the model has it. A window's layout (Gestaltung.h) asks it for the widgets by name.

#include <QWidget>
#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace kovelund::ui {
class Control;
class Form;
} // namespace kovelund::ui

namespace kovelund::gui {

class Bindung;
class Rasterbindung;

class Formularansicht : public QWidget {
    Q_OBJECT
public:
    /// Follows `form` from now on; the layout is built by Gestalten (Gestaltung.h).
    explicit Formularansicht(ui::Form& form, QWidget* parent = nullptr);
    ~Formularansicht() override;

    /// The window model; only while it is loaded (see Gelöst).
    ui::Form& Form() const noexcept { return form_; }
    /// Whether the view no longer follows its window: it unloaded, and the view goes next.
    bool Gelöst() const noexcept { return gelöst_; }

    /// The widget of the control named `name`, created (as a child of this view) and bound on
    /// first use: QLineEdit, QCheckBox, QRadioButton, QComboBox, QLabel, QGroupBox, QPushButton or
    /// a table view. An unknown name is a layout error and throws std::logic_error.
    QWidget* Element(std::string_view name);
    template <class W> W* Element(std::string_view name) { return qobject_cast<W*>(Element(name)); }
    /// The widget of a control that has one, else none.
    QWidget* WidgetVon(const ui::Control& control) const;
    /// Lays the choice box `liste` over the grid `raster`: it sits in the grid's viewport and
    /// stands over the cell that the model's Left, Top and Width point at.
    void Überlagern(std::string_view liste, std::string_view raster);

    /// Runs a user's event on the model; after the outermost one the Qt focus follows the model's.
    void Ereignis(const std::function<void()>& ereignis);
    /// Puts the Qt focus on the widget of the model's active control.
    void FokusAbgleichen();
    /// Whether the window's entries may be thrown away: nothing changed since the user's first
    /// event on the window, or the user answers "Eingaben verwerfen?" with "Ja".
    bool VerwerfenBestätigt();
    /// Sets the tab order to the order in which the layout asked for the widgets.
    void TabreihenfolgeSetzen();
    /// Detaches every binding and the window's hook.
    void Lösen();

Q_SIGNALS:
    /// The window was shown or hidden.
    void Sichtbarkeit(bool sichtbar);
    /// The window unloaded; the view is detached and its container should close.
    void Entladen();

private:
    void FormGefolgt();

    ui::Form& form_;
    std::int32_t handle_;
    std::map<std::string, std::unique_ptr<Bindung>, std::less<>> bindungen_;
    std::vector<QWidget*> reihenfolge_;
    /// The entries before the user's first event; what the window filled in itself is no change.
    std::optional<std::string> anfang_;
    std::shared_ptr<Formularansicht*> selbst_;
    int tiefe_ = 0;
    bool gelöst_ = false;
};

} // namespace kovelund::gui
