#pragma once
// The main window of a host application: an MDI area for the calculator windows and the action
// "Gebühr berechnen", which hands the job to the component and opens a category's window.

#include "component/kovelund.h"

#include <QMainWindow>
#include <QString>

class QAction;
class QMdiArea;

class Gastfenster : public QMainWindow {
    Q_OBJECT
public:
    /// Works on the invoice document `rechnung` and the host database `datenbank`, on the invoice
    /// record `rechnungsnummer`.
    Gastfenster(QString rechnung, QString datenbank, int rechnungsnummer);
    ~Gastfenster() override;

    /// Opens the calculator window of `kategorie` (1 to 6) in the MDI area; returns the component's
    /// error number (0 when the window was shown) and reports a failure in a message box.
    int GebührBerechnen(int kategorie);

    QMdiArea* Bereich() const { return bereich_; }
    QAction* Berechnen() const { return berechnen_; }

Q_SIGNALS:
    /// A calculator window finished; after a written statement the invoice is saved already.
    void Abgeschlossen(int kategorie, bool geschrieben);

private:
    static void Fertig(void* fenster, int index, int geschrieben);
    int Melden(int fehler);

    kovelund_kv* kv_;
    QString rechnung_;
    QString datenbank_;
    int rechnungsnummer_;
    QMdiArea* bereich_;
    QAction* berechnen_;
};
