#include "gui/Formularansicht.h"

#include "gui/Eingabestand.h"
#include "gui/Feldbindungen.h"
#include "gui/Rasterbindung.h"
#include "gui/Rueckfrage.h"
#include "gui/Symbole.h"
#include "platform/ui/CheckBox.h"
#include "platform/ui/ComboBox.h"
#include "platform/ui/CommandButton.h"
#include "platform/ui/Form.h"
#include "platform/ui/Frame.h"
#include "platform/ui/Grid.h"
#include "platform/ui/Label.h"
#include "platform/ui/MaskEdBox.h"
#include "platform/ui/OptionButton.h"
#include "platform/ui/TextBox.h"

#include <QApplication>
#include <stdexcept>

namespace kovelund::gui {

namespace {

template <class Modell, class Widget, class Art>
std::unique_ptr<Bindung> Binden(ui::Control& control, Formularansicht& ansicht) {
    auto* widget = new Widget(&ansicht);
    widget->setObjectName(Q(control.Name()));
    return std::make_unique<Art>(static_cast<Modell&>(control), widget, ansicht);
}

std::unique_ptr<Bindung> BindungErzeugen(ui::Control& c, Formularansicht& a) {
    if (dynamic_cast<ui::TextBox*>(&c)) return Binden<ui::TextBox, QLineEdit, Textbindung>(c, a);
    if (dynamic_cast<ui::CheckBox*>(&c)) return Binden<ui::CheckBox, QCheckBox, Kästchenbindung>(c, a);
    if (dynamic_cast<ui::OptionButton*>(&c))
        return Binden<ui::OptionButton, QRadioButton, Optionsbindung>(c, a);
    if (dynamic_cast<ui::ComboBox*>(&c)) return Binden<ui::ComboBox, QComboBox, Listenbindung>(c, a);
    if (dynamic_cast<ui::Label*>(&c)) return Binden<ui::Label, QLabel, Beschriftungsbindung>(c, a);
    if (dynamic_cast<ui::Frame*>(&c)) return Binden<ui::Frame, QGroupBox, Rahmenbindung>(c, a);
    if (dynamic_cast<ui::CommandButton*>(&c))
        return Binden<ui::CommandButton, QPushButton, Knopfbindung>(c, a);
    if (dynamic_cast<ui::Grid*>(&c)) return Binden<ui::Grid, QTableView, Rasterbindung>(c, a);
    throw std::logic_error("no view for the control '" + c.Name() + "'");
}

} // namespace

Formularansicht::Formularansicht(ui::Form& form, QWidget* parent)
    : QWidget(parent), form_(form), handle_(form.hWnd()), selbst_(std::make_shared<Formularansicht*>(this)) {
    setObjectName(Q(form.Name()));
    // The hook may outlive the view; it reaches the view only while the view exists.
    std::weak_ptr<Formularansicht*> selbst = selbst_;
    form_.SetObserver([selbst](ui::Form&) {
        if (auto zeiger = selbst.lock()) (*zeiger)->FormGefolgt();
    });
    setWindowTitle(Q(form_.Caption()));
    setWindowIcon(Programmsymbol());
}

Formularansicht::~Formularansicht() {
    // A window that still exists keeps no hooks into this view; one that is gone has none left.
    bool formDa = ui::Form::FromHandle(handle_) == &form_;
    if (!formDa) {
        for (auto& [name, bindung] : bindungen_)
            bindung->Lösen(false);
    } else if (!gelöst_) {
        form_.SetObserver({});
    }
    bindungen_.clear();
}

QWidget* Formularansicht::Element(std::string_view name) {
    if (auto it = bindungen_.find(name); it != bindungen_.end()) return it->second->Widget();
    ui::Control* control = form_.Find(name);
    if (!control)
        throw std::logic_error("the window '" + form_.Name() + "' has no control '" + std::string(name) +
                               "'");
    auto bindung = BindungErzeugen(*control, *this);
    QWidget* widget = bindung->Widget();
    Bindung& b = *bindung;
    bindungen_.emplace(std::string(name), std::move(bindung));
    reihenfolge_.push_back(widget);
    b.Anwenden();
    return widget;
}

QWidget* Formularansicht::WidgetVon(const ui::Control& control) const {
    auto it = bindungen_.find(control.Name());
    return it == bindungen_.end() ? nullptr : it->second->Widget();
}

void Formularansicht::Überlagern(std::string_view liste, std::string_view raster) {
    Element(liste);
    Element(raster);
    auto* listenbindung = dynamic_cast<Listenbindung*>(bindungen_.find(liste)->second.get());
    auto* rasterbindung = dynamic_cast<Rasterbindung*>(bindungen_.find(raster)->second.get());
    if (!listenbindung || !rasterbindung)
        throw std::logic_error("'" + std::string(liste) + "' is no choice list or '" + std::string(raster) +
                               "' no grid");
    listenbindung->Überlagern(*rasterbindung);
}

void Formularansicht::Ereignis(const std::function<void()>& ereignis) {
    if (gelöst_) return;
    if (!anfang_) anfang_ = Eingabestand(form_);
    ++tiefe_;
    ereignis();
    --tiefe_;
    if (tiefe_ == 0 && !gelöst_) FokusAbgleichen();
}

void Formularansicht::FokusAbgleichen() {
    ui::Control* aktiv = form_.ActiveControl();
    QWidget* widget = aktiv ? WidgetVon(*aktiv) : nullptr;
    if (!widget || widget->hasFocus() || widget->isAncestorOf(QApplication::focusWidget())) return;
    if (widget->isVisibleTo(this) && widget->isEnabled()) widget->setFocus(Qt::OtherFocusReason);
}

bool Formularansicht::VerwerfenBestätigt() {
    if (gelöst_ || !anfang_ || Eingabestand(form_) == *anfang_) return true;
    return JaBestätigt(this, windowTitle(), QStringLiteral("Eingaben verwerfen?"));
}

void Formularansicht::TabreihenfolgeSetzen() {
    QWidget* vorher = nullptr;
    for (QWidget* w : reihenfolge_) {
        if (w->focusPolicy() == Qt::NoFocus) continue;
        if (vorher) QWidget::setTabOrder(vorher, w);
        vorher = w;
    }
}

void Formularansicht::Lösen() {
    if (gelöst_) return;
    gelöst_ = true;
    for (auto& [name, bindung] : bindungen_)
        bindung->Lösen();
    // The window's own hook stays, pointing at nothing once the view is gone: it is the caller.
    selbst_.reset();
}

void Formularansicht::FormGefolgt() {
    if (gelöst_) return;
    setWindowTitle(Q(form_.Caption()));
    if (form_.MousePointer() == ui::vbHourglass)
        setCursor(Qt::WaitCursor);
    else
        unsetCursor();
    if (!form_.IsLoaded()) {
        Lösen();
        Q_EMIT Entladen();
        return;
    }
    Q_EMIT Sichtbarkeit(form_.Visible());
}

} // namespace kovelund::gui
