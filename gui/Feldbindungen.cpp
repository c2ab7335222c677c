#include "gui/Feldbindungen.h"

#include "gui/Formularansicht.h"
#include "gui/Rasterbindung.h"
#include "gui/Symbole.h"
#include "gui/Tasten.h"
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
#include <QClipboard>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QRegularExpressionValidator>
#include <algorithm>

namespace kovelund::gui {

namespace {

constexpr int vbKeyDelete = 46;

bool Bewegungstaste(int code) {
    return (code >= 33 && code <= 40);
}

int Länge(const QString& text) {
    return static_cast<int>(text.size());
}

} // namespace

QString Eingabemaske(const std::string& maske) {
    if (maske.empty()) return {};
    static const QString zeichenDerMaske = QStringLiteral("AaNnXx90Dd#HhBb><!{}[]\\;");
    QString qt;
    for (QChar c : Q(maske)) {
        if (c == QLatin1Char('#') || c == QLatin1Char('9')) {
            qt += QLatin1Char('#');
        } else {
            if (zeichenDerMaske.contains(c)) qt += QLatin1Char('\\');
            qt += c;
        }
    }
    return qt + QStringLiteral("; ");
}

QValidator* Zahlenprüfer(QObject* eltern) {
    return new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9.,-]*")), eltern);
}

Textbindung::Textbindung(ui::TextBox& box, QLineEdit* feld, Formularansicht& ansicht)
    : Bindung(box, feld, ansicht), box_(box), maske_(dynamic_cast<const ui::MaskEdBox*>(&box)), feld_(feld) {
    feld_->setContextMenuPolicy(Qt::NoContextMenu);
    feld_->setDragEnabled(false);
    feld_->setAcceptDrops(false);
    // Numbers stand right-aligned in the masked boxes, as the formatted texts expect.
    if (maske_) feld_->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    auto vomNutzer = [this] {
        if (!Anwendend()) auswahlVomNutzer_ = true;
    };
    connect(feld_, &QLineEdit::cursorPositionChanged, this, vomNutzer);
    connect(feld_, &QLineEdit::selectionChanged, this, vomNutzer);
}

void Textbindung::Zeigen() {
    if (maske_ && maske_->Mask() != maskeGezeigt_) {
        maskeGezeigt_ = maske_->Mask();
        feld_->setInputMask(Eingabemaske(maskeGezeigt_));
        gezeigt_ = std::string(1, '\0'); // a new mask shows the text anew
    }
    if (box_.Text() != gezeigt_) {
        gezeigt_ = box_.Text();
        feld_->setText(Q(gezeigt_));
    }
    if (box_.SelLength() > 0) {
        feld_->setSelection(box_.SelStart(), box_.SelLength());
    } else {
        feld_->deselect();
        feld_->setCursorPosition(box_.SelStart());
    }
}

bool Textbindung::eventFilter(QObject* objekt, QEvent* ereignis) {
    if (objekt != feld_ || Gelöst()) return Bindung::eventFilter(objekt, ereignis);
    switch (ereignis->type()) {
    case QEvent::KeyPress:
        return TasteWeitergeben(*static_cast<QKeyEvent*>(ereignis));
    case QEvent::InputMethod:
        Tippen(static_cast<QInputMethodEvent*>(ereignis)->commitString());
        return true;
    case QEvent::FocusIn:
        mausfokus_ = static_cast<QFocusEvent*>(ereignis)->reason() == Qt::MouseFocusReason;
        break;
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick: {
        // The click that brings the focus keeps the selection GotFocus made; the middle button's
        // paste would change the text behind the model's back.
        auto* maus = static_cast<QMouseEvent*>(ereignis);
        if (maus->button() == Qt::MiddleButton) return true;
        if (ereignis->type() == QEvent::MouseButtonPress && mausfokus_) {
            mausfokus_ = false;
            return true;
        }
        break;
    }
    case QEvent::Drop:
        return true;
    default:
        break;
    }
    return Bindung::eventFilter(objekt, ereignis);
}

