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

TEST(Range, FormattingReadsBackAsEveryPartCarriesIt) {
    auto doc = Öffnen("leer.docx");
    Table t = doc->Tables().Add(doc->Content(), 2, 3);
    Selection& s = doc->Application().Selection();
    EXPECT_EQ(t.Cell(1, 1).Range().Bold(), TristateFalse);
    EXPECT_EQ(t.Cell(1, 1).Range().Alignment(), AlignLeft) << "a paragraph without its own alignment";
    EXPECT_EQ(t.Cell(1, 1).Range().FontSize(), 0) << "no size of its own";
    t.Select();
    s.SetAlignment(AlignRight);
    s.SetFontSize(9);
    t.Columns().Item(1).Select();
    s.SetAlignment(AlignLeft);
    t.Cell(2, 2).Select();
    s.SetAlignment(AlignCenter);
    s.SetFontSize(12);
    t.Cell(1, 1).Range().InsertAfter("Summe");
    t.Cell(1, 1).Range().SetBold(true);
    t.Cell(1, 2).Range().InsertAfter("   170,00 €");
    t.Cell(1, 3).Range().SetBold(true);
    // A comment's mark is no text: the bold cell stays bold with it.
    t.Cell(1, 1).Range().Comments().Add(t.Cell(1, 1).Range(), "RE_Summe");
    // New paragraphs in a cell keep its formatting, and text added after the bold is bold too.
    Range r = t.Cell(2, 3).Range();
    r.InsertAfter("Zwischensumme\r");
    r.SetBold(true);
    r.InsertAfter("danach");

    auto wieder = Wieder(*doc);
    Table w = wieder->Tables().Item(1);
    EXPECT_EQ(w.Cell(1, 1).Range().Bold(), TristateTrue);
    EXPECT_EQ(w.Cell(1, 2).Range().Bold(), TristateFalse);
    EXPECT_EQ(w.Cell(1, 3).Range().Bold(), TristateTrue) << "an empty cell is its paragraph mark";
    EXPECT_EQ(w.Range().Bold(), TristateMixed);
    EXPECT_EQ(w.Cell(1, 1).Range().Alignment(), AlignLeft);
    EXPECT_EQ(w.Cell(1, 2).Range().Alignment(), AlignRight);
    EXPECT_EQ(w.Cell(2, 2).Range().Alignment(), AlignCenter);
    EXPECT_EQ(w.Range().Alignment(), Undefined);
    EXPECT_EQ(w.Cell(1, 2).Range().FontSize(), 9);
    EXPECT_EQ(w.Cell(2, 2).Range().FontSize(), 12);
    EXPECT_EQ(w.Range().FontSize(), Undefined);
    Range zelle = w.Cell(2, 3).Range();
    EXPECT_EQ(zelle.Text(), "Zwischensumme\rdanach\r\a");
    EXPECT_EQ(zelle.Bold(), TristateTrue);
    EXPECT_EQ(zelle.Alignment(), AlignRight);
    EXPECT_EQ(zelle.FontSize(), 9);
    EXPECT_EQ(Range().Bold(), TristateFalse) << "a range of no document";
}

TEST(Range, TheShownSizeComesFromTheTextItselfElseFromItsStyles) {
    auto doc = Öffnen("formatvorlagen.docx");
    Table t = doc->Tables().Item(1);
    EXPECT_EQ(t.Cell(1, 1).Range().ShownFontSize(), 12) << "the default paragraph style";
    EXPECT_EQ(t.Cell(2, 1).Range().ShownFontSize(), 12) << "a style based on it";
    EXPECT_EQ(t.Cell(3, 1).Range().ShownFontSize(), 16) << "a style of its own size";
    EXPECT_EQ(t.Cell(4, 1).Range().ShownFontSize(), Undefined) << "8 pt text, a 16 pt paragraph mark";
    EXPECT_EQ(t.Cell(5, 1).Range().FontSize(), Undefined) << "only the run has a size of its own";
    EXPECT_EQ(t.Cell(6, 1).Range().ShownFontSize(), 10) << "a style based on itself: the document's default";
    EXPECT_EQ(t.Cell(1, 1).Range().FontSize(), 0);

    auto leer = Öffnen("leer.docx");
    Table ohne = leer->Tables().Add(leer->Content(), 1, 1);
    EXPECT_EQ(ohne.Cell(1, 1).Range().ShownFontSize(), 10) << "no styles at all";
    EXPECT_EQ(Range().ShownFontSize(), 0);
}

TEST(Range, TextAppendedToACellGetsASizeOfItsOwn) {
    auto doc = Öffnen("leer.docx");
    Table t = doc->Tables().Add(doc->Content(), 1, 2);
    t.Cell(1, 1).Range().InsertAfter("Flst.Nr. 1");
    Range neu = t.Cell(1, 1).Range();
    neu.Collapse(CollapseEnd);
    neu.InsertAfter("\vBetrag");
    EXPECT_EQ(neu.Text(), "\vBetrag") << "the insertion point became the new text";
    neu.SetFontSize(8);
    EXPECT_EQ(neu.FontSize(), 8);
    EXPECT_EQ(neu.ShownFontSize(), 8);
    EXPECT_THROW(neu.SetFontSize(0.5), DocxError);

    auto wieder = Wieder(*doc);
    Range zelle = wieder->Tables().Item(1).Cell(1, 1).Range();
    EXPECT_EQ(zelle.Text(), "Flst.Nr. 1\vBetrag\r\a");
    EXPECT_EQ(zelle.ShownFontSize(), Undefined) << "10 pt before the break, 8 pt from it on";
    EXPECT_EQ(wieder->Tables().Item(1).Cell(1, 2).Range().ShownFontSize(), 10);
    std::string xml = wieder->PartXml("word/document.xml");
    EXPECT_NE(
        xml.find(
            R"(<w:r><w:rPr><w:sz w:val="16"/><w:szCs w:val="16"/></w:rPr><w:br/><w:t>Betrag</w:t></w:r>)"),
        std::string::npos)
        << xml;
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
