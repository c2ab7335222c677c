#include "gui/Rechnungszuordnung.h"

#include <QSettings>
#include <QString>

namespace kovelund::gui {

namespace {

// A path holds slashes, which the settings take for groups: the key is the path's bytes in hex.
QString Schlüssel(const std::filesystem::path& dokument) {
    QByteArray pfad =
        QString::fromStdString(std::filesystem::absolute(dokument).lexically_normal().string()).toUtf8();
    return QStringLiteral("Rechnungsdatensatz/") + QString::fromLatin1(pfad.toHex());
}

QSettings Einstellungen() {
    return QSettings(QStringLiteral("Kovelund"), QStringLiteral("kovelund-gui"));
}

} // namespace

int ZugeordneteRechnung(const std::filesystem::path& dokument) {
    return Einstellungen().value(Schlüssel(dokument), 0).toInt();
}

void RechnungZuordnen(const std::filesystem::path& dokument, int id) {
    QSettings einstellungen = Einstellungen();
    if (id == 0)
        einstellungen.remove(Schlüssel(dokument));
    else
        einstellungen.setValue(Schlüssel(dokument), id);
}

} // namespace kovelund::gui
