#include "host/Verlaufsbefehle.h"

#include "host/Verlauf.h"
#include "platform/datei/Sperre.h"

#include <ostream>
#include <string>

namespace kovelund {

namespace {

std::string Zeile(const Verlaufsschritt& s, const char* richtung) {
    std::string zeile = s.zeit + "  " + richtung + s.anlass;
    if (s.datei.empty()) zeile += "  (die Rechnung gab es noch nicht)";
    if (s.rechnung) zeile += "  (Rechnung " + std::to_string(s.rechnung->rechnung) + ")";
    return zeile;
}

} // namespace

void VerlaufZeigen(const std::filesystem::path& dokument, std::ostream& aus) {
    Verlauf verlauf(dokument);
    auto zurück = verlauf.Zurück();
    auto vor = verlauf.Vor();
    aus << "Verlauf von " << dokument.string() << " (" << Verlauf::Ordner(dokument).string() << ")\n";
    aus << "Rückgängig (" << zurück.size() << "):\n";
    for (auto s = zurück.rbegin(); s != zurück.rend(); ++s)
        aus << "  " << Zeile(*s, "vor: ") << '\n';
    aus << "Wiederherstellen (" << vor.size() << "):\n";
    for (auto s = vor.rbegin(); s != vor.rend(); ++s)
        aus << "  " << Zeile(*s, "nach: ") << '\n';
}

int VerlaufGehen(const std::filesystem::path& dokument, bool zurück,
                 const std::optional<std::filesystem::path>& datenbank, std::ostream& aus,
                 std::ostream& fehler) {
    // Restoring replaces the invoice, which an office program or a session may hold.
    datei::Sperre sperre = datei::Sperre::Nehmen(dokument);
    Verlauf verlauf(dokument);
    bool getan = zurück ? verlauf.Rückgängig(datenbank) : verlauf.Wiederherstellen(datenbank);
    if (!getan) {
        fehler << "kovelund: " << dokument.string() << ": nothing to " << (zurück ? "undo" : "redo") << '\n';
        return 1;
    }
    aus << (zurück ? "Rückgängig gemacht: " : "Wiederhergestellt: ") << dokument.string() << '\n';
    return 0;
}

} // namespace kovelund
