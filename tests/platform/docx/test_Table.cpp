#include "Testdokumente.h"
#include "platform/docx/DocxError.h"

#include <gtest/gtest.h>

#include <climits>
#include <regex>

using namespace kovelund::docx;
using namespace kovelund::docx::test;

namespace {

// The anchor of a new statement: a fresh paragraph at each "vamoStart" comment, else at the end.
Range Anker(Document& doc) {
    std::optional<Range> anker;
    for (Comment c : doc.Comments()) {
        if (c.Text() != "vamoStart") continue;
        Range r = c.Reference();
        r.Collapse(CollapseStart);
        r.MoveStart(UnitWord, -1);
        r.InsertParagraphBefore();
        r.Collapse(CollapseStart);
        anker = r;
    }
    if (anker) return *anker;
    Range r = doc.Content();
    r.Collapse(CollapseEnd);
    r.InsertParagraphAfter();
    r.Collapse(CollapseEnd);
    return r;
}

// The body's blocks as letters: p = paragraph (with its text), t = table.
std::string Blöcke(Document& doc) {
    std::string xml = doc.PartXml("word/document.xml");
    std::string out;
    std::regex block("<w:tbl>|<w:p>|<w:p/>|<w:p |</w:tbl>");
    int depth = 0;
    for (auto it = std::sregex_iterator(xml.begin(), xml.end(), block); it != std::sregex_iterator(); ++it) {
        std::string m = it->str();
        if (m == "<w:tbl>") {
            if (depth++ == 0) out += "t";
        } else if (m == "</w:tbl>") {
            --depth;
        } else if (depth == 0) {
            out += "p";
        }
    }
    return out;
}

int Anzahl(const std::string& text, const std::string& what) {
    int n = 0;
    for (auto at = text.find(what); at != std::string::npos; at = text.find(what, at + 1))
        ++n;
    return n;
}

} // namespace

TEST(Tables, AStatementGoesIntoAParagraphOfItsOwnAtTheMarker) {
    auto doc = Öffnen("vorlage.docx");
    EXPECT_EQ(Blöcke(*doc), "ppptpppp");
    Table erste = doc->Tables().Add(Anker(*doc), 3, 8);
    erste.Cell(1, 1).Range().InsertAfter("Zerlegung / Sonderung");
    Table zweite = doc->Tables().Add(Anker(*doc), 4, 4);
    zweite.Cell(1, 2).Range().InsertAfter("Summe");
    auto wieder = Wieder(*doc);
    // Title, the first statement, its new paragraph, the second and its paragraph, then the marker.
    EXPECT_EQ(Blöcke(*wieder), "ptptppptpppp");
    EXPECT_EQ(wieder->Tables().Count(), 3);
    EXPECT_EQ(wieder->Tables().Item(1).Cell(1, 1).Range().Text(), "Zerlegung / Sonderung\r\a");
    EXPECT_EQ(wieder->Tables().Item(2).Cell(1, 2).Range().Text(), "Summe\r\a");
    EXPECT_EQ(wieder->Tables().Item(2).Position(), 2);
    EXPECT_EQ(wieder->Comments().Item(1).Scope().Text(), "Einfügestelle");
    EXPECT_EQ(wieder->Tables().Item(1).Columns().Count(), 8);
    EXPECT_EQ(wieder->Tables().Item(1).Rows().Count(), 3);
}

TEST(Tables, AnInsertionPointInsideAParagraphSplitsIt) {
    auto doc = Öffnen("vorlage.docx");
    Range r = doc->Comments().Item(1).Reference();
    r.Collapse(CollapseStart);
    doc->Tables().Add(r, 1, 1);
    auto wieder = Wieder(*doc);
    EXPECT_EQ(Blöcke(*wieder), "pptpptpppp");
    EXPECT_EQ(wieder->Comments().Item(1).Scope().Text(), "Einfügestelle");
    EXPECT_EQ(wieder->Tables().Item(1).Range().Comments().Count(), 0);
}

