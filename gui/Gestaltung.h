#pragma once
// The layouts of the windows: each window's own, built from its captions and fields in the order a
// surveyor fills them in, and a plain one for windows without their own. The helpers below are the
// pieces every layout shares: captioned field columns, the running-fee panel and the button row.

#include <QString>
#include <initializer_list>
#include <utility>

class QBoxLayout;
class QGridLayout;
class QGroupBox;
class QHBoxLayout;
class QLayout;
class QWidget;

namespace kovelund::gui {

class Formularansicht;

/// Lays out the view of its window and sets the tab order to the layout's order.
void Gestalten(Formularansicht& ansicht);

void frmKat1Gestalten(Formularansicht& ansicht);
void frmKat2Gestalten(Formularansicht& ansicht);
void frmKat3Gestalten(Formularansicht& ansicht);
void frmKat5Gestalten(Formularansicht& ansicht);
void frmKat6Gestalten(Formularansicht& ansicht);
void frmKat4Gestalten(Formularansicht& ansicht);
void G_frmTabelleGestalten(Formularansicht& ansicht);
/// Every control in the order of the model, frames as group boxes, buttons in a row at the end.
void SchlichtGestalten(Formularansicht& ansicht);

/// A caption and its field: names of a label and an input control of the window.
using Feldpaar = std::pair<const char*, const char*>;

/// Captions left, fields right, one pair a row; a field without caption spans both columns.
QGridLayout* Felder(Formularansicht& ansicht, std::initializer_list<Feldpaar> paare);
/// The frame `name` with `inhalt` as its layout.
QGroupBox* Gruppe(Formularansicht& ansicht, const char* name, QLayout* inhalt);
/// A grid window's list: the grid `raster`, at least `zeilen` lines high and wide enough for all its
/// columns, taking the spare width, with "&Einfügen" and "&Löschen" beside it and the choice boxes
/// `listen` laid over its cells.
QHBoxLayout* Rasterliste(Formularansicht& ansicht, const char* raster,
                         std::initializer_list<const char*> listen, int zeilen = 10);
/// The running fee, set off so that it is seen first: caption and amount in a large bold face.
QWidget* Gebührenanzeige(Formularansicht& ansicht, const char* beschriftung, const char* betrag);
/// The version label left, the buttons right, the first of them default-styled.
QHBoxLayout* Knopfleiste(Formularansicht& ansicht, std::initializer_list<const char*> knöpfe);
/// A masked box as wide as `zeichen` characters of its font, so short fields look short.
void Feldbreite(Formularansicht& ansicht, const char* name, int zeichen);
/// A text box without a mask that holds a number: it takes only what makes one (Zahlenprüfer).
void Zahlenfeld(Formularansicht& ansicht, const char* name);

} // namespace kovelund::gui