bool Textbindung::TasteWeitergeben(const QKeyEvent& taste) {
    mausfokus_ = false;
    int code = Tastencode(taste);
    int umschalt = Umschaltung(taste);
    if (taste.key() == Qt::Key_Tab || taste.key() == Qt::Key_Backtab) return false;
    if (taste.matches(QKeySequence::Copy) || taste.matches(QKeySequence::SelectAll)) return false;
    FokusNehmen();
    if (taste.matches(QKeySequence::Paste)) {
        Tippen(QApplication::clipboard()->text());
        return true;
    }
    if (Bewegungstaste(code)) {
        AuswahlÜbernehmen();
        Weitergeben([&] { box_.PressKey(code, umschalt); });
        return false; // the line edit moves the caret; the model takes it with the next key
    }
    if (code == vbKeyDelete) {
        AuswahlÜbernehmen();
        Weitergeben([&] {
            box_.PressKey(code, umschalt);
            VorwärtsLöschen();
        });
        return true;
    }
    if (code == ui::vbKeyReturn || code == ui::vbKeyBack || code == ui::vbKeyEscape) {
        AuswahlÜbernehmen();
        Weitergeben([&] { box_.PressKey(code, umschalt); });
        return true;
    }
    QString text = taste.text();
    bool zeichen =
        !text.isEmpty() && text.at(0).isPrint() && (umschalt & (ui::vbCtrlMask | ui::vbAltMask)) == 0;
    if (zeichen) {
        if (code != 0) Weitergeben([&] { box_.PressKey(code, umschalt); });
        Tippen(text);
    } else if (code != 0) {
        Weitergeben([&] { box_.PressKey(code, umschalt); });
    }
    return true;
}

bool Textbindung::Zulässig(const QString& text) const {
    if (const QValidator* prüfer = feld_->validator()) {
        QString neu = Q(box_.Text()).replace(box_.SelStart(), box_.SelLength(), text);
        int stelle = box_.SelStart();
        return prüfer->validate(neu, stelle) != QValidator::Invalid;
    }
    // A masked box holds a number even where its mask is empty.
    if (!maske_) return true;
    for (QChar c : text)
        if (!c.isDigit() && !QStringLiteral(" ,.-+").contains(c)) return false;
    if (maske_->Mask().empty()) return true;
    // The decimal keys go to the field's key handler, which moves the caret behind the comma.
    if (text == QStringLiteral(",") || text == QStringLiteral(".")) return true;
    int plätze = Länge(Q(maske_->Mask()));
    return Länge(Q(box_.Text())) - box_.SelLength() + Länge(text) <= plätze;
}

void Textbindung::AuswahlÜbernehmen() {
    if (!auswahlVomNutzer_) return;
    auswahlVomNutzer_ = false;
    int start = feld_->hasSelectedText() ? feld_->selectionStart() : feld_->cursorPosition();
    int länge = feld_->hasSelectedText() ? Länge(feld_->selectedText()) : 0;
    int textlänge = Länge(Q(box_.Text()));
    start = std::min(start, textlänge);
    länge = std::min(länge, textlänge - start);
    if (start == box_.SelStart() && länge == box_.SelLength()) return;
    Weitergeben([&] {
        box_.SetSelStart(start);
        box_.SetSelLength(länge);
    });
}

void Textbindung::Tippen(const QString& text) {
    if (text.isEmpty() || !Zulässig(text)) return;
    AuswahlÜbernehmen();
    Weitergeben([&] { box_.Type(S(text)); });
}

void Textbindung::VorwärtsLöschen() {
    QString text = Q(box_.Text());
    int start = box_.SelStart();
    int länge = std::max(box_.SelLength(), 1);
    if (start >= Länge(text)) return;
    text.remove(start, länge);
    box_.SetText(S(text));
    box_.SetSelStart(start);
}

Kästchenbindung::Kästchenbindung(ui::CheckBox& box, QCheckBox* kästchen, Formularansicht& ansicht)
    : Bindung(box, kästchen, ansicht), box_(box), kästchen_(kästchen) {
    connect(kästchen_, &QCheckBox::clicked, this, [this] {
        FokusNehmen();
        Weitergeben([this] { box_.Toggle(); });
        Anwenden();
    });
}

void Kästchenbindung::Zeigen() {
    kästchen_->setText(Q(box_.Caption()));
    kästchen_->setChecked(box_.Value() == ui::vbChecked);
}

