// The invoice check on an invoice that a window wrote, clean and tampered with in each way it names.
#include "component/Auftragskontext.h"
#include "platform/dao/Database.h"
#include "platform/dao/Recordset.h"
#include "platform/docx/Comment.h"
#include "platform/docx/Shape.h"
#include "platform/docx/Table.h"
#include "support/Fenstersitzung.h"
#include "totals/G_modSumme.h"
#include "totals/Rechnungspruefung.h"

#include <gtest/gtest.h>

#include <functional>

using namespace kovelund;

namespace {

class Rechnungspruefung : public test::Fenstersitzung {
protected:
    Rechnungspruefung() : Fenstersitzung(5) {}

    void SetUp() override {
        BeispielSpielen("frmKat6-drei.json");
        beispiel.NeuLaden();
        beispiel.Rechnung(17);
    }

    std::vector<Befund> Probleme() {
        std::vector<Befund> probleme;
        for (const Befund& b : RechnungPrüfen(Auftrag()))
            if (b.problem) probleme.push_back(b);
        return probleme;
    }

    docx::Comment Kommentar(std::string_view text) const {
        for (const docx::Comment& k : beispiel.doc->Comments())
            if (k.Text() == text) return k;
        throw std::runtime_error("no comment " + std::string(text));
    }

    docx::Table Summentabelle() const {
        for (const docx::Table& t : beispiel.doc->Tables())
            if (t.Cell(1, 2).Range().Text() == "Summe\r\a") return t;
        throw std::runtime_error("no summary table");
    }
};

std::string Texte(const std::vector<Befund>& befunde) {
    std::string texte;
    for (const Befund& b : befunde)
        texte += b.art + ": " + b.text + "\n";
    return texte;
}

TEST_F(Rechnungspruefung, ACleanInvoiceListsItsFeeTableAndFindsNothing) {
    std::vector<Befund> befunde = RechnungPrüfen(Auftrag());
    ASSERT_FALSE(befunde.empty());
    EXPECT_FALSE(ProblemGefunden(befunde)) << Texte(befunde);
    EXPECT_EQ(befunde[0].art, "Gebührentabelle");
    EXPECT_NE(befunde[0].text.find("Kategorie 6, "), std::string::npos) << befunde[0].text;
    EXPECT_EQ(befunde.size(), 1u) << Texte(befunde);
}

TEST_F(Rechnungspruefung, EachTamperingIsFoundAndNamed) {
    struct Fall {
        const char* name;
        std::function<void()> ändern;
        std::string art;
        std::string teil;
    };
    const std::vector<Fall> fälle = {
        {"a marker off cell (1, 5)",
         [&] { Statement().Cell(2, 1).Range().Comments().Add(Statement().Cell(2, 1).Range(), "Kovelund_3"); },
         "Tabellenmarke", "„Kovelund_3“ steht nicht auf Zelle (1, 5)"},
        {"six marked tables of one category",
         [&] {
             for (int i = 0; i < 5; ++i)
                 Statement().Cell(1, 5).Range().Comments().Add(Statement().Cell(1, 5).Range(), "Kovelund_6");
         },
         "Kategorie", "Kategorie 6: 6 gekennzeichnete Tabellen"},
        {"a summary figure changed", [&] { Summentabelle().Cell(1, 4).Range().SetText("1,00 €"); },
         "Summentabelle", "Zeile 1, Spalte 4: steht „1,00 €“"},
        {"a total marker changed", [&] { Kommentar("vamoNetto").Scope().SetText("2,00 € "); }, "Summenmarke",
         "„vamoNetto“: steht „2,00 €“"},
        {"a second summary table",
         [&] {
             docx::Table t = beispiel.doc->Tables().Add(beispiel.doc->Content(), 3, 4);
             t.Cell(1, 2).Range().InsertAfter("Summe");
             t.Cell(1, 1).Range().Comments().Add(t.Cell(1, 1).Range(), "RE_Summe");
         },
         "Summentabelle", "2 Summentabellen statt einer"},
        {"a second payment target",
         [&] { beispiel.doc->Shapes().AddTextbox(1, 70, 700, 400, 50).SetName("Zahlungsziel"); },
         "Zahlungsziel", "2 Zahlungsziele"},
        {"the record's gross amount a cent off",
         [&] {
             beispiel.db->Execute("UPDATE Rechnung SET Brutto = Brutto + 1 WHERE ID_Rechnungsnummer = 17");
         },
         "Rechnungsdatensatz", "Brutto: "},
    };
    const std::string sauber = beispiel.doc->Bytes();
    const double brutto = AlsDouble(beispiel.Gespeichert(17)->Fields("Brutto").Value());
    for (const Fall& fall : fälle) {
        beispiel.doc = docx::Document::Open(sauber, beispiel.Dokumentpfad());
        Auftrag().Doc = beispiel.doc;
        beispiel.db->Execute("UPDATE Rechnung SET Brutto = " + std::to_string(brutto) +
                             " WHERE ID_Rechnungsnummer = 17");
        fall.ändern();
        beispiel.Rechnung(17);
        std::vector<Befund> probleme = Probleme();
        ASSERT_FALSE(probleme.empty()) << fall.name;
        EXPECT_EQ(probleme[0].art, fall.art) << fall.name << "\n" << Texte(probleme);
        EXPECT_NE(probleme[0].text.find(fall.teil), std::string::npos) << fall.name << "\n"
                                                                       << Texte(probleme);
    }
}

TEST_F(Rechnungspruefung, SummeBildenPutsRightWhatItWrites) {
    Summentabelle().Cell(1, 4).Range().SetText("1,00 €");
    Kommentar("vamoMwSt").Scope().SetText("0,00 € ");
    beispiel.db->Execute("UPDATE Rechnung SET NettoRechnung = 0 WHERE ID_Rechnungsnummer = 17");
    beispiel.Rechnung(17);
    ASSERT_EQ(Probleme().size(), 3u) << Texte(Probleme());
    SummeBilden(Auftrag().Zahlungsziel);
    beispiel.Rechnung(17);
    EXPECT_TRUE(Probleme().empty()) << Texte(Probleme());
}

// A final invoice lists its order's advance invoices below the summary and stores the remainder.
TEST_F(Rechnungspruefung, AFinalInvoiceWithItsAdvancesChecksAgainstTheRemainder) {
    beispiel.db->Execute("UPDATE Rechnung SET Rechnungsart = 4 WHERE ID_Rechnungsnummer = 17");
    beispiel.Rechnung(17);
    std::string vorher = Texte(Probleme());
    EXPECT_NE(vorher.find("Die Summentabelle hat 4 Zeilen, die Summen ergeben 13"), std::string::npos)
        << vorher;
    EXPECT_NE(vorher.find("Rechnungsdatensatz Brutto: 28927 Cent, die Summen ergeben -151573 Cent"),
              std::string::npos)
        << vorher;
    SummeBilden(Auftrag().Zahlungsziel);
    beispiel.Rechnung(17);
    EXPECT_TRUE(Probleme().empty()) << Texte(Probleme());
    EXPECT_LT(AlsDouble(beispiel.Gespeichert(17)->Fields("Brutto").Value()), 0)
        << "the advances exceed this invoice";
}

} // namespace
