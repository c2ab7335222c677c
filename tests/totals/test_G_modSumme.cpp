#include "common/Variant.h"
#include "component/Auftragskontext.h"
#include "document/Abrechnungstabelle.h"
#include "document/Zelltext.h"
#include "platform/docx/Comment.h"
#include "platform/docx/Shape.h"
#include "platform/docx/Table.h"
#include "support/Beispielrechnung.h"
#include "support/Tabellenlayout.h"
#include "totals/G_modSumme.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <ctime>

using namespace kovelund;

namespace {

struct Betrag {
    std::string text;
    std::string kommentar; // the VAT rate of the amount, "" for the standard rate
};

// A fee table as a window writes it: one amount per row in column 5, a comment giving its rate; at
// "vamoStart", or at `anker`.
void Gebührentabelle(docx::Document& doc, const std::vector<Betrag>& beträge,
                     std::optional<docx::Range> anker = std::nullopt) {
    Abrechnungstabelle t(doc, "Test");
    t.Anlegen(anker ? *anker : t.AnkerFinden(std::nullopt), static_cast<int>(beträge.size()), 5);
    for (int zeile = 1; zeile <= static_cast<int>(beträge.size()); ++zeile) {
        t.Schreiben(zeile, 5, beträge[zeile - 1].text);
        if (!beträge[zeile - 1].kommentar.empty())
            t.Tabelle()->Cell(zeile, 5).Range().Comments().Add(t.Tabelle()->Cell(zeile, 5).Range(),
                                                               beträge[zeile - 1].kommentar);
    }
}

std::optional<docx::Table> Summentabelle(docx::Document& doc) {
    std::optional<docx::Table> gefunden;
    for (const docx::Table& t : doc.Tables())
        for (const docx::Comment& k : t.Range().Comments())
            if (k.Text() == "RE_Summe") gefunden = t;
    return gefunden;
}

// A fee table of `beträge`, then the totals; the summary table as written, or as saved with `neuLaden`.
std::optional<docx::Table> Summieren(test::Beispielrechnung& u, const std::vector<Betrag>& beträge,
                                     bool neuLaden = false) {
    Gebührentabelle(*u.doc, beträge);
    SummeBilden(false);
    if (neuLaden) u.NeuLaden();
    return Summentabelle(*u.doc);
}

std::string Marke(docx::Document& doc, std::string_view name) {
    for (const docx::Comment& k : doc.Comments())
        if (k.Text() == name) return k.Scope().Text();
    return "(missing)";
}

std::string Zelle(const docx::Table& t, int zeile, int spalte) {
    return Zelltext(t.Cell(zeile, spalte));
}

// Columns 2 to 4 of a row joined by "|", so one comparison pins the row's text and amounts.
std::string Zeilentext(const docx::Table& t, int zeile) {
    return Zelle(t, zeile, 2) + "|" + Zelle(t, zeile, 3) + "|" + Zelle(t, zeile, 4);
}

// The marks vamoNetto, vamoMwSt, vamoBrutto, vamoGesamt and vamoAuslagen, joined by "|".
std::string Marken(docx::Document& doc) {
    std::string text;
    for (const char* name : {"vamoNetto", "vamoMwSt", "vamoBrutto", "vamoGesamt", "vamoAuslagen"})
        text += (text.empty() ? "" : "|") + Marke(doc, name);
    return text;
}

double Feld(test::Beispielrechnung& u, int id, const char* feld) {
    return AlsDouble(u.Gespeichert(id)->Fields(feld).Value());
}

// NettoRechnung, Brutto and MehrwertsteuerFreierbetrag of record `id`, as stored.
std::vector<double> Felder(test::Beispielrechnung& u, int id) {
    return {Feld(u, id, "NettoRechnung"), Feld(u, id, "Brutto"), Feld(u, id, "MehrwertsteuerFreierbetrag")};
}

// Invoice 17 as the final invoice of its order, whose advance invoices are 11 and 14.
void Schlussrechnung(test::Beispielrechnung& u) {
    u.db->Execute("UPDATE Rechnung SET Rechnungsart = 4 WHERE ID_Rechnungsnummer = 17");
    u.Rechnung(17);
}

// How many records of the log name this error number at this place.
int Sätze(const test::Beispielrechnung& u, int nummer, std::string_view ort) {
    std::string log = u.log.Text();
    std::string kopf = "Error " + std::to_string(nummer) + ": ";
    int n = 0;
    for (auto at = log.find(kopf); at != std::string::npos; at = log.find(kopf, at + 1))
        if (log.compare(log.find("Ort  : ", at) + 7, ort.size(), ort) == 0) ++n;
    return n;
}

int Absätze(docx::Document& doc) {
    std::string text = doc.Content().Text();
    return static_cast<int>(std::count(text.begin(), text.end(), '\r'));
}

// The summary table's columns: texts to the left, amounts to the right, as the fee tables above it.
const char* const summenzeile = "4L 8L 3R 2,5R";
const char* const rechnungsbetrag = "4L 8L 3R 2,5R*";

} // namespace

