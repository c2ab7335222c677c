#include "document/Abrechnungstabelle.h"
#include "document/Anteil.h"
#include "document/Zelltext.h"
#include "platform/docx/Comment.h"
#include "support/Beispielrechnung.h"

#include <gtest/gtest.h>

using namespace kovelund;

namespace {

// What stands in the document just before and after the first table.
std::pair<std::string, std::string> Umgebung(docx::Document& doc) {
    std::string text = doc.Content().Text();
    std::string tabelle = doc.Tables().Item(1).Range().Text();
    auto pos = text.find(tabelle);
    return {text.substr(0, pos), text.substr(pos + tabelle.size())};
}

} // namespace

TEST(Anteil, FromTheShareFieldAndBackFromTheShareRow) {
    EXPECT_EQ(Anteil("1000"), 1);
    EXPECT_EQ(Anteil(""), 1);
    EXPECT_EQ(Anteil("    "), 1);
    EXPECT_EQ(Anteil(" 500"), 0.5);
    EXPECT_EQ(Anteil("333"), 1.0 / 3);
    EXPECT_EQ(Anteil("333", DrittelAlsZahltext), 0.333333333333333);
    EXPECT_EQ(Anteil("0"), 0);
    EXPECT_EQ(Anteilig(900, 333), 300);
    EXPECT_EQ(Anteilig(900, 500), 450);
    EXPECT_EQ(Betragstext(552), "  552,00 €");

    EXPECT_EQ(Tausendstel("Ihr Anteil beträgt 500/1000\r\n50 % von   200,00 €"), "500");
    EXPECT_EQ(Tausendstel("Ihr Anteil beträgt  50/1000"), "50");
    EXPECT_EQ(Tausendstel("Ihr Anteil beträgt 600 m² zu 1200 m²\r50 % von"), std::nullopt)
        << "a share of the area";
    EXPECT_EQ(Tausendstel("Ihr Anteil beträgt /1000"), std::nullopt);
    EXPECT_EQ(Tausendstel("anteilige Auslagen \r50 % von"), std::nullopt);

    EXPECT_EQ(TausendstelNach("Betrag :  €   290,01 Ihr Anteil  333/1000", "Ihr Anteil"), "333");
    EXPECT_EQ(TausendstelNach("Betrag :  €     0,00 Ihr Anteil    0/1000", "Ihr Anteil"), "0");
    EXPECT_EQ(TausendstelNach("Ihr Anteil 1/3 Ihr Anteil 12/1000", "Ihr Anteil"), "12") << "the last one";
    EXPECT_EQ(TausendstelNach("Ihr Anteil  1.000/1000", "Ihr Anteil"), std::nullopt);
    EXPECT_EQ(TausendstelNach("Ihr Anteil  500/1000 ", "Ihr Anteil"), std::nullopt);
    EXPECT_EQ(TausendstelNach("Anteil/1000", "Ihr Anteil"), std::nullopt);
    EXPECT_EQ(TausendstelNach("Ihr Anteil/1000", "Ihr Anteil"), std::nullopt);
}

TEST(Abrechnung, NumbersItComputesAreWrittenAndReadBackInItsOwnForm) {
    EXPECT_EQ(Zahlschrift(100.0 / 3, Zahlform::Allgemein), "33,3333333333333");
    EXPECT_EQ(Zahlschrift(100.0 / 3, Zahlform::Zahltext), " 33.3333333333333");
    EXPECT_EQ(ZahlschriftLesen("1,5 Arbeitstage", Zahlform::Allgemein), 1.5);
    EXPECT_EQ(ZahlschriftLesen(" 1.5 Arbeitstage", Zahlform::Zahltext), 1.5) << "not a grouping point";
}

TEST(Abrechnung, SumsAndAmountColumnsFollowTheShare) {
    Abrechnung ganz(Tabellenform({1, 1, 1, 1, 1, 1, 1, 1}));
    ganz.Gebühr("12.1", "Teil A", "", "", 300);
    ganz.Gebühr("", "Teil B", "", "", 200);
    ganz.Auslage("5.3.1", "Unterlagen", "", "", 40);
    EXPECT_EQ(ganz.Gebührensumme(), 500);
    EXPECT_EQ(ganz.Auslagensumme(), 40);
    EXPECT_EQ(ganz.AnteiligeAuslagen(), nullptr);
    EXPECT_EQ(ganz.Zeilen(), 3) << "no share rows for the whole fee";

    Abrechnung halb(Tabellenform({1, 1, 1, 1, 1, 1, 1, 1}), 0.5);
    EXPECT_EQ(halb.Gebührenspalte(), 7);
    EXPECT_EQ(halb.Auslagenspalte(), 8);
    halb.Gebühr("", "Teil B", "", "", 200);
    EXPECT_EQ(halb.AnteiligeAuslagen(), nullptr);
    EXPECT_EQ(halb.Zeilen(), 2) << "the row of the shared expenses is kept, empty";
    EXPECT_TRUE(halb[2].Schritte().empty());
}

