#include "gui/Bindung.h"

#include "gui/Formularansicht.h"
#include "platform/ui/Control.h"
#include "platform/ui/Form.h"

#include <QApplication>
#include <QFocusEvent>
#include <QWidget>
#include <QtDebug>
#include <algorithm>
#include <cmath>
#include <exception>

namespace kovelund::gui {

int Bildpunkte(double twips, const QWidget& widget) {
    // The toolkit's 8-point font is 13 pixels high at 96 dpi.
    double maßstab = std::max(1.0, widget.fontMetrics().height() / 13.0);
    return static_cast<int>(std::lround(twips / 15.0 * maßstab));
}

Bindung::Bindung(ui::Control& control, QWidget* widget, Formularansicht& ansicht)
    : control_(control), form_(&control.Parent()), handle_(control.Parent().hWnd()), widget_(widget),
      ansicht_(ansicht) {
    widget_->installEventFilter(this);
    control_.SetObserver([this](ui::Control&) { Anwenden(); });
}

Bindung::~Bindung() {
    if (!Gelöst()) control_.SetObserver({});
}

bool Bindung::Gelöst() const noexcept {
    // A window destroyed without unloading leaves no notice but its handle gone.
    return gelöst_ || ui::Form::FromHandle(handle_) != form_;
}

void Bindung::Lösen(bool modellDa) {
    if (gelöst_) return;
    gelöst_ = true;
    if (modellDa) control_.SetObserver({});
}

void Bindung::Anwenden() {
    if (Gelöst()) return;
    bool vorher = anwendend_;
    anwendend_ = true;
    widget_->setEnabled(control_.Enabled());
    widget_->setVisible(control_.Visible());
    Zeigen();
    anwendend_ = vorher;
}

void Bindung::Weitergeben(const std::function<void()>& ereignis) {
    if (Gelöst() || anwendend_) return;
    ansicht_.Ereignis([&] {
        try {
            ereignis();
        } catch (const std::exception& fehler) {
            qWarning("%s: %s", control_.Name().c_str(), fehler.what());
        }
    });
}

void Bindung::FokusNehmen() {
    if (Gelöst() || control_.HasFocus() || !control_.Usable()) return;
    Weitergeben([this] { control_.SetFocus(); });
}

bool Bindung::eventFilter(QObject* objekt, QEvent* ereignis) {
    if (objekt == widget_ && !Gelöst()) {
        if (ereignis->type() == QEvent::FocusIn) FokusErhalten();
        if (ereignis->type() == QEvent::FocusOut)
            FokusVerloren(static_cast<QFocusEvent*>(ereignis)->reason());
    }
    return QObject::eventFilter(objekt, ereignis);
}

void Bindung::FokusErhalten() {
    FokusNehmen();
}

void Bindung::FokusVerloren(Qt::FocusReason grund) {
    // Another window or a popup taking the focus is no focus change on this form.
    if (grund == Qt::ActiveWindowFocusReason || grund == Qt::PopupFocusReason) return;
    QWidget* neu = QApplication::focusWidget();
    if (neu && ansicht_.isAncestorOf(neu)) return; // its own FocusIn moves the model's focus
    if (control_.HasFocus()) Weitergeben([this] { control_.Parent().LeaveFocus(); });
}

} // namespace kovelund::gui
