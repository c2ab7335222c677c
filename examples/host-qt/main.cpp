// kovelund-host-qt RECHNUNG.docx HOST.sqlite [RECHNUNGSNUMMER]: a host window whose action "Gebühr
// berechnen" opens the component's category 2 window on the invoice.

#include "Gastfenster.h"

#include <QApplication>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    const QStringList argumente = QApplication::arguments();
    if (argumente.size() < 3) {
        qWarning("usage: kovelund-host-qt RECHNUNG.docx HOST.sqlite [RECHNUNGSNUMMER]");
        return 2;
    }
    Gastfenster fenster(argumente[1], argumente[2], argumente.size() > 3 ? argumente[3].toInt() : 17);
    fenster.resize(1200, 800);
    fenster.show();
    return QApplication::exec();
}