TEST(Abrechnungstabelle, WritesExactlyTheStatementsRowsWithTheMarkerWhereItAsks) {
    test::Beispielrechnung u;
    Abrechnung a(Tabellenform({5.0, 3.0, 3.0, 3.0, 3.0}).Rechts(5));
    a.Neue().Text(1, "Titel", true);
    a.MarkeSetzen();
    a.Leer();
    a.Auslage("5.3.2", "Vermessungsunterlagen", "je halbem km", "122,71 €", 245.42);
    Abrechnungstabelle t(*u.doc, "Test");
    int kommentareBeimMarkieren = -1;
    t.Schreiben(t.AnkerFinden(std::nullopt), a, [&](const docx::Table& neu) {
        u.doc->Comments().Add(neu.Cell(1, 5).Range(), "Kovelund_4");
        kommentareBeimMarkieren = static_cast<int>(u.doc->Comments().Count());
    });
    u.NeuLaden();
    docx::Table tab = u.doc->Tables().Item(1);
    EXPECT_EQ(tab.Rows().Count(), 3);
    EXPECT_EQ(tab.Columns().Count(), 5);
    EXPECT_EQ(Zelltext(tab.Cell(2, 1)), "") << "the free row stays empty";
    EXPECT_EQ(Zelltext(tab.Cell(3, 5)), "  245,42 €");
    EXPECT_EQ(tab.Range().Comments().Item(1).Text(), "Kovelund_4");
    EXPECT_EQ(tab.Cell(3, 5).Range().Comments().Item(1).Text(), "0");
    EXPECT_LT(kommentareBeimMarkieren, static_cast<int>(u.doc->Comments().Count()))
        << "marked before the expense row got its VAT-free mark";
    EXPECT_EQ(u.log.Sätze(), 0);
}

TEST(Abrechnungstabelle, ANoteInASmallerFontBehindTheCellsText) {
    test::Beispielrechnung u;
    Abrechnung a(Tabellenform({5.0, 3.0}));
    a.Neue().Text(1, "Flst.Nr. 12").KleinerText(1, "\vBetrag", 2).Text(2, "Wert");
    a.Neue().KleinerText(1, "klein", 3);
    Abrechnungstabelle t(*u.doc, "Test");
    t.Schreiben(t.AnkerFinden(std::nullopt), a, [](const docx::Table&) {});
    u.NeuLaden();
    docx::Table tab = u.doc->Tables().Item(1);
    EXPECT_EQ(Zelltext(tab.Cell(1, 1)), "Flst.Nr. 12\vBetrag");
    EXPECT_EQ(tab.Cell(1, 1).Range().ShownFontSize(), docx::Undefined)
        << "the invoice's 10 pt and the note's 8";
    EXPECT_EQ(tab.Cell(1, 2).Range().ShownFontSize(), 10);
    EXPECT_EQ(Zelltext(tab.Cell(2, 1)), "klein");
    std::string xml = u.doc->PartXml("word/document.xml");
    EXPECT_NE(xml.find(R"(<w:sz w:val="16"/><w:szCs w:val="16"/></w:rPr><w:br/><w:t>Betrag</w:t>)"),
              std::string::npos);
    EXPECT_NE(xml.find(R"(<w:sz w:val="14"/><w:szCs w:val="14"/></w:rPr><w:t>klein</w:t>)"),
              std::string::npos)
        << "an empty cell's text is its paragraph mark's size";
    EXPECT_EQ(u.log.Sätze(), 0) << u.log.Text();
}

TEST(Abrechnungstabelle, WithoutVamoStartTheTableGoesToTheEnd) {
    test::Beispielrechnung u;
    for (const docx::Comment& k : u.doc->Comments())
        if (k.Text() == "vamoStart") {
            docx::Comment c = k;
            c.Delete();
            break;
        }
    Abrechnungstabelle t(*u.doc, "Test");
    t.Anlegen(t.AnkerFinden(std::nullopt), 2, 8);
    t.Schreiben(1, 1, "Titel", true);
    u.NeuLaden();
    ASSERT_EQ(u.doc->Tables().Count(), 1);
    auto [davor, danach] = Umgebung(*u.doc);
    EXPECT_NE(davor.find("Vermessungsbüro Kovelund\r"), std::string::npos)
        << "everything of the template before it";
    EXPECT_EQ(danach.find_first_not_of('\r'), std::string::npos) << "only empty paragraphs after it";
}

