// `kovelund check` on the sample invoice after a calculation: clean, unreadable, tampered and repaired.
#include "host/Pruefung.h"
#include "host/Sitzung.h"
#include "host/Verlauf.h"
#include "platform/dao/Workspace.h"
#include "platform/datei/Sperre.h"
#include "platform/docx/Comment.h"
#include "platform/docx/Shape.h"
#include "platform/docx/Table.h"
#include "support/Beispielordner.h"
#include "support/Dateiinhalt.h"
#include "totals/Summen.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <fstream>
#include <sstream>

using namespace kovelund;
namespace fs = std::filesystem;

namespace {

struct Ausgabe {
    int code;
    std::string aus;
    std::string fehler;
};

class Pruefung : public ::testing::Test {
protected:
    void SetUp() override {
        Sitzungsauftrag sitzung{fs::path(KOVELUND_EXAMPLES) / "frmKat6-drei.json",
                                ordner.Dokumentpfad(),
                                ordner.Datenbankpfad(),
                                {},
                                17,
                                {}};
        ASSERT_TRUE(SitzungSpielen(sitzung).gespeichert);
    }

    Ausgabe Prüfen(Prüfauftrag auftrag) {
        if (auftrag.dokument.empty()) auftrag.dokument = ordner.Dokumentpfad();
        std::ostringstream aus, fehler;
        int code = RechnungPrüfenBefehl(auftrag, aus, fehler);
        return {code, aus.str(), fehler.str()};
    }

    static Prüfauftrag MitRechnung() {
        Prüfauftrag auftrag;
        auftrag.rechnung = 17;
        return auftrag;
    }

    // The XML of the invoice's fee tables (all but the summary tables), in document order.
    std::vector<std::string> Gebührentabellen() const {
        auto doc = docx::Document::Open(ordner.Dokumentpfad());
        std::string xml = doc->PartXml("word/document.xml");
        std::vector<std::string> tabellen;
        std::size_t an = 0;
        for (const docx::Table& t : doc->Tables()) {
            std::size_t anfang = xml.find("<w:tbl>", an);
            std::size_t ende = xml.find("</w:tbl>", anfang) + 8;
            an = ende;
            if (!IstSummentabelle(t)) tabellen.push_back(xml.substr(anfang, ende - anfang));
        }
        return tabellen;
    }

