#include "Gastfenster.h"

#include <QMdiArea>
#include <QMenuBar>
#include <QMessageBox>
#include <QToolBar>

Gastfenster::Gastfenster(QString rechnung, QString datenbank, int rechnungsnummer)
    : kv_(kovelund_kv_create("Kovelund.KV")), rechnung_(std::move(rechnung)),
      datenbank_(std::move(datenbank)), rechnungsnummer_(rechnungsnummer), bereich_(new QMdiArea(this)) {
    setWindowTitle(QStringLiteral("Vermessungsbüro"));
    setCentralWidget(bereich_);
    berechnen_ =
        menuBar()->addMenu(QStringLiteral("&Rechnung"))->addAction(QStringLiteral("Gebühr &berechnen"));
    berechnen_->setObjectName(QStringLiteral("GebührBerechnen"));
    addToolBar(QStringLiteral("Rechnung"))->addAction(berechnen_);
    connect(berechnen_, &QAction::triggered, this, [this] { GebührBerechnen(2); });
    kovelund_kv_set_finished(kv_, &Gastfenster::Fertig, this);
}

Gastfenster::~Gastfenster() {
    kovelund_kv_destroy(kv_);
}

int Gastfenster::GebührBerechnen(int kategorie) {
    QByteArray rechnung = rechnung_.toUtf8();
    QByteArray datenbank = datenbank_.toUtf8();
    // The facts of the job, the host's database and its document, then the window in the MDI area.
    int fehler = kovelund_kv_set_text(kv_, "VamoWorkspace", "Vamo");
    if (fehler == 0) fehler = kovelund_kv_set_text(kv_, "DatenbankPfad", datenbank.constData());
    if (fehler == 0) fehler = kovelund_kv_set_text(kv_, "NeueAbfrage", datenbank.constData());
    if (fehler == 0) fehler = kovelund_kv_set_text(kv_, "Doc", rechnung.constData());
    if (fehler == 0) fehler = kovelund_kv_set_number(kv_, "ID_Benutzer", 1);
    if (fehler == 0) fehler = kovelund_kv_set_text(kv_, "Flurstücksnummer", "123/4");
    if (fehler == 0) fehler = kovelund_kv_set_number(kv_, "Bodenwert", 85.5);
    if (fehler == 0) fehler = kovelund_kv_set_number(kv_, "AnzahlGrenzpunkte", 12);
    if (fehler == 0) fehler = kovelund_kv_show(kv_, kategorie - 1, rechnungsnummer_, bereich_->winId());
    return Melden(fehler);
}

void Gastfenster::Fertig(void* fenster, int index, int geschrieben) {
    auto* gast = static_cast<Gastfenster*>(fenster);
    if (geschrieben != 0) gast->Melden(kovelund_kv_save_document(gast->kv_));
    Q_EMIT gast->Abgeschlossen(index + 1, geschrieben != 0);
}

int Gastfenster::Melden(int fehler) {
    if (fehler != 0)
        QMessageBox::warning(this, QStringLiteral("Gebühr"), QString::fromUtf8(kovelund_kv_last_error(kv_)));
    return fehler;
}