TEST(SummeBilden, WorkedExampleWithThreeRates) {
    test::Beispielrechnung u;
    u.Rechnung(17);
    Auftrag().Mehrwertsteuersatz = 16;
    auto t = Summieren(u, {{"   100,00 €", ""}, {"    50,00 €", "7"}, {"    20,00 €", "0"}}, true);
    ASSERT_TRUE(t);
    EXPECT_EQ(t->Rows().Count(), 5);
    EXPECT_EQ(Zeilentext(*t, 1), "Summe||     170,00 €");
    EXPECT_EQ(Zeilentext(*t, 2), "Mehrwertsteuer 16 %|     100,00 €|      16,00 €");
    EXPECT_EQ(Zeilentext(*t, 3), "Mehrwertsteuer  7 %|      50,00 €|       3,50 €");
    EXPECT_EQ(Zeilentext(*t, 4), "||");
    EXPECT_EQ(Zeilentext(*t, 5), "Rechnungsbetrag||     189,50 €");
    EXPECT_EQ(Marken(*u.doc), "     170,00 € |      19,50 € |     189,50 € |     189,50 € |      20,00 € ");
    EXPECT_EQ(Felder(u, 17), (std::vector<double>{15000, 18950, 2000}));
    EXPECT_EQ(Feld(u, 17, "Mehrwertsteuersatz"), 16);
    EXPECT_EQ(u.log.Sätze(), 0);
}

TEST(SummeBilden, TheSummaryTableIsLaidOutLikeTheFeeTables) {
    test::Beispielrechnung u;
    auto t = Summieren(u, {{"   100,00 €", ""}, {"    50,00 €", "7"}}, true);
    ASSERT_TRUE(t);
    EXPECT_TRUE(
        test::LayoutGleich(*t, {summenzeile, summenzeile, summenzeile, summenzeile, rechnungsbetrag}));
    EXPECT_FALSE(t->BordersVisible());
    EXPECT_EQ(t->Range().FontSize(), 9);

    Auftrag().AbschlagProzent = 10;
    SummeBilden(false);
    u.NeuLaden();
    t = Summentabelle(*u.doc);
    ASSERT_TRUE(t);
    EXPECT_EQ(Zelle(*t, 2, 2), "Abschlagszahlung von 10%");
    EXPECT_TRUE(test::LayoutGleich(
        *t, {summenzeile, "4L 8L* 3R 2,5R", summenzeile, summenzeile, summenzeile, rechnungsbetrag}));
}

TEST(SummeBilden, WithoutFeeTablesAndRatesCompareAsNumbers) {
    test::Beispielrechnung u;
    SummeBilden(false);
    ASSERT_TRUE(Summentabelle(*u.doc));
    EXPECT_EQ(Summentabelle(*u.doc)->Rows().Count(), 3);
    EXPECT_EQ(Zelle(*Summentabelle(*u.doc), 1, 4), "       0,00 €");

    Auftrag().AbschlagProzent = 50;
    SummeBilden(false);
    EXPECT_EQ(Summentabelle(*u.doc)->Rows().Count(), 4);

    Auftrag().AbschlagProzent = 100;
    auto t = Summieren(u, {{"10,00", "7"}, {"20,00", "7,0"}, {"5,00", ""}});
    ASSERT_TRUE(t);
    EXPECT_EQ(t->Rows().Count(), 5) << "7 and 7,0 share one row, 19 has its own";
    EXPECT_EQ(Zeilentext(*t, 2), "Mehrwertsteuer  7 %|      30,00 €|       2,10 €");
    EXPECT_EQ(Zelle(*t, 3, 2), "Mehrwertsteuer 19 %");
}

