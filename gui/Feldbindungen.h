#pragma once
// The bindings of the simple control kinds: text and masked boxes, check boxes, option buttons,
// choice lists, labels, frames and command buttons.

#include "gui/Bindung.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QValidator>
#include <string>

namespace kovelund::ui {
class CheckBox;
class ComboBox;
class CommandButton;
class Frame;
class Label;
class MaskEdBox;
class OptionButton;
class TextBox;
} // namespace kovelund::ui

namespace kovelund::gui {

class Rasterbindung;

/// The toolkit's input mask as a QLineEdit input mask: "#" a digit place, "9" an optional digit,
/// the rest literal; blanks stand for empty places. "" stays "" (no mask).
QString Eingabemaske(const std::string& maske);

/// The check of a number field without a mask: only digits, comma, point and minus can be typed, so
/// that a letter is not read as 0 without a word.
QValidator* Zahlenprüfer(QObject* eltern);

/// A text box or masked box as a QLineEdit. The model owns the text: every key goes to the model
/// (KeyDown, KeyPress, the change), and the line edit only shows the model's text and selection.
/// A mask admits digits, blanks, signs and the decimal keys, and no more characters than places; a
/// field the layout gave a validator admits what keeps the validator content.
class Textbindung : public Bindung {
public:
    Textbindung(ui::TextBox& box, QLineEdit* feld, Formularansicht& ansicht);

protected:
    void Zeigen() override;
    bool eventFilter(QObject* objekt, QEvent* ereignis) override;

private:
    bool TasteWeitergeben(const QKeyEvent& taste);
    bool Zulässig(const QString& text) const;
    /// Hands the caret and selection the user made with the mouse or arrows to the model.
    void AuswahlÜbernehmen();
    void Tippen(const QString& text);
    void VorwärtsLöschen();

    ui::TextBox& box_;
    const ui::MaskEdBox* maske_;
    QLineEdit* feld_;
    std::string gezeigt_;
    std::string maskeGezeigt_;
    /// Whether the user moved the caret or selection since the model's were shown: a masked line
    /// edit shifts the caret off literals by itself, which is no move of the user's.
    bool auswahlVomNutzer_ = false;
    bool mausfokus_ = false;
};

class Kästchenbindung : public Bindung {
public:
    Kästchenbindung(ui::CheckBox& box, QCheckBox* kästchen, Formularansicht& ansicht);

protected:
    void Zeigen() override;

private:
    ui::CheckBox& box_;
    QCheckBox* kästchen_;
};

/// Option buttons are grouped by the model, not by Qt: a click selects the model's button, which
/// clears the others of its frame, and every button shows the model's value.
class Optionsbindung : public Bindung {
public:
    Optionsbindung(ui::OptionButton& option, QRadioButton* knopf, Formularansicht& ansicht);

protected:
    void Zeigen() override;

private:
    ui::OptionButton& option_;
    QRadioButton* knopf_;
};

class Listenbindung : public Bindung {
public:
    Listenbindung(ui::ComboBox& liste, QComboBox* auswahl, Formularansicht& ansicht);
    /// Lays the list over `raster`'s cells (see Formularansicht::Überlagern).
    void Überlagern(Rasterbindung& raster);

protected:
    void Zeigen() override;

private:
    void ÜberZelleLegen();

    ui::ComboBox& liste_;
    QComboBox* auswahl_;
    Rasterbindung* raster_ = nullptr;
};

class Beschriftungsbindung : public Bindung {
public:
    Beschriftungsbindung(ui::Label& label, QLabel* beschriftung, Formularansicht& ansicht);

protected:
    void Zeigen() override;

private:
    ui::Label& label_;
    QLabel* beschriftung_;
};

/// A frame as a group box: disabling or hiding it disables or hides what the layout put in it.
class Rahmenbindung : public Bindung {
public:
    Rahmenbindung(ui::Frame& frame, QGroupBox* gruppe, Formularansicht& ansicht);

protected:
    void Zeigen() override;

private:
    ui::Frame& frame_;
    QGroupBox* gruppe_;
};

/// A command button with the icon of its image key; a click first takes the focus on the form, so
/// that the field the user leaves runs its LostFocus before the button's Click.
class Knopfbindung : public Bindung {
public:
    Knopfbindung(ui::CommandButton& button, QPushButton* knopf, Formularansicht& ansicht);

protected:
    void Zeigen() override;

private:
    ui::CommandButton& button_;
    QPushButton* knopf_;
};

} // namespace kovelund::gui