TEST(Tables, AReplacedStatementTakesExactlyThePlaceOfTheOld) {
    auto doc = Öffnen("vorlage.docx");
    Table alt = doc->Tables().Item(1);
    ASSERT_EQ(alt.Range().Comments().Count(), 2);
    doc->Bookmarks().Add("Kovelund_1", alt.Cell(1, 5).Range());
    Range platz = alt.Delete();
    EXPECT_EQ(doc->Tables().Count(), 0);
    EXPECT_FALSE(doc->Bookmarks().Exists("Kovelund_1"));
    Table neu = doc->Tables().Add(platz, 2, 3);
    neu.Cell(2, 3).Range().InsertAfter("neu");
    auto wieder = Wieder(*doc);
    EXPECT_EQ(Blöcke(*wieder), "ppptpppp");
    EXPECT_EQ(wieder->Comments().Count(), 3);
    for (Comment c : wieder->Comments())
        EXPECT_NE(c.Text(), "Kovelund_1");
    std::string kommentare = wieder->PartXml("word/comments.xml");
    EXPECT_EQ(kommentare.find("Kovelund_1"), std::string::npos);
    EXPECT_EQ(wieder->Tables().Item(1).Cell(2, 3).Range().Text(), "neu\r\a");
}

TEST(Tables, TheCellsTakeTheSizeSetAtTheirPlace) {
    auto doc = Öffnen("vorlage.docx");
    Selection& auswahl = doc->Application().Selection();
    Range anker = Anker(*doc);
    anker.Select();
    auswahl.SetFontSize(10);
    Table t = doc->Tables().Add(anker, 2, 3);
    t.Cell(1, 1).Range().InsertAfter("Gebühren nach Zeitaufwand");
    t.Cell(1, 1).Range().SetBold(true);
    t.Cell(2, 3).Range().InsertAfter("    161,00 €");
    Table ohne = doc->Tables().Add(doc->Content(), 1, 1);
    ohne.Cell(1, 1).Range().InsertAfter("ohne");

    auto wieder = Wieder(*doc);
    Table w = wieder->Tables().Item(t.Position());
    EXPECT_EQ(w.Range().FontSize(), 10) << "written and empty cells alike";
    EXPECT_EQ(w.Cell(1, 1).Range().Bold(), TristateTrue);
    EXPECT_EQ(w.Cell(2, 3).Range().Bold(), TristateFalse);
    EXPECT_EQ(wieder->Tables().Item(ohne.Position()).Range().FontSize(), 0)
        << "a place without a size of its own";

    // A replaced table's place lies between blocks: the size set there is the next paragraph's.
    Range platz = w.Delete();
    platz.Select();
    wieder->Application().Selection().SetFontSize(12);
    Table neu = wieder->Tables().Add(platz, 1, 2);
    neu.Cell(1, 2).Range().InsertAfter("neu");
    EXPECT_EQ(Wieder(*wieder)->Tables().Item(neu.Position()).Range().FontSize(), 12);
}

// Without a marker each table goes to the end, between paragraphs.
TEST(Tables, WithoutMarkerAtTheEndAndDeletingAndAddingNeverLeavesTwoTablesTouching) {
    auto doc = Öffnen("leer.docx");
    for (int i = 0; i < 3; ++i)
        doc->Tables().Add(Anker(*doc), 1, 1);
    EXPECT_EQ(Blöcke(*Wieder(*doc)), "pptpptpptp");
    Range platz = doc->Tables().Item(2).Delete();
    doc->Tables().Add(platz, 1, 2);
    doc->Tables().Add(platz, 1, 3);
    EXPECT_EQ(doc->Tables().Count(), 4);
    EXPECT_EQ(Blöcke(*doc).find("tt"), std::string::npos) << Blöcke(*doc);
    EXPECT_EQ(doc->Tables().Item(2).Columns().Count(), 2);
}

