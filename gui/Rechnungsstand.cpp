#include "gui/Rechnungsstand.h"

#include "platform/dao/Database.h"
#include "platform/dao/Recordset.h"

#include <algorithm>
#include <exception>

namespace kovelund::gui {

namespace {

// The fields a window's "&OK" writes into the invoice record.
const char* const summenfelder[] = {"NettoRechnung", "Brutto", "MehrwertsteuerFreierbetrag",
                                    "Mehrwertsteuersatz"};

std::shared_ptr<dao::Recordset> Datensatz(dao::Database& datenbank, int id) {
    auto satz =
        datenbank.OpenRecordset("SELECT * FROM Rechnung WHERE ID_Rechnungsnummer = " + std::to_string(id));
    if (satz->Eof()) throw std::runtime_error("Die Datenbank hat keine Rechnung " + std::to_string(id) + ".");
    return satz;
}

} // namespace

void Rechnungsstand::Merken(const std::shared_ptr<dao::Database>& datenbank, int id) {
    bool gemerkt = std::any_of(stände_.begin(), stände_.end(),
                               [&](const Stand& s) { return s.datenbank == datenbank && s.id == id; });
    if (gemerkt || !datenbank) return;
    auto satz = Datensatz(*datenbank, id);
    Stand stand{datenbank, id, {}};
    for (const char* feld : summenfelder)
        stand.werte.push_back(satz->Fields(feld).Value());
    stände_.push_back(std::move(stand));
}

std::string Rechnungsstand::Zurücksetzen() {
    std::string fehler;
    for (const Stand& stand : stände_) {
        try {
            auto satz = Datensatz(*stand.datenbank, stand.id);
            satz->Edit();
            for (std::size_t i = 0; i < stand.werte.size(); ++i)
                satz->Fields(summenfelder[i]) = stand.werte[i];
            satz->Update();
        } catch (const std::exception& e) {
            fehler += (fehler.empty() ? "" : "\n") + std::string(e.what());
        }
    }
    stände_.clear();
    return fehler;
}

void Rechnungsstand::Vergessen() {
    stände_.clear();
}

} // namespace kovelund::gui
