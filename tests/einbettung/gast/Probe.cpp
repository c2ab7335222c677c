#include "Probe.h"

#include <QApplication>
#include <QCheckBox>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

namespace probe {

bool StichprobeKopieren(const QTemporaryDir& ordner) {
    const QString quelle = qEnvironmentVariable("KOVELUND_STICHPROBE");
    return QFile::copy(quelle + QStringLiteral("/Rechnung.docx"),
                       ordner.filePath(QStringLiteral("Rechnung.docx"))) &&
           QFile::copy(quelle + QStringLiteral("/host.sqlite"),
                       ordner.filePath(QStringLiteral("host.sqlite")));
}

QWidget* Fenster(const char* name) {
    const QString gesucht = QString::fromUtf8(name);
    for (QWidget* w : QApplication::allWidgets())
        if (w->objectName() == gesucht) return w;
    return nullptr;
}

QWidget* Element(QWidget* fenster, const char* name) {
    return fenster ? fenster->findChild<QWidget*>(QString::fromUtf8(name)) : nullptr;
}

void Klicken(QWidget* element) {
    if (!element) return;
    bool kästchen = qobject_cast<QCheckBox*>(element) != nullptr;
    QTest::mouseClick(element, Qt::LeftButton, {},
                      kästchen ? QPoint(8, element->height() / 2) : element->rect().center());
}

void Kategorie2Ausfüllen(QWidget* fenster) {
    auto eingeben = [fenster](const char* feld, const char* text) {
        Klicken(Element(fenster, feld));
        QTest::keyClicks(Element(fenster, feld), QString::fromUtf8(text));
    };
    eingeben("msk100", "12");
    Klicken(Element(fenster, "chkUnterlagen"));
    eingeben("mskHTechniker", "2,3");
    eingeben("MaskEdBoxKM", "24");
    Klicken(Element(fenster, "chkVUnterlagen"));
    Klicken(Element(fenster, "MaskEdBoxAnteil"));
}

bool StatementGespeichert(const QString& rechnung, QString& bericht) {
    QProcess dump;
    dump.start(qEnvironmentVariable("KOVELUND_CLI"), {QStringLiteral("dump"), rechnung});
    if (!dump.waitForFinished(30000) || dump.exitCode() != 0) {
        bericht = QStringLiteral("kovelund dump failed: ") + QString::fromUtf8(dump.readAllStandardError());
        return false;
    }
    const QJsonObject inhalt = QJsonDocument::fromJson(dump.readAllStandardOutput()).object();
    bool tabelle = false;
    for (const QJsonValue t : inhalt[QStringLiteral("tables")].toArray())
        tabelle = tabelle || t[QStringLiteral("marker")].toString() == QStringLiteral("Kovelund_2");
    QString brutto;
    for (const QJsonValue k : inhalt[QStringLiteral("comments")].toArray())
        if (k[QStringLiteral("text")].toString() == QStringLiteral("vamoBrutto"))
            brutto = k[QStringLiteral("refers_to")].toString();
    bericht =
        QStringLiteral("statement table %1, vamoBrutto '%2'").arg(tabelle ? "found" : "missing", brutto);
    return tabelle && !brutto.isEmpty() && !brutto.startsWith(QStringLiteral("0,00"));
}

} // namespace probe
