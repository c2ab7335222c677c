#include "gui/QtBackend.h"

#include "gui/Bindung.h"
#include "gui/Formularansicht.h"
#include "gui/Gestaltung.h"
#include "platform/ui/CommandButton.h"
#include "platform/ui/Form.h"
#include "platform/ui/OptionButton.h"

#include <QApplication>
#include <QCloseEvent>
#include <QDialog>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMessageBox>
#include <QPushButton>
#include <QScrollArea>
#include <QSettings>
#include <QVBoxLayout>
#include <QWindow>
#include <cmath>
#include <utility>

namespace kovelund::gui {

namespace {

constexpr double twipsJePixel = 15;

/// A window's view that scrolls when the area is smaller; it asks for the view's whole size.
class Rollbereich : public QScrollArea {
public:
    QSize sizeHint() const override {
        int rand = 2 * frameWidth();
        return widget() ? widget()->sizeHint() + QSize(rand, rand) : QScrollArea::sizeHint();
    }
};

/// The sub-window of a calculator window: closing it unloads the window, as the toolkit's close
/// box does; the view closes it in turn when the window unloads itself.
class Unterfenster : public QMdiSubWindow {
public:
    explicit Unterfenster(Formularansicht* ansicht) : ansicht_(ansicht) {
        // A window larger than the area scrolls, so that its buttons stay reachable on a small screen.
        auto* rollbereich = new Rollbereich;
        rollbereich->setWidgetResizable(true);
        rollbereich->setFrameShape(QFrame::NoFrame);
        rollbereich->setWidget(ansicht);
        setWidget(rollbereich);
        setAttribute(Qt::WA_DeleteOnClose);
        setWindowIcon(ansicht->windowIcon());
    }

protected:
    void closeEvent(QCloseEvent* ereignis) override {
        if (!ansicht_->Gelöst() && ansicht_->Form().IsLoaded()) {
            if (!ansicht_->VerwerfenBestätigt()) {
                ereignis->ignore();
                return;
            }
            ansicht_->Form().Unload();
            // An unload step may keep the window open; the view then stays too.
            if (!ansicht_->Gelöst()) {
                ereignis->ignore();
                return;
            }
        }
        QMdiSubWindow::closeEvent(ereignis);
    }

public:
    /// The sub-window that holds `ansicht`, if one does.
    static Unterfenster* Von(QWidget* ansicht) {
        for (QWidget* w = ansicht->parentWidget(); w; w = w->parentWidget())
            if (auto* unter = dynamic_cast<Unterfenster*>(w)) return unter;
        return nullptr;
    }

    /// As large as the window wants, but no larger than the area shows.
    void Einpassen(const QSize& bereich) { resize(sizeHint().boundedTo(bereich)); }

private:
    Formularansicht* ansicht_;
};

bool DefaultDrücken(ui::Form& form) {
    for (ui::Control* c : form.Controls())
        if (auto* knopf = dynamic_cast<ui::CommandButton*>(c); knopf && knopf->Default()) {
            knopf->Press();
            return true;
        }
    return false;
}

/// The dialog of a modal form: closing it confirms with the Default button, as Enter would.
class Dialog : public QDialog {
public:
    Dialog(ui::Form& form, QWidget* eltern, bool& verlassen)
        : QDialog(eltern), form_(form), verlassen_(verlassen) {}

