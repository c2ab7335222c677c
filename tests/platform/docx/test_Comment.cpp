#include "Testdokumente.h"
#include "platform/docx/DocxError.h"

#include <gtest/gtest.h>

#include <regex>

using namespace kovelund::docx;
using namespace kovelund::docx::test;

TEST(Comments, AreReadInDocumentOrderWithTheirTextAndScope) {
    auto doc = Öffnen("vorlage.docx");
    const char* texte[] = {"vamoStart", "Kovelund_1", "0", "vamoNetto", "vamoGesamt"};
    const char* bezug[] = {"Einfügestelle", "", "  120,00 €", "      0,00 € ", ""};
    ASSERT_EQ(doc->Comments().Count(), 5);
    int i = 0;
    for (Comment c : doc->Comments()) {
        EXPECT_EQ(c.Text(), texte[i]);
        EXPECT_EQ(c.Scope().Text(), bezug[i]);
        ++i;
    }
    Table t = doc->Tables().Item(1);
    EXPECT_EQ(t.Range().Comments().Count(), 2);
    EXPECT_EQ(t.Range().Comments().Item(1).Text(), "Kovelund_1");
    EXPECT_EQ(t.Cell(1, 5).Range().Comments().Item(1).Text(), "Kovelund_1");
    EXPECT_EQ(t.Cell(2, 5).Range().Comments().Item(1).Text(), "0");
    EXPECT_EQ(t.Cell(2, 4).Range().Comments().Count(), 0);
    EXPECT_THROW(t.Cell(2, 4).Range().Comments().Item(1), DocxError);
    EXPECT_THROW(doc->Comments().Item(6), DocxError);
}

TEST(Comments, ACommentOnACellCoversTheWholeCellAndSurvivesSaving) {
    auto doc = Öffnen("vorlage.docx");
    Table t = doc->Tables().Add(doc->Tables().Item(1).Delete(), 3, 5);
    t.Cell(2, 5).Range().InsertAfter("   20,00 €");
    t.Cell(2, 5).Select();
    Selection& s = doc->Application().Selection();
    s.Range().Comments().Add(s.Range(), "0");
    t.Cell(1, 5).Range().Comments().Add(t.Cell(1, 5).Range(), "Kovelund_1");
    auto wieder = Wieder(*doc);
    Table w = wieder->Tables().Item(1);
    EXPECT_EQ(w.Cell(2, 5).Range().Comments().Count(), 1);
    EXPECT_EQ(w.Cell(2, 5).Range().Comments().Item(1).Text(), "0");
    EXPECT_EQ(w.Cell(2, 5).Range().Comments().Item(1).Scope().Text(), "   20,00 €");
    EXPECT_EQ(w.Cell(1, 5).Range().Comments().Item(1).Text(), "Kovelund_1");
    EXPECT_EQ(w.Range().Comments().Item(1).Text(), "Kovelund_1");
    EXPECT_EQ(w.Cell(3, 5).Range().Comments().Count(), 0);
    EXPECT_EQ(w.Cell(2, 5).Range().Text(), "   20,00 €\r\a");
    std::string kommentare = wieder->PartXml("word/comments.xml");
    EXPECT_NE(kommentare.find("w:author=\"Kovelund\""), std::string::npos);
}

// The first comment also creates the comments part with its content type and relationship.
TEST(Comments, TheFirstCreatesThePartAndColumnFiveOfManyTablesReadsWithTheirs) {
    auto doc = Öffnen("leer.docx");
    EXPECT_THROW(doc->PartXml("word/comments.xml"), DocxError);
    for (int i = 0; i < 30; ++i) {
        Range ende = doc->Content();
        ende.Collapse(CollapseEnd);
        ende.InsertParagraphAfter();
        ende.Collapse(CollapseEnd);
        Table t = doc->Tables().Add(ende, 4, 5);
        t.Cell(2, 5).Range().InsertAfter(std::to_string(i));
        t.Cell(2, 5).Range().Comments().Add(t.Cell(2, 5).Range(), std::to_string(i % 3 * 7));
    }
    auto wieder = Wieder(*doc);
    int kommentiert = 0;
    for (Table t : wieder->Tables())
        for (int r = 1; r <= t.Rows().Count(); ++r) {
            CommentsInRange c = t.Cell(r, 5).Range().Comments();
            if (c.Count() == 0) continue;
            ++kommentiert;
            int i = std::stoi(t.Cell(r, 5).Range().Text());
            EXPECT_EQ(c.Item(1).Text(), std::to_string(i % 3 * 7));
        }
    EXPECT_EQ(kommentiert, 30);
    EXPECT_NE(wieder->PartXml("[Content_Types].xml")
                  .find("<Override PartName=\"/word/comments.xml\" "
                        "ContentType=\"application/"
                        "vnd.openxmlformats-officedocument.wordprocessingml.comments+xml\"/>"),
              std::string::npos);
    EXPECT_NE(wieder->PartXml("word/_rels/document.xml.rels").find("Target=\"comments.xml\""),
              std::string::npos);
}

TEST(Comments, ADeletedCommentTakesItsMarkersAlong) {
    auto doc = Öffnen("vorlage.docx");
    doc->Comments().Item(3).Delete();
    auto wieder = Wieder(*doc);
    EXPECT_EQ(wieder->Comments().Count(), 4);
    EXPECT_EQ(wieder->Tables().Item(1).Cell(2, 5).Range().Comments().Count(), 0);
    EXPECT_EQ(wieder->Tables().Item(1).Cell(2, 5).Range().Text(), "  120,00 €\r\a");
}

TEST(Comments, FormattingACommentedEmptyCellKeepsTheParagraphPropertiesFirst) {
    auto doc = Öffnen("vorlage.docx");
    Table t = doc->Tables().Add(doc->Tables().Item(1).Delete(), 2, 4);
    t.Cell(1, 1).Range().Comments().Add(t.Cell(1, 1).Range(), "RE_Summe");
    t.Select();
    doc->Application().Selection().SetAlignment(AlignRight);
    t.Cell(1, 1).Range().SetBold(true);
    std::string xml = doc->PartXml("word/document.xml");
    // A paragraph's properties must be its first child, or word processors reject the file.
    std::regex vorPPr("(<[^>]*>)<w:pPr>");
    for (auto it = std::sregex_iterator(xml.begin(), xml.end(), vorPPr); it != std::sregex_iterator(); ++it) {
        std::string davor = (*it)[1];
        EXPECT_TRUE(davor == "<w:p>" || davor.starts_with("<w:p ")) << davor;
    }
}
