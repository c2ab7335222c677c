#pragma once
// What the embedding tests share: a copy of the sample invoice, the calculator window's widgets by
// name, category 2 filled in through keys and clicks, and the saved invoice read back.

#include <QString>

class QTemporaryDir;
class QWidget;

namespace probe {

/// Copies the sample invoice and host database (from $KOVELUND_STICHPROBE) into `ordner`.
bool StichprobeKopieren(const QTemporaryDir& ordner);

/// The widget of the calculator window (or of its control) named `name`, or none.
QWidget* Fenster(const char* name);
QWidget* Element(QWidget* fenster, const char* name);

/// A user's click on the widget; a check box on its box, as its empty rest takes no clicks.
void Klicken(QWidget* element);
/// Fills the category 2 window as a user does: points, documents, hours, kilometres, and the share
/// field last, which leaves the kilometres field.
void Kategorie2Ausfüllen(QWidget* fenster);

/// Whether the invoice saved at `rechnung` holds the category 2 statement and its totals, read by
/// `kovelund dump` ($KOVELUND_CLI); `bericht` says what was found otherwise.
bool StatementGespeichert(const QString& rechnung, QString& bericht);

} // namespace probe