TEST(Tables, WidthsRebuildTheGridFromTheCellEdges) {
    auto doc = Öffnen("leer.docx");
    Table t = doc->Tables().Add(doc->Content(), 3, 5);
    const double cm[] = {5.6, 3.5, 3.0, 2.9, 2.5};
    for (int i = 1; i <= 5; ++i)
        t.Columns().Item(i).SetWidth(doc->Application().CentimetersToPoints(cm[i - 1]), 0);
    t.Cell(3, 1).SetWidth(doc->Application().CentimetersToPoints(7.0), 0);
    t.Cell(3, 2).Select();
    doc->Application().Selection().CellsSetWidth(doc->Application().CentimetersToPoints(1.5), 0);
    std::string xml = doc->PartXml("word/document.xml");
    EXPECT_NE(xml.find("<w:tblW w:w=\"9921\" w:type=\"dxa\"/>"), std::string::npos);
    // Row 3 (7.0 + 1.5 cm, then the others shifted) ends 340 twips before the others.
    EXPECT_NE(
        xml.find("<w:tblGrid><w:gridCol w:w=\"3175\"/><w:gridCol w:w=\"794\"/><w:gridCol w:w=\"850\"/>"),
        std::string::npos);
    EXPECT_EQ(Anzahl(xml, "<w:gridCol "), 10);
    EXPECT_NE(xml.find("<w:tcW w:w=\"3969\" w:type=\"dxa\"/><w:gridSpan w:val=\"2\"/>"), std::string::npos);
    EXPECT_NE(xml.find("<w:gridAfter w:val=\"1\"/><w:wAfter w:w=\"340\" w:type=\"dxa\"/>"), std::string::npos)
        << xml;
    EXPECT_DOUBLE_EQ(Wieder(*doc)->Tables().Item(1).Cell(3, 2).Width(), 42.5);
    EXPECT_THROW(t.Cell(1, 1).SetWidth(10, 1), DocxError);
}

TEST(Tables, TheFrameGoesOffAndColumnsAlign) {
    auto doc = Öffnen("leer.docx");
    Table t = doc->Tables().Add(doc->Content(), 2, 3);
    Selection& s = doc->Application().Selection();
    EXPECT_TRUE(t.BordersVisible()) << "a new table has single lines";
    t.Select();
    for (int b = -1; b >= -6; --b)
        s.SetBorderLineStyle(b, 0);
    EXPECT_FALSE(t.BordersVisible());
    s.SetAlignment(AlignRight);
    t.Columns().Item(1).Select();
    s.SetAlignment(AlignLeft);
    t.Cell(1, 3).Select();
    s.MoveDown(5, 1, 1);
    s.AddTabStop(doc->Application().CentimetersToPoints(1.5), TabDecimal, LeaderSpaces);
    // As in the word processor, the range runs through the cells between, row end included.
    EXPECT_EQ(s.Range().Text(), "\r\a\r\a\r\a\r\a\r\a");
    EXPECT_THROW(s.SetBorderLineStyle(-7, 0), DocxError);
    EXPECT_THROW(s.MoveDown(4, 1, 1), DocxError);
    std::string xml = doc->PartXml("word/document.xml");
    EXPECT_EQ(Anzahl(xml, "w:val=\"none\""), 6);
    EXPECT_EQ(Anzahl(xml, "<w:jc w:val=\"left\"/>"), 2);
    EXPECT_EQ(Anzahl(xml, "<w:jc w:val=\"right\"/>"), 4);
    EXPECT_EQ(Anzahl(xml, "<w:tabs><w:tab w:val=\"decimal\" w:pos=\"850\"/></w:tabs><w:jc w:val=\"right\"/>"),
              2);
    EXPECT_NE(xml.find("</w:tblBorders><w:tblLayout w:type=\"fixed\"/>"), std::string::npos);
    EXPECT_FALSE(Wieder(*doc)->Tables().Item(1).BordersVisible());
}

