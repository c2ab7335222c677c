#pragma once
// The link between one control model and its Qt widget: the widget follows the model through the
// control's observer hook, and the user's events on the widget go to the model. One subclass per
// control kind (Feldbindungen.h, Rasterbindung.h), never one per window.

#include <QObject>
#include <QString>
#include <cstdint>
#include <functional>
#include <string>

class QWidget;

namespace kovelund::ui {
class Control;
class Form;
} // namespace kovelund::ui

namespace kovelund::gui {

class Formularansicht;

inline QString Q(const std::string& text) {
    return QString::fromStdString(text);
}
inline std::string S(const QString& text) {
    return text.toStdString();
}

/// Pixels for a length in twips on `widget`: 15 twips a pixel, scaled by how much larger the
/// widget's font is than the toolkit's 8-point font that the twips were measured against.
int Bildpunkte(double twips, const QWidget& widget);

class Bindung : public QObject {
public:
    /// Attaches to `control` (its observer hook) and to `widget` (an event filter for the focus).
    Bindung(ui::Control& control, QWidget* widget, Formularansicht& ansicht);
    ~Bindung() override;
    Bindung(const Bindung&) = delete;
    Bindung& operator=(const Bindung&) = delete;

    ui::Control& Steuerelement() const noexcept { return control_; }
    QWidget* Widget() const noexcept { return widget_; }
    Formularansicht& Ansicht() const noexcept { return ansicht_; }

    /// Shows the whole state of the model on the widget (Enabled, Visible and the kind's own).
    void Anwenden();
    /// Stops following the model and passing events on: the model is about to go away. Without
    /// `modellDa` the model is gone already and is not touched.
    void Lösen(bool modellDa = true);
    /// Whether the binding no longer follows its model: detached, or the window is gone.
    bool Gelöst() const noexcept;

protected:
    /// The kind's own part of Anwenden; runs while `Anwendend()`, so that the widget's signals
    /// from these changes are not taken for the user's.
    virtual void Zeigen() = 0;
    bool Anwendend() const noexcept { return anwendend_; }

    /// Runs a user's event on the model, unless the binding is detached or the widget is only
    /// showing the model's state; errors of the platform layer are reported, not thrown on.
    void Weitergeben(const std::function<void()>& ereignis);
    /// The control gets the focus on its form, as a click on it gives it in the toolkit.
    void FokusNehmen();

    bool eventFilter(QObject* objekt, QEvent* ereignis) override;

private:
    void FokusErhalten();
    void FokusVerloren(Qt::FocusReason grund);

    ui::Control& control_;
    /// The window of the control and its handle, to tell whether the window still exists.
    const ui::Form* form_;
    std::int32_t handle_;
    QWidget* widget_;
    Formularansicht& ansicht_;
    bool gelöst_ = false;
    bool anwendend_ = false;
};

} // namespace kovelund::gui
