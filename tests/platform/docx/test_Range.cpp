#include "Testdokumente.h"
#include "platform/docx/DocxError.h"

#include <gtest/gtest.h>

using namespace kovelund::docx;
using namespace kovelund::docx::test;

TEST(Range, CellTextReadsBackAsTheWordProcessorReadsIt) {
    auto doc = Öffnen("leer.docx");
    Table t = doc->Tables().Add(doc->Content(), 2, 3);
    t.Cell(1, 1).Range().InsertAfter("Ihr Anteil 500/1000\r\n50 %");
    t.Cell(1, 1).Range().InsertAfter(" und\vmehr");
    t.Cell(1, 2).Range().InsertAfter("links\trechts\rzwei\nDrei");
    t.Cell(1, 3).Range().InsertAfter("   61,00 € ");
    t.Cell(2, 1).Range().InsertAfter("a\x07"
                                     "b\x01\x1b"
                                     "c\xff\xfe"
                                     "d\x0c"
                                     "e");
    t.Cell(2, 2).Range().InsertAfter("\rUmsatzsteuerfreie Auslagen");
    auto wieder = Wieder(*doc);
    Table w = wieder->Tables().Item(1);
    EXPECT_EQ(w.Cell(1, 1).Range().Text(), "Ihr Anteil 500/1000\r50 % und\vmehr\r\a");
    EXPECT_EQ(w.Cell(1, 2).Range().Text(), "links\trechts\rzwei\rDrei\r\a");
    EXPECT_EQ(w.Cell(1, 3).Range().Text(), "   61,00 € \r\a");
    EXPECT_EQ(w.Cell(2, 1).Range().Text(), "abcd\fe\r\a");
    EXPECT_EQ(w.Cell(2, 2).Range().Text(), "\rUmsatzsteuerfreie Auslagen\r\a");
    EXPECT_EQ(w.Cell(2, 3).Range().Text(), "\r\a");
    EXPECT_EQ(w.Range().Text().substr(0, 26), "Ihr Anteil 500/1000\r50 % u");
    EXPECT_EQ(w.Rows().Count(), 2);
}

TEST(Range, NewParagraphsInACellKeepItsFormatting) {
    auto doc = Öffnen("leer.docx");
    Table t = doc->Tables().Add(doc->Content(), 1, 2);
    t.Select();
    doc->Application().Selection().SetAlignment(AlignRight);
    doc->Application().Selection().SetFontSize(10);
    Range r = t.Cell(1, 2).Range();
    r.InsertAfter("Zwischensumme\r");
    r.SetBold(true);
    r.InsertAfter("danach");
    std::string xml = doc->Bytes();
    auto wieder = Wieder(*doc);
    EXPECT_EQ(wieder->Tables().Item(1).Cell(1, 2).Range().Text(), "Zwischensumme\rdanach\r\a");
    // Both paragraphs right-aligned at 10 pt and bold: text added after Bold is bold too.
    auto b = Document::Open(xml, "x.docx");
    b->Tables().Item(1).Cell(1, 2).Select();
    EXPECT_EQ(b->Application().Selection().Text(), "Zwischensumme\rdanach\r\a");
}

TEST(Range, TheMarkedAmountIsReplacedAndTheCommentStaysAroundIt) {
    auto doc = Öffnen("vorlage.docx");
    Comment netto = doc->Comments().Item(4);
    ASSERT_EQ(netto.Text(), "vamoNetto");
    EXPECT_EQ(netto.Scope().Text(), "      0,00 € ");
    netto.Scope().SetText("     170,00 € ");
    auto wieder = Wieder(*doc);
    Comment w = wieder->Comments().Item(4);
    EXPECT_EQ(w.Scope().Text(), "     170,00 € ");
    w.Scope().SetText("   1.170,00 € ");
    auto zweimal = Wieder(*wieder);
    EXPECT_EQ(zweimal->Comments().Item(4).Scope().Text(), "   1.170,00 € ");
    EXPECT_NE(zweimal->Content().Text().find("Nettobetrag:\t   1.170,00 € \r"), std::string::npos);
}

TEST(Range, ACommentWithoutRangeGetsOneAroundTheNewText) {
    auto doc = Öffnen("vorlage.docx");
    Comment gesamt = doc->Comments().Item(5);
    ASSERT_EQ(gesamt.Text(), "vamoGesamt");
    EXPECT_EQ(gesamt.Scope().Text(), "");
    gesamt.Scope().SetText("    10,00 € ");
    gesamt.Scope().SetText("    20,00 € ");
    auto wieder = Wieder(*doc);
    EXPECT_EQ(wieder->Comments().Item(5).Scope().Text(), "    20,00 € ");
    EXPECT_NE(wieder->Content().Text().find("Gesamt:     20,00 € \r"), std::string::npos);
}

TEST(Range, CollapseAndMoveStartWorkInsideTheParagraph) {
    auto doc = Öffnen("vorlage.docx");
    Range r = doc->Comments().Item(1).Reference();
    r.Collapse(CollapseStart);
    EXPECT_TRUE(r.Empty());
    r.MoveStart(UnitWord, -1);
    EXPECT_EQ(r.Text(), "Einfügestelle");
    r.MoveStart(UnitWord, -1);
    EXPECT_EQ(r.Text(), "Einfügestelle");
    EXPECT_THROW(r.Collapse(7), DocxError);
    EXPECT_THROW(r.MoveStart(1, -1), DocxError);
    Range leer;
    EXPECT_THROW(leer.InsertAfter("x"), DocxError);
    EXPECT_EQ(leer.Text(), "");
}