TEST(SummeBilden, AdvanceInvoices) {
    test::Beispielrechnung u;
    u.Rechnung(17);
    Gebührentabelle(*u.doc, {{"1.000,00", ""}});

    Auftrag().AbschlagProzent = 0;
    SummeBilden(false);
    auto t = Summentabelle(*u.doc);
    ASSERT_TRUE(t);
    EXPECT_EQ(Zeilentext(*t, 2), "Abschlagszahlung von 0%||       0,00 €");

    Auftrag().AbschlagProzent = 100;
    Auftrag().AbschlagAbsolut = 500;
    SummeBilden(false);
    t = Summentabelle(*u.doc);
    EXPECT_EQ(Zeilentext(*t, 2), "Abschlagszahlung von ||     500,00 €");
    EXPECT_EQ(Zeilentext(*t, 3), "Mehrwertsteuer 19 %|     500,00 €|      95,00 €")
        << "the rate's sum times 0,5";
    EXPECT_EQ(Feld(u, 17, "Brutto"), 59500);
    EXPECT_EQ(u.log.Sätze(), 0);
}

TEST(SummeBilden, AFixedAdvanceOnNothingIsLoggedAndLeavesNoInfinity) {
    test::Beispielrechnung u;
    u.Rechnung(17);
    Auftrag().AbschlagAbsolut = 500;
    SummeBilden(false);
    EXPECT_EQ(u.log.Sätze(), 1);
    EXPECT_NE(u.log.Text().find("Ort  : GebührenTabelle.SummeBilden"), std::string::npos);
    for (double feld : Felder(u, 17))
        EXPECT_TRUE(std::isfinite(feld));
    std::string alles = u.doc->Content().Text();
    EXPECT_EQ(alles.find("inf"), std::string::npos);
    EXPECT_EQ(alles.find("nan"), std::string::npos);
    EXPECT_EQ(Marke(*u.doc, "vamoNetto"), "     500,00 € ");
}

TEST(SummeBilden, NegatedInvoicesStoreNegativeAmounts) {
    test::Beispielrechnung u;
    u.db->Execute("UPDATE Rechnung SET Rechnungsart = 7 WHERE ID_Rechnungsnummer = 17");
    u.Rechnung(17);
    Gebührentabelle(*u.doc, {{"100,00", ""}, {"10,00", "0"}});
    SummeBilden(false);
    EXPECT_EQ(Felder(u, 17), (std::vector<double>{-10000, -12900, -1000}));
}

TEST(SummeBilden, AFinalInvoiceDeductsTheAdvanceInvoicesOfItsOrder) {
    test::Beispielrechnung u;
    Schlussrechnung(u);
    auto t = Summieren(u, {{"2.000,00", ""}}, true);
    ASSERT_TRUE(t);
    // Summe, MwSt 19 %, empty, Rechnungsbetrag; then the appended rows.
    EXPECT_EQ(Zelle(*t, 5, 2), "Zwischensumme");
    EXPECT_EQ(Zeilentext(*t, 8), "Entgeld|Umsatzsteuer|Summe");
    EXPECT_EQ(Zeilentext(*t, 9), "   2.000,00 €|     380,00 €|   2.380,00 €");
    EXPECT_EQ(Zelle(*t, 10, 1), "abzgl. Anzahlungen");
    EXPECT_EQ(Zelle(*t, 11, 1), "Rechnung Nr. 2026-011 vom 15.09.2026");
    EXPECT_EQ(Zeilentext(*t, 11), "   1.000,00 €|     190,00 €|   1.190,00 €");
    EXPECT_EQ(Zelle(*t, 12, 1), "Rechnung Nr. 2026-014 vom 02.11.2026");
    EXPECT_EQ(Zeilentext(*t, 12), "     520,00 €|      95,00 €|     615,00 €");
    EXPECT_EQ(Zelle(*t, 13, 1), "verbl. Restbetrag");
    EXPECT_EQ(Zeilentext(*t, 13), "     480,00 €|      95,00 €|     575,00 €");
    // Bold only the invoice amount, "Zwischensumme" and the remainder; the appended rows 9 and 3 cm.
    const char* angehängt = "9L 3L 3R 2,5R";
    EXPECT_TRUE(test::LayoutGleich(*t, {summenzeile, summenzeile, summenzeile, rechnungsbetrag,
                                        "9L 3L* 3R 2,5R", angehängt, angehängt, angehängt, angehängt,
                                        angehängt, angehängt, angehängt, "9L* 3L* 3R* 2,5R*"}));
    EXPECT_FALSE(t->BordersVisible());
    EXPECT_EQ(Felder(u, 17), (std::vector<double>{48000, 57500, 0}));
    EXPECT_EQ(u.log.Sätze(), 0);
}