    void reject() override {
        verlassen_ = true;
        if (!DefaultDrücken(form_)) form_.Hide();
    }

private:
    ui::Form& form_;
    bool& verlassen_;
};

QWidget* EigenesFenster(std::int32_t kennung) {
    if (kennung == 0) return nullptr;
    for (QWidget* w : QApplication::allWidgets())
        if (w->internalWinId() != 0 && static_cast<std::int32_t>(w->internalWinId()) == kennung) return w;
    return nullptr;
}

QMdiArea* MdiBereich(QWidget* w) {
    for (; w; w = w->parentWidget())
        if (auto* bereich = qobject_cast<QMdiArea*>(w)) return bereich;
    return nullptr;
}

void Beobachten(Formularansicht* ansicht, QWidget* rahmen) {
    QObject::connect(ansicht, &Formularansicht::Sichtbarkeit, rahmen, &QWidget::setVisible);
}

} // namespace

QtBackend::QtBackend() {
    ui::SetCurrentBackend(this);
}

QtBackend::~QtBackend() {
    if (&ui::CurrentBackend() == this) ui::SetCurrentBackend(nullptr);
}

std::int32_t QtBackend::Fensterkennung(QWidget& widget) {
    return static_cast<std::int32_t>(widget.winId());
}

void QtBackend::RunModal(ui::Form& form) {
    if (auto* option = dynamic_cast<ui::OptionButton*>(form.Find(std::exchange(vorwahl_, {})));
        option && option->Visible()) {
        option->Select();
        if (DefaultDrücken(form)) return;
    }
    Dialog dialog(form, QApplication::activeWindow(), verlassen_);
    auto* ansicht = new Formularansicht(form, &dialog);
    Gestalten(*ansicht);
    auto* rahmen = new QVBoxLayout(&dialog);
    rahmen->setContentsMargins(0, 0, 0, 0);
    rahmen->addWidget(ansicht);
    dialog.setWindowTitle(Q(form.Caption()));
    dialog.setWindowIcon(ansicht->windowIcon());
    connect(ansicht, &Formularansicht::Sichtbarkeit, &dialog, [&dialog](bool sichtbar) {
        if (!sichtbar) dialog.done(QDialog::Accepted);
    });
    connect(ansicht, &Formularansicht::Entladen, &dialog, [&dialog] { dialog.done(QDialog::Accepted); });
    if (form.Left() != 0 || form.Top() != 0)
        dialog.move(static_cast<int>(std::lround(form.Left() / twipsJePixel)),
                    static_cast<int>(std::lround(form.Top() / twipsJePixel)));
    if (form.Visible() && form.IsLoaded()) dialog.exec();
    // The dialog's place goes back to the form, which stores it when it unloads.
    if (ui::Form::FromHandle(form.hWnd()) == &form && form.IsLoaded()) {
        form.SetLeft(static_cast<float>(dialog.x() * twipsJePixel));
        form.SetTop(static_cast<float>(dialog.y() * twipsJePixel));
    }
}

int QtBackend::MsgBox(const std::string& prompt, int buttons, const std::string& title) {
    QMessageBox box(QApplication::activeWindow());
    box.setWindowTitle(title.empty() ? QStringLiteral("Kovelund") : Q(title));
    box.setText(Q(prompt));
    switch (buttons & 0x70) {
    case ui::vbCritical:
        box.setIcon(QMessageBox::Critical);
        break;
    case ui::vbQuestion:
        box.setIcon(QMessageBox::Question);
        break;
    case ui::vbExclamation:
        box.setIcon(QMessageBox::Warning);
        break;
    case ui::vbInformation:
        box.setIcon(QMessageBox::Information);
        break;
    default:
        break;
    }
    std::map<QAbstractButton*, int> codes;
    auto knopf = [&](const char* text, QMessageBox::ButtonRole rolle, int code) {
        codes[box.addButton(QString::fromUtf8(text), rolle)] = code;
    };
    switch (buttons & 7) {
    case ui::vbOKCancel:
        knopf("OK", QMessageBox::AcceptRole, ui::vbOK);
        knopf("Abbrechen", QMessageBox::RejectRole, ui::vbCancel);
        break;
    case ui::vbAbortRetryIgnore:
        knopf("Abbrechen", QMessageBox::RejectRole, ui::vbAbort);
        knopf("Wiederholen", QMessageBox::AcceptRole, ui::vbRetry);
        knopf("Ignorieren", QMessageBox::AcceptRole, ui::vbIgnore);
        break;
    case ui::vbYesNoCancel:
        knopf("&Ja", QMessageBox::YesRole, ui::vbYes);
        knopf("&Nein", QMessageBox::NoRole, ui::vbNo);
        knopf("Abbrechen", QMessageBox::RejectRole, ui::vbCancel);
        break;
    case ui::vbYesNo:
        knopf("&Ja", QMessageBox::YesRole, ui::vbYes);
        knopf("&Nein", QMessageBox::NoRole, ui::vbNo);
        break;
    case ui::vbRetryCancel:
        knopf("Wiederholen", QMessageBox::AcceptRole, ui::vbRetry);
        knopf("Abbrechen", QMessageBox::RejectRole, ui::vbCancel);
        break;
    default:
        knopf("OK", QMessageBox::AcceptRole, ui::vbOK);
        break;
    }
    box.setDefaultButton(qobject_cast<QPushButton*>(box.buttons().first()));
    box.exec();
    auto it = codes.find(box.clickedButton());
    // Escape on a box without a cancel button answers with its last button ("Nein").
    return it != codes.end() ? it->second : codes.rbegin()->second;
}

std::string QtBackend::GetSetting(const std::string& application, const std::string& section,
                                  const std::string& key, const std::string& fallback) {
    QSettings speicher(Q(application), Q(application));
    speicher.beginGroup(Q(section));
    return S(speicher.value(Q(key), Q(fallback)).toString());
}

void QtBackend::SaveSetting(const std::string& application, const std::string& section,
                            const std::string& key, const std::string& value) {
    QSettings speicher(Q(application), Q(application));
    speicher.beginGroup(Q(section));
    speicher.setValue(Q(key), Q(value));
}

std::int32_t QtBackend::SetParent(std::int32_t hWndChild, std::int32_t hWndNewParent) {
    ui::Form* form = ui::Form::FromHandle(hWndChild);
    if (!form) return 0;
    std::int32_t vorher = eltern_[hWndChild];
    eltern_[hWndChild] = hWndNewParent;

    auto* ansicht = new Formularansicht(*form);
    Gestalten(*ansicht);
    connect(ansicht, &Formularansicht::Entladen, this, [this, ansicht, name = Q(form->Name())] {
        if (auto* unter = Unterfenster::Von(ansicht)) {
            unter->close();
        } else {
            ansicht->hide();
            ansicht->deleteLater();
        }
        Q_EMIT FensterEntladen(name);
    });

    QWidget* eltern = EigenesFenster(hWndNewParent);
    if (QMdiArea* bereich = MdiBereich(eltern)) {
        auto* unter = new Unterfenster(ansicht);
        bereich->addSubWindow(unter);
        unter->Einpassen(bereich->viewport()->size());
        Beobachten(ansicht, unter);
        unter->setVisible(form->Visible());
    } else if (eltern) {
        ansicht->setParent(eltern);
        Beobachten(ansicht, ansicht);
    } else {
        ansicht->setAttribute(Qt::WA_DeleteOnClose);
        Beobachten(ansicht, ansicht);
        if (hWndNewParent != 0) {
            ansicht->setAttribute(Qt::WA_NativeWindow);
            ansicht->winId();
            if (QWindow* fremd =
                    QWindow::fromWinId(static_cast<WId>(static_cast<std::uint32_t>(hWndNewParent)))) {
                ansicht->windowHandle()->setParent(fremd);
                connect(ansicht, &QObject::destroyed, fremd, &QObject::deleteLater);
            }
        }
    }
    Q_EMIT FensterGezeigt(ansicht);
    return vorher;
}

std::int32_t QtBackend::SetWindowLongA(std::int32_t hWnd, int index, std::int32_t newLong) {
    std::int32_t& wert = werte_[{hWnd, index}];
    return std::exchange(wert, newLong);
}

} // namespace kovelund::gui