TEST(Tables, ACellShowsItsOwnBorderElseTheTablesAtThatEdge) {
    auto doc = Öffnen("leer.docx");
    Table t = doc->Tables().Add(doc->Content(), 3, 3);
    Selection& s = doc->Application().Selection();
    t.Select();
    for (int b = -1; b >= -6; --b)
        s.SetBorderLineStyle(b, 0);
    s.SetBorderLineStyle(BorderHorizontal, 1);
    EXPECT_TRUE(t.Cell(1, 2).BordersVisible()) << "its bottom edge lies inside the table";
    EXPECT_TRUE(t.Cell(3, 2).BordersVisible()) << "its top edge lies inside the table";
    s.SetBorderLineStyle(BorderHorizontal, 0);
    t.Cell(2, 2).Select();
    s.SetBorderLineStyle(BorderLeft, 1);
    auto wieder = Wieder(*doc);
    Table w = wieder->Tables().Item(1);
    EXPECT_TRUE(w.Cell(2, 2).BordersVisible());
    EXPECT_FALSE(w.Cell(2, 1).BordersVisible()) << "a neighbour's border is not its own";
    EXPECT_FALSE(w.Cell(1, 1).BordersVisible());
    EXPECT_TRUE(w.BordersVisible());
}

TEST(Tables, NoTableGoesBetweenTheRowsOfAnother) {
    auto doc = Öffnen("zeilenmarke.docx");
    ASSERT_EQ(doc->Comments().Count(), 1);
    Range stelle = doc->Comments().Item(1).Reference();
    try {
        doc->Tables().Add(stelle, 2, 2);
        ADD_FAILURE() << "a table was added between two rows";
    } catch (const DocxError& e) {
        EXPECT_EQ(e.Nummer(), error::NotAvailable);
    }
    EXPECT_EQ(doc->Tables().Count(), 1);
    EXPECT_EQ(doc->Tables().Item(1).Rows().Count(), 2);
    EXPECT_FALSE(doc->Modified());
}

TEST(Tables, CellsAreAddressedByTheirPlaceInTheRow) {
    auto doc = Öffnen("vorlage.docx");
    Table t = doc->Tables().Item(1);
    EXPECT_EQ(t.Cell(2, 5).Range().Text(), "  120,00 €\r\a");
    EXPECT_EQ(t.Cell(2, 5).Row(), 2);
    EXPECT_EQ(t.Cell(2, 5).Column(), 5);
    EXPECT_THROW(t.Cell(3, 1), DocxError);
    EXPECT_THROW(t.Cell(1, 6), DocxError);
    EXPECT_THROW(t.Cell(INT_MIN, 1), DocxError);
    EXPECT_THROW(t.Cell(1, INT_MIN), DocxError);
    EXPECT_THROW(doc->Tables().Item(2), DocxError);
    try {
        t.Cell(0, 1);
    } catch (const DocxError& e) {
        EXPECT_EQ(e.Nummer(), error::NoSuchMember);
    }
    t.Rows().Add();
    EXPECT_EQ(t.Rows().Count(), 3);
    EXPECT_EQ(t.Cell(3, 5).Range().Text(), "\r\a");
    EXPECT_EQ(t.Cell(3, 5).Range().Comments().Count(), 0);
    EXPECT_THROW(doc->Tables().Add(doc->Content(), 0, 2), DocxError);
}

TEST(Selection, TheHostSaysWhereTheCursorStands) {
    auto doc = Öffnen("vorlage.docx");
    Selection& s = doc->Application().Selection();
    EXPECT_FALSE(s.InTable());
    EXPECT_THROW(s.CurrentTable(), DocxError);
    EXPECT_THROW(s.CellsSetWidth(10, 0), DocxError);
    s.SetCursor(doc->Tables().Item(1));
    EXPECT_TRUE(s.InTable());
    EXPECT_EQ(s.CurrentTable(), doc->Tables().Item(1));
    EXPECT_EQ(s.Text(), "Alt\r\a");
    s.ClearCursor();
    EXPECT_FALSE(s.InTable());
    doc->Tables().Item(1).Select();
    doc->Tables().Item(1).Delete();
    EXPECT_FALSE(s.InTable());
}
