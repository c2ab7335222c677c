#include "document/Abrechnungstabelle.h"
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

TEST(Anteil, FromTheShareField) {
    EXPECT_EQ(Anteil("1000"), 1);
    EXPECT_EQ(Anteil(""), 1);
    EXPECT_EQ(Anteil("    "), 1);
    EXPECT_EQ(Anteil(" 500"), 0.5);
    EXPECT_EQ(Anteil("333"), 1.0 / 3);
    EXPECT_EQ(Anteil("0"), 0);
    EXPECT_EQ(Betragstext(552), "  552,00 €");
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
    Abrechnungstabelle t(*u.doc, "frmKat1");
    t.Anlegen(t.AnkerFinden(std::nullopt), 4, 8);
    t.Zwischensumme(1, 200);
    t.AnteilZeile(2, "Ihr Anteil beträgt 500/1000", "50", 200, 0.5);
    t.AuslagenÜberschrift(3);
    t.AnteiligeAuslagen(4, "50", 40, 0.5);
    u.NeuLaden();
    docx::Table tab = u.doc->Tables().Item(1);
    EXPECT_EQ(Zelltext(tab.Cell(1, 2)), "Zwischensumme\r");
    EXPECT_EQ(Zelltext(tab.Cell(1, 7)), "  200,00 €");
    EXPECT_EQ(Zelltext(tab.Cell(2, 2)), "Ihr Anteil beträgt 500/1000\r50 % von   200,00 €");
    EXPECT_EQ(Zelltext(tab.Cell(2, 5)), "  100,00 €");
    EXPECT_EQ(Zelltext(tab.Cell(3, 2)), "\rUmsatzsteuerfreie Auslagen");
    EXPECT_EQ(Zelltext(tab.Cell(4, 2)), "anteilige Auslagen \r50 % von    40,00 €");
    EXPECT_EQ(Zelltext(tab.Cell(4, 5)), "   20,00 €");
    ASSERT_EQ(tab.Cell(4, 5).Range().Comments().Count(), 1);
    EXPECT_EQ(tab.Cell(4, 5).Range().Comments().Item(1).Text(), "0");
    EXPECT_EQ(tab.Cell(2, 5).Range().Comments().Count(), 0);
    EXPECT_EQ(u.log.Sätze(), 0);
}