TEST(SummeBilden, AnAdvanceInvoiceWithANullFieldIsStillDeducted) {
    test::Beispielrechnung u;
    u.db->Execute("UPDATE Rechnung SET MehrwertsteuerFreierbetrag = NULL WHERE ID_Rechnungsnummer = 14");
    Schlussrechnung(u);
    auto t = Summieren(u, {{"2.000,00", ""}});
    ASSERT_TRUE(t);
    EXPECT_EQ(Zelle(*t, 12, 1), "Rechnung Nr. 2026-014 vom 02.11.2026");
    EXPECT_EQ(Zeilentext(*t, 12), "     500,00 €|     115,00 €|     615,00 €");
    EXPECT_EQ(Zelle(*t, 13, 4), "     575,00 €") << "2.380,00 - 1.190,00 - 615,00";
    EXPECT_EQ(Felder(u, 17), (std::vector<double>{50000, 57500, 0}));
    EXPECT_EQ(u.log.Sätze(), 1);
    EXPECT_EQ(Sätze(u, 94, "GebührenTabelle.SummeBilden"), 1);
}

TEST(SummeBilden, AFinalInvoiceWithoutAdvanceInvoicesKeepsItsTotals) {
    test::Beispielrechnung u;
    u.db->Execute("DELETE FROM Rechnung WHERE Rechnungsart = 5");
    Schlussrechnung(u);
    auto t = Summieren(u, {{"2.000,00", ""}});
    ASSERT_TRUE(t);
    EXPECT_EQ(t->Rows().Count(), 4);
    EXPECT_EQ(Feld(u, 17, "NettoRechnung"), 200000);
    EXPECT_EQ(Feld(u, 17, "Brutto"), 238000);
    EXPECT_EQ(u.log.Sätze(), 0);
}

TEST(SummeBilden, AFinalInvoiceStoresItsRemainderWhenTheSummaryTableCannotBeAdded) {
    test::Beispielrechnung u;
    // The template's "vamoStart" lies between two rows of its table, where no table can go.
    u.doc = docx::Document::Open(std::filesystem::path(KOVELUND_TEST_DATA) / "docx" / "zeilenmarke.docx");
    u.doc->SaveAs(u.verzeichnis / "Rechnung.docx");
    Auftrag().Doc = u.doc;
    Schlussrechnung(u);
    docx::Range ende = u.doc->Content();
    ende.Collapse(docx::CollapseEnd);
    Gebührentabelle(*u.doc, {{"2.000,00", ""}}, ende);
    SummeBilden(false);
    EXPECT_FALSE(Summentabelle(*u.doc));
    EXPECT_EQ(Felder(u, 17), (std::vector<double>{48000, 57500, 0}));
    EXPECT_EQ(Sätze(u, 4605, "GebührenTabelle.SummeBilden"), 1) << "the table could not be added";
    EXPECT_GT(Sätze(u, 91, "GebührenTabelle.SummeBilden"), 0) << "each row that could not be written";
    EXPECT_EQ(u.log.Sätze(),
              Sätze(u, 4605, "GebührenTabelle.SummeBilden") + Sätze(u, 91, "GebührenTabelle.SummeBilden"));
}

