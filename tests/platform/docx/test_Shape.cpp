#include "Testdokumente.h"
#include "platform/docx/DocxError.h"

#include <gtest/gtest.h>

using namespace kovelund::docx;
using namespace kovelund::docx::test;

TEST(Shapes, ThePaymentTargetBoxIsAddedNamedAndDeleted) {
    auto doc = Öffnen("vorlage.docx");
    EXPECT_EQ(doc->Shapes().Count(), 0);
    Shape box = doc->Shapes().AddTextbox(OrientationHorizontal, 70.5, 766.5, 450.75, 54);
    box.SetName("Zahlungsziel");
    box.SetFillVisible(false);
    box.SetLineVisible(false);
    box.SetRelativeVerticalPosition(RelativeToPage);
    box.SetTop(doc->Application().CentimetersToPoints(27.04));
    box.SetAlignment(AlignRight);
    box.SetText("Zahlbar bis zum  15.03.2024 .");
    doc->Shapes().AddTextbox(OrientationHorizontal, 0, 0, 10, 10);
    EXPECT_THROW(doc->Shapes().AddTextbox(2, 0, 0, 10, 10), DocxError);
    auto wieder = Wieder(*doc);
    ASSERT_EQ(wieder->Shapes().Count(), 2);
    auto gefunden = wieder->Shapes().Find("Zahlungsziel");
    ASSERT_TRUE(gefunden);
    EXPECT_EQ(gefunden->Text(), "Zahlbar bis zum  15.03.2024 .");
    EXPECT_EQ(gefunden->Alignment(), AlignRight);
    EXPECT_DOUBLE_EQ(gefunden->Left(), 70.5);
    EXPECT_NEAR(gefunden->Top(), doc->Application().CentimetersToPoints(27.04), 1e-4);
    EXPECT_DOUBLE_EQ(gefunden->Width(), 450.75);
    EXPECT_DOUBLE_EQ(gefunden->Height(), 54);
    EXPECT_EQ(gefunden->RelativeVerticalPosition(), RelativeToPage);
    EXPECT_EQ(wieder->Shapes().Item(2).Alignment(), AlignLeft);
    std::string xml = wieder->PartXml("word/document.xml");
    EXPECT_NE(xml.find("xmlns:wps=\"http://schemas.microsoft.com/office/word/2010/wordprocessingShape\""),
              std::string::npos);
    EXPECT_NE(xml.find("<wp:posOffset>9734400</wp:posOffset>"), std::string::npos) << xml;
    EXPECT_NE(xml.find("<a:prstGeom prst=\"rect\"><a:avLst/></a:prstGeom><a:noFill/><a:ln "
                       "w=\"6350\"><a:noFill/></a:ln>"),
              std::string::npos);
    EXPECT_NE(xml.find("<wp:docPr id=\"1\" name=\"Zahlungsziel\"/>"), std::string::npos);
    EXPECT_NE(xml.find("<wp:docPr id=\"2\" name=\"Text Box 2\"/>"), std::string::npos);
    EXPECT_NE(xml.find("<w:jc w:val=\"right\"/></w:pPr><w:r><w:t>Zahlbar"), std::string::npos);
    gefunden->Delete();
    EXPECT_FALSE(wieder->Shapes().Find("Zahlungsziel"));
    EXPECT_EQ(Wieder(*wieder)->Shapes().Count(), 1);
    EXPECT_EQ(wieder->Content().Text().find("Zahlbar"), std::string::npos);
}