    test::Beispielordner ordner;
};

TEST_F(Pruefung, ACleanInvoicePassesInTextAndJson) {
    Ausgabe text = Prüfen(MitRechnung());
    EXPECT_EQ(text.code, 0) << text.aus;
    EXPECT_NE(text.aus.find("Tabelle 1: Kategorie 6, "), std::string::npos) << text.aus;
    EXPECT_NE(text.aus.find("Keine Befunde."), std::string::npos) << text.aus;

    Prüfauftrag json = MitRechnung();
    json.json = true;
    Ausgabe j = Prüfen(json);
    EXPECT_EQ(j.code, 0);
    auto befunde = nlohmann::json::parse(j.aus).at("findings");
    ASSERT_EQ(befunde.size(), 1u) << j.aus;
    EXPECT_EQ(befunde[0].at("kind"), "Gebührentabelle");
    EXPECT_EQ(befunde[0].at("problem"), false);
}

TEST_F(Pruefung, WhatCannotBeReadGivesTwoAndChangesNothing) {
    Prüfauftrag fremdeRechnung = MitRechnung();
    fremdeRechnung.rechnung = 99;
    Ausgabe keinSatz = Prüfen(fremdeRechnung);
    EXPECT_EQ(keinSatz.code, 2);
    EXPECT_NE(keinSatz.fehler.find("no invoice 99"), std::string::npos) << keinSatz.fehler;

    Prüfauftrag keineDatenbank;
    keineDatenbank.datenbank = ordner.verzeichnis / "fehlt.sqlite";
    EXPECT_EQ(Prüfen(keineDatenbank).code, 2);

    fs::path kaputt = ordner.verzeichnis / "kaputt.docx";
    std::ofstream(kaputt, std::ios::binary) << "PK kein Archiv";
    Prüfauftrag defekt;
    defekt.dokument = kaputt;
    defekt.reparieren = true;
    Ausgabe e = Prüfen(defekt);
    EXPECT_EQ(e.code, 2);
    EXPECT_NE(e.fehler.find("kaputt.docx"), std::string::npos) << e.fehler;
    EXPECT_FALSE(fs::exists(Verlauf::Ordner(kaputt)));
}

TEST_F(Pruefung, AnInvoiceHeldElsewhereIsCheckedButNotRepaired) {
    const std::string datei = test::Dateiinhalt(ordner.Dokumentpfad());
    datei::Sperre anderswo = datei::Sperre::Nehmen(ordner.Dokumentpfad());
    EXPECT_EQ(Prüfen(MitRechnung()).code, 0);
    Prüfauftrag reparieren = MitRechnung();
    reparieren.reparieren = true;
    EXPECT_THROW(Prüfen(reparieren), datei::Gesperrt);
    EXPECT_EQ(test::Dateiinhalt(ordner.Dokumentpfad()), datei);
}

TEST_F(Pruefung, RepairRebuildsTheTotalsAndLeavesEveryFeeTableAlone) {
    {
        auto doc = docx::Document::Open(ordner.Dokumentpfad());
        for (const docx::Table& t : doc->Tables())
            if (IstSummentabelle(t)) t.Cell(1, 4).Range().SetText("1,00 €");
        for (const docx::Comment& k : doc->Comments())
            if (k.Text() == "vamoBrutto") k.Scope().SetText("3,00 € ");
        docx::Table zweite = doc->Tables().Add(doc->Content(), 3, 4);
        zweite.Cell(1, 2).Range().InsertAfter("Summe");
        zweite.Cell(1, 1).Range().Comments().Add(zweite.Cell(1, 1).Range(), "RE_Summe");
        doc->Shapes().AddTextbox(1, 70, 700, 400, 50).SetName("Zahlungsziel");
        doc->Save();
    }
    dao::Workspace()
        .OpenDatabase(ordner.Datenbankpfad())
        ->Execute("UPDATE Rechnung SET MehrwertsteuerFreierbetrag = 5 WHERE ID_Rechnungsnummer = 17");
    const std::vector<std::string> gebühren = Gebührentabellen();
    ASSERT_EQ(gebühren.size(), 1u);

    Ausgabe vorher = Prüfen(MitRechnung());
    EXPECT_EQ(vorher.code, 1);
    for (const char* befund :
         {"Befund: Summentabelle Zeile 1, Spalte 4: steht „1,00 €“",
          "Befund: Marke „vamoBrutto“: steht „3,00 €“", "Befund: Die Rechnung hat 2 Summentabellen",
          "Befund: Die Rechnung hat 2 Zahlungsziele",
          "Befund: Rechnungsdatensatz MehrwertsteuerFreierbetrag: 5 Cent"})
        EXPECT_NE(vorher.aus.find(befund), std::string::npos) << befund << "\n" << vorher.aus;
    EXPECT_EQ(vorher.aus.find("Zeile 4"), std::string::npos) << "only the closest summary table is compared";

    Prüfauftrag reparatur = MitRechnung();
    reparatur.reparieren = true;
    Ausgabe repariert = Prüfen(reparatur);
    EXPECT_EQ(repariert.code, 0) << repariert.aus;
    EXPECT_NE(repariert.aus.find("Behoben: Die Rechnung hat 2 Zahlungsziele"), std::string::npos)
        << repariert.aus;
    EXPECT_EQ(Gebührentabellen(), gebühren);
    EXPECT_EQ(Prüfen(MitRechnung()).code, 0);
    EXPECT_EQ(Verlauf(ordner.Dokumentpfad()).Zurück().back().anlass, "check --repair");
}

} // namespace