Optionsbindung::Optionsbindung(ui::OptionButton& option, QRadioButton* knopf, Formularansicht& ansicht)
    : Bindung(option, knopf, ansicht), option_(option), knopf_(knopf) {
    knopf_->setAutoExclusive(false);
    connect(knopf_, &QRadioButton::clicked, this, [this] {
        FokusNehmen();
        Weitergeben([this] { option_.Select(); });
        Anwenden();
    });
}

void Optionsbindung::Zeigen() {
    knopf_->setText(Q(option_.Caption()));
    knopf_->setChecked(option_.Value());
}

Listenbindung::Listenbindung(ui::ComboBox& liste, QComboBox* auswahl, Formularansicht& ansicht)
    : Bindung(liste, auswahl, ansicht), liste_(liste), auswahl_(auswahl) {
    connect(auswahl_, &QComboBox::activated, this, [this](int index) {
        FokusNehmen();
        Weitergeben([&] { liste_.Choose(index); });
        Anwenden();
    });
}

void Listenbindung::Überlagern(Rasterbindung& raster) {
    raster_ = &raster;
    raster.ListeÜberlagern(auswahl_);
    auswahl_->setParent(raster.Tabelle()->viewport());
    Anwenden();
}

void Listenbindung::Zeigen() {
    bool gleich = auswahl_->count() == liste_.ListCount();
    for (int i = 0; gleich && i < liste_.ListCount(); ++i)
        gleich = auswahl_->itemText(i) == Q(liste_.List(i));
    if (!gleich) {
        auswahl_->clear();
        for (int i = 0; i < liste_.ListCount(); ++i)
            auswahl_->addItem(Q(liste_.List(i)));
    }
    auswahl_->setCurrentIndex(liste_.ListIndex());
    if (raster_ && liste_.Visible()) ÜberZelleLegen();
}

void Listenbindung::ÜberZelleLegen() {
    const ui::Grid& grid = raster_->Raster();
    int spalte = grid.Col();
    for (int c = 1; c <= grid.Cols(); ++c)
        if (static_cast<float>(grid.ColPos(c)) + grid.Left() == liste_.Left()) spalte = c;
    QRect zelle = raster_->Zellrechteck(grid.Row(), spalte);
    if (!zelle.isValid()) return;
    int höhe = std::max(zelle.height(), auswahl_->sizeHint().height());
    // A narrow column would cut the entries off behind the arrow; the list then reaches into the next.
    int breite = std::max(zelle.width(), auswahl_->sizeHint().width());
    auswahl_->setGeometry(zelle.x(), zelle.y() + (zelle.height() - höhe) / 2, breite, höhe);
    auswahl_->raise();
}

Beschriftungsbindung::Beschriftungsbindung(ui::Label& label, QLabel* beschriftung, Formularansicht& ansicht)
    : Bindung(label, beschriftung, ansicht), label_(label), beschriftung_(beschriftung) {
    beschriftung_->setTextFormat(Qt::PlainText);
}

void Beschriftungsbindung::Zeigen() {
    beschriftung_->setText(Q(label_.Caption()));
}

Rahmenbindung::Rahmenbindung(ui::Frame& frame, QGroupBox* gruppe, Formularansicht& ansicht)
    : Bindung(frame, gruppe, ansicht), frame_(frame), gruppe_(gruppe) {}

void Rahmenbindung::Zeigen() {
    gruppe_->setTitle(Q(frame_.Caption()));
}

Knopfbindung::Knopfbindung(ui::CommandButton& button, QPushButton* knopf, Formularansicht& ansicht)
    : Bindung(button, knopf, ansicht), button_(button), knopf_(knopf) {
    knopf_->setAutoDefault(false);
    connect(knopf_, &QPushButton::clicked, this, [this] {
        // The windows' cancel buttons carry the image "Abbruch"; changed entries are not dropped unasked.
        if (button_.Picture() == "Abbruch" && !Ansicht().VerwerfenBestätigt()) return;
        FokusNehmen();
        Weitergeben([this] { button_.Press(); });
    });
}

void Knopfbindung::Zeigen() {
    knopf_->setText(Q(button_.Caption()));
    knopf_->setIcon(Symbol(button_.Picture()));
    knopf_->setDefault(button_.Default());
    if (button_.Caption().empty()) knopf_->setToolTip(Q(button_.Picture()));
}

} // namespace kovelund::gui