TEST(SummeBilden, WithoutTheHostDatabaseTheDeductionIsLoggedAndSkipped) {
    test::Beispielrechnung u;
    Schlussrechnung(u);
    Auftrag().NeueAbfrage = nullptr;
    Gebührentabelle(*u.doc, {{"2.000,00", ""}});
    SummeBilden(true);
    EXPECT_EQ(Summentabelle(*u.doc)->Rows().Count(), 4) << "no advance invoices could be read";
    EXPECT_EQ(Feld(u, 17, "Brutto"), 238000);
    EXPECT_EQ(Sätze(u, 91, "GebührenTabelle.SummeBilden"), 1);
    EXPECT_EQ(Sätze(u, 91, "GebührenTabelle.Zahlungsziel"), 1);
    EXPECT_EQ(u.log.Sätze(), 2);
}

TEST(SummeBilden, APercentageAdvanceIsTotalTimesPercentThenDividedByHundred) {
    test::Beispielrechnung u;
    u.Rechnung(17);
    Auftrag().AbschlagProzent = 10;
    auto t = Summieren(u, {{"   302,00 €", ""}, {"    38,35 €", "0"}}, true);
    ASSERT_TRUE(t);
    EXPECT_EQ(t->Rows().Count(), 5);
    EXPECT_EQ(Zelle(*t, 1, 4), "     340,35 €");
    EXPECT_EQ(Zeilentext(*t, 2), "Abschlagszahlung von 10%||      34,04 €");
    EXPECT_EQ(Zeilentext(*t, 3), "Mehrwertsteuer 19 %|      30,20 €|       5,74 €")
        << "the rate's sum times 10 %";
    EXPECT_EQ(Zelle(*t, 5, 4), "      39,77 €");
    // vamoAuslagen: 34,035 - 30,20 in doubles, the product first as the formula reads, lands below the
    // half cent.
    EXPECT_EQ(Marken(*u.doc), "      34,04 € |       5,74 € |      39,77 € |      39,77 € |       3,83 € ");
    EXPECT_NEAR(Feld(u, 17, "NettoRechnung"), 3020, 1e-9);
    EXPECT_NEAR(Feld(u, 17, "Brutto"), 3977.3, 1e-9);
    EXPECT_NEAR(Feld(u, 17, "MehrwertsteuerFreierbetrag"), 383.5, 1e-9);
    EXPECT_EQ(u.log.Sätze(), 0);
}

TEST(SummeBilden, AHostTableOfFewerThanFiveColumnsAddsNothing) {
    test::Beispielrechnung u;
    u.Rechnung(17);
    Abrechnungstabelle host(*u.doc, "Test");
    host.Anlegen(host.AnkerFinden(std::nullopt), 2, 3);
    host.Schreiben(1, 3, "  999,00 €");
    host.Schreiben(2, 2, "Summe");
    Gebührentabelle(*u.doc, {{"   100,00 €", ""}});
    SummeBilden(false);
    SummeBilden(false);
    EXPECT_EQ(u.doc->Tables().Count(), 3) << "the host's, ours and one summary table";
    EXPECT_EQ(Zelle(*Summentabelle(*u.doc), 1, 4), "     100,00 €");
    EXPECT_EQ(Zelle(*host.Tabelle(), 1, 3), "  999,00 €");
    EXPECT_EQ(Feld(u, 17, "Brutto"), 11900);
    EXPECT_EQ(u.log.Sätze(), 0);
}

TEST(SummeBilden, TenCalculationsLeaveOneSummaryTableOneBoxAndNoNewParagraphs) {
    test::Beispielrechnung u;
    u.Rechnung(17);
    Gebührentabelle(*u.doc, {{"   100,00 €", ""}});
    SummeBilden(true);
    int absätze = Absätze(*u.doc);
    for (int i = 2; i <= 10; ++i) {
        SummeBilden(true);
        int summentabellen = 0;
        for (const docx::Table& t : u.doc->Tables())
            if (Zelle(t, 1, 2) == "Summe") ++summentabellen;
        EXPECT_EQ(summentabellen, 1) << "run " << i;
        EXPECT_EQ(u.doc->Shapes().Count(), 1) << "run " << i;
        EXPECT_EQ(Absätze(*u.doc), absätze) << "run " << i;
    }
    u.NeuLaden();
    EXPECT_EQ(u.doc->Tables().Count(), 2);
    EXPECT_EQ(Marke(*u.doc, "vamoBrutto"), "     119,00 € ");
    EXPECT_EQ(u.log.Sätze(), 0);
}

