#include "Rechnungsbild.h"

#include "Prozess.h"
#include "platform/dao/Database.h"
#include "platform/dao/Field.h"
#include "platform/dao/Recordset.h"
#include "platform/dao/Workspace.h"

#include <nlohmann/json.hpp>

#include <cmath>

namespace kovelund::soak {

namespace {

using Json = nlohmann::json;

void GebührentabelleAddieren(const Json& tabelle, Rechnungsbild& bild) {
    bool frei = false;
    for (const Json& zeile : tabelle["rows"]) {
        if (zeile.size() > 1 &&
            zeile[1]["text"].get<std::string>().find("Umsatzsteuerfreie") != std::string::npos)
            frei = true;
        if (zeile.size() <= 4) continue;
        std::string text = zeile[4]["text"].get<std::string>();
        if (text.find("€") == std::string::npos) continue;
        (frei ? bild.steuerfrei : bild.steuerpflichtig) += Betrag(text);
    }
}

void SummentabelleLesen(const Json& tabelle, Rechnungsbild& bild) {
    ++bild.summentabellen;
    for (const Json& zeile : tabelle["rows"])
        if (zeile.size() > 3 && zeile[1]["text"] == "Summe") bild.summe = Betrag(zeile[3]["text"]);
}

double Feld(dao::Recordset& satz, const char* name) {
    return satz.Fields(name).Value().IstNull() ? 0 : AlsDouble(satz.Fields(name).Value()) / 100;
}

} // namespace

double Betrag(const std::string& text) {
    std::string zahl;
    for (char c : text) {
        if ((c >= '0' && c <= '9') || c == '-') zahl += c;
        if (c == ',') zahl += '.';
    }
    return zahl.empty() ? 0 : std::stod(zahl);
}

Rechnungsbild Lesen(const std::string& bin, const std::filesystem::path& dokument,
                    const std::filesystem::path& datenbank, int rechnung) {
    Rechnungsbild bild;
    Ergebnis dump = Aufrufen(bin + " dump '" + dokument.string() + "' 2>/dev/null");
    if (dump.code != 0) throw std::runtime_error("kovelund dump failed: " + dump.ausgabe);
    Json json = Json::parse(dump.ausgabe);
    for (const Json& tabelle : json["tables"]) {
        std::string marke = tabelle.value("marker", std::string());
        if (marke.rfind("Kovelund_", 0) == 0) {
            ++bild.gebührentabellen;
            ++bild.jeMarke[marke];
            GebührentabelleAddieren(tabelle, bild);
        } else if (marke == "RE_Summe") {
            SummentabelleLesen(tabelle, bild);
        }
    }
    for (const Json& feld : json["textboxes"])
        if (feld["name"] == "Zahlungsziel") ++bild.zahlungsziele;
    auto satz =
        dao::Workspace()
            .OpenDatabase(datenbank.string())
            ->OpenRecordset("SELECT * FROM Rechnung WHERE ID_Rechnungsnummer = " + std::to_string(rechnung));
    bild.satzNetto = Feld(*satz, "NettoRechnung");
    bild.satzFrei = Feld(*satz, "MehrwertsteuerFreierbetrag");
    bild.bytes = std::filesystem::file_size(dokument);
    return bild;
}

std::vector<std::string> Verstöße(const Rechnungsbild& b, int erwarteteTabellen) {
    std::vector<std::string> v;
    auto gleich = [](double x, double y) { return std::abs(x - y) < 0.005; };
    if (b.gebührentabellen != erwarteteTabellen)
        v.push_back(std::to_string(b.gebührentabellen) + " fee tables, " + std::to_string(erwarteteTabellen) +
                    " expected");
    if (b.summentabellen != 1) v.push_back(std::to_string(b.summentabellen) + " summary tables");
    if (b.zahlungsziele != 1) v.push_back(std::to_string(b.zahlungsziele) + " payment boxes");
    if (!gleich(b.summe, b.steuerpflichtig + b.steuerfrei))
        v.push_back("Summe " + std::to_string(b.summe) + " is not the fee tables' " +
                    std::to_string(b.steuerpflichtig + b.steuerfrei));
    if (!gleich(b.satzNetto, b.steuerpflichtig) || !gleich(b.satzFrei, b.steuerfrei))
        v.push_back("the record holds " + std::to_string(b.satzNetto) + " + " + std::to_string(b.satzFrei) +
                    ", the tables " + std::to_string(b.steuerpflichtig) + " + " +
                    std::to_string(b.steuerfrei));
    return v;
}

} // namespace kovelund::soak