TEST(Abrechnungstabelle, AtTheLastOfTwoVamoStartsEachWithANewParagraph) {
    test::Beispielrechnung u;
    for (const docx::Comment& k : u.doc->Comments())
        if (k.Text() == "vamoAuslagen") u.doc->Comments().Add(k.Scope(), "vamoStart");
    Abrechnungstabelle t(*u.doc, "Test");
    t.Anlegen(t.AnkerFinden(std::nullopt), 1, 8);
    u.NeuLaden();
    auto [davor, danach] = Umgebung(*u.doc);
    EXPECT_NE(davor.find("Gebührenordnung:\r\r\r"), std::string::npos)
        << "the first marked paragraph got a new one";
    EXPECT_TRUE(davor.ends_with("davon Auslagen (umsatzsteuerfrei)\t0,00 \r")) << davor;
    EXPECT_TRUE(danach.starts_with("\r€\r"))
        << "the word marked last follows the table in a paragraph of its own";
}

TEST(Abrechnungstabelle, FinishingTwiceLeavesOneTableAtThePlaceOfTheFirst) {
    test::Beispielrechnung u;
    Abrechnungstabelle erste(*u.doc, "Test");
    erste.Anlegen(erste.AnkerFinden(std::nullopt), 2, 8);
    erste.Schreiben(1, 1, "erste");
    u.doc->Comments().Add(erste.Tabelle()->Cell(1, 5).Range(), "Kovelund_2");
    auto ort = Umgebung(*u.doc);

    Abrechnungstabelle zweite(*u.doc, "Test");
    zweite.Anlegen(zweite.AnkerFinden(*erste.Tabelle()), 3, 8);
    zweite.Schreiben(1, 1, "zweite");
    u.doc->Comments().Add(zweite.Tabelle()->Cell(1, 5).Range(), "Kovelund_2");
    u.NeuLaden();
    ASSERT_EQ(u.doc->Tables().Count(), 1);
    EXPECT_EQ(Zelltext(u.doc->Tables().Item(1).Cell(1, 1)), "zweite");
    EXPECT_EQ(Umgebung(*u.doc), ort);
    int marken = 0;
    for (const docx::Comment& k : u.doc->Comments())
        marken += k.Text() == "Kovelund_2";
    EXPECT_EQ(marken, 1) << "the old table's marker went with it";
}

TEST(Abrechnungstabelle, ShareAndExpenseRows) {
    test::Beispielrechnung u;
    Abrechnung a(Tabellenform({1, 1, 1, 1, 1, 1, 1, 1}), 0.5);
    a.Gebühr("", "Gebühr", "", "", 200);
    a.Zwischensumme();
    a.AnteilDerGebühren("Ihr Anteil beträgt 500/1000");
    a.AuslagenÜberschrift();
    a.Auslage("5.3.1", "Vermessungsunterlagen", "", "", 40);
    a.AnteiligeAuslagen();
    Abrechnungstabelle t(*u.doc, "frmKat1");
    t.Schreiben(t.AnkerFinden(std::nullopt), a, [](const docx::Table&) {});
    u.NeuLaden();
    docx::Table tab = u.doc->Tables().Item(1);
    ASSERT_EQ(tab.Rows().Count(), 6);
    EXPECT_EQ(Zelltext(tab.Cell(1, 7)), "  200,00 €") << "the full fee beside the billed column";
    EXPECT_EQ(Zelltext(tab.Cell(2, 2)), "Zwischensumme\r");
    EXPECT_EQ(Zelltext(tab.Cell(2, 7)), "  200,00 €");
    EXPECT_EQ(Zelltext(tab.Cell(3, 2)), "Ihr Anteil beträgt 500/1000\r50 % von   200,00 €");
    EXPECT_EQ(Zelltext(tab.Cell(3, 5)), "  100,00 €");
    EXPECT_EQ(Zelltext(tab.Cell(4, 2)), "\rUmsatzsteuerfreie Auslagen");
    EXPECT_EQ(Zelltext(tab.Cell(5, 8)), "   40,00 €");
    EXPECT_EQ(tab.Cell(5, 8).Range().Comments().Count(), 0) << "only column 5 is billed";
    EXPECT_EQ(Zelltext(tab.Cell(6, 2)), "anteilige Auslagen \r50 % von    40,00 €");
    EXPECT_EQ(Zelltext(tab.Cell(6, 5)), "   20,00 €");
    ASSERT_EQ(tab.Cell(6, 5).Range().Comments().Count(), 1);
    EXPECT_EQ(tab.Cell(6, 5).Range().Comments().Item(1).Text(), "0");
    EXPECT_EQ(tab.Cell(3, 5).Range().Comments().Count(), 0);
    EXPECT_EQ(u.log.Sätze(), 0);
}