TEST(Zahlungsziel, TheDueDateCountsFromTheInvoiceDate) {
    using namespace std::chrono;
    EXPECT_EQ(Zahlungszieltext("Zahlbar bis <14>.", sys_days(year{2024} / March / 1)),
              "Zahlbar bis  15.03.2024 .");
    EXPECT_EQ(Zahlungszieltext("ohne Platzhalter", sys_days(year{2024} / March / 1)), "ohne Platzhalter");
    EXPECT_EQ(Zahlungszieltext("<7> netto", sys_days(year{2024} / December / 28)), " 04.01.2025  netto");

    test::Beispielrechnung u;
    u.db->Execute("UPDATE Termine SET Datum = '2024-03-01' WHERE ID_Rechnungsnummer = 17");
    u.db->Execute("UPDATE Version SET BundZahlungsziel = 5");
    u.Rechnung(17);
    Zahlungsziel(*u.doc, true);
    u.NeuLaden();
    ASSERT_EQ(u.doc->Shapes().Count(), 1);
    EXPECT_EQ(u.doc->Shapes().Item(1).Name(), "Zahlungsziel");
    EXPECT_EQ(u.doc->Shapes().Item(1).Text(), "Zahlbar ohne Abzug bis  15.03.2024 .");

    Zahlungsziel(*u.doc, false);
    EXPECT_EQ(u.doc->Shapes().Count(), 0);
    EXPECT_EQ(u.log.Sätze(), 0);
}

TEST(Zahlungsziel, TheBoxIsAlignedByItsCodeAndPlacedFromTheTopOfThePage) {
    const std::pair<int, int> bünde[] = {{0, docx::AlignLeft}, {1, docx::AlignCenter}, {5, docx::AlignRight}};
    for (auto [bund, ausrichtung] : bünde) {
        test::Beispielrechnung u;
        u.db->Execute("UPDATE Version SET BundZahlungsziel = " + std::to_string(bund) +
                      ", AbstandZahlungsziel = 26.5");
        u.Rechnung(17);
        Zahlungsziel(*u.doc, true);
        u.NeuLaden();
        ASSERT_EQ(u.doc->Shapes().Count(), 1);
        docx::Shape box = u.doc->Shapes().Item(1);
        EXPECT_EQ(box.Alignment(), ausrichtung) << "BundZahlungsziel " << bund;
        EXPECT_DOUBLE_EQ(box.Left(), 70.5);
        EXPECT_NEAR(box.Top(), u.doc->Application().CentimetersToPoints(26.5), 1e-4);
        EXPECT_EQ(box.RelativeVerticalPosition(), docx::RelativeToPage);
        EXPECT_DOUBLE_EQ(box.Width(), 450.75);
        EXPECT_DOUBLE_EQ(box.Height(), 54);
        EXPECT_EQ(u.log.Sätze(), 0);
    }
}

TEST(Zahlungsziel, WithoutAnInvoiceDateItCountsFromToday) {
    test::Beispielrechnung u;
    u.db->Execute("DELETE FROM Termine WHERE ID_Rechnungsnummer = 17");
    u.Rechnung(17);
    Zahlungsziel(*u.doc, true);
    std::time_t jetzt = std::time(nullptr);
    std::tm t{};
    localtime_r(&jetzt, &t);
    using namespace std::chrono;
    auto heute = sys_days(year{t.tm_year + 1900} / month{static_cast<unsigned>(t.tm_mon + 1)} /
                          day{static_cast<unsigned>(t.tm_mday)});
    std::string erwartet = Zahlungszieltext("Zahlbar ohne Abzug bis <14>.", heute);
    EXPECT_EQ(u.doc->Shapes().Item(1).Text(), erwartet);
}
