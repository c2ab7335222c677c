#include "component/Auftragskontext.h"
#include "component/KV.h"
#include "platform/dao/Workspace.h"
#include "platform/docx/Document.h"

#include <gtest/gtest.h>

#include <functional>

namespace kovelund {
namespace {

class KVTest : public ::testing::Test {
protected:
    void SetUp() override { Auftrag() = Auftragskontext{}; }
    void TearDown() override { Auftrag() = Auftragskontext{}; }

    // The error number a property write fails with, and that the property still reads `vorher`.
    static int Abgelehnt(KV& kv, void (KV::*schreiben)(const Variant&), Variant (KV::*lesen)() const,
                         const Variant& wert) {
        Variant vorher = (kv.*lesen)();
        int nummer = 0;
        try {
            (kv.*schreiben)(wert);
        } catch (const Fehler& fehler) {
            nummer = fehler.Nummer();
        }
        EXPECT_EQ((kv.*lesen)(), vorher) << "a failed write keeps the field";
        return nummer;
    }

    KV kv;
};

TEST_F(KVTest, StartsWithAnEmptyOrder) {
    EXPECT_EQ(kv.Flurstücksnummer(), Variant(""));
    EXPECT_EQ(kv.Fläche(), Variant(0.0));
    EXPECT_EQ(kv.Achslänge(), Variant(std::int16_t{0}));
    EXPECT_EQ(kv.Grenzlänge(), Variant(std::int32_t{0}));
    EXPECT_EQ(kv.DatenbankPfad(), "");
    EXPECT_EQ(kv.NeueAbfrage().Als<dao::Database>(), nullptr);
    EXPECT_FALSE(Auftrag().Zahlungsziel);
    EXPECT_EQ(Auftrag().Rechnung, nullptr);
}

TEST_F(KVTest, PropertiesConvertToTheFieldTypes) {
    kv.SetFlurstücksnummer(std::int32_t{17});
    EXPECT_EQ(kv.Flurstücksnummer(), Variant("17"));
    kv.SetFlurstücksnummer(12.5);
    EXPECT_EQ(kv.Flurstücksnummer(), Variant("12,5"));
    kv.SetFläche("1.250,5");
    EXPECT_EQ(kv.Fläche(), Variant(1250.5));
    kv.SetBodenwert(std::int16_t{85});
    EXPECT_EQ(kv.Bodenwert(), Variant(85.0));
    kv.SetLage("Am Deich 3");
    EXPECT_EQ(kv.Lage(), Variant("Am Deich 3"));
    kv.SetBaukosten("250000");
    EXPECT_EQ(kv.Baukosten(), Variant(250000.0));
    kv.SetAchslänge(12.5);
    EXPECT_EQ(kv.Achslänge(), Variant(std::int16_t{12})) << "halves round to even";
    kv.SetAchslänge(32767.0);
    EXPECT_EQ(kv.Achslänge(), Variant(std::int16_t{32767}));
    kv.SetGrenzlänge(40000.0);
    EXPECT_EQ(kv.Grenzlänge(), Variant(std::int32_t{40000}));
    kv.SetFlurstücke(true);
    EXPECT_EQ(kv.Flurstücke(), Variant(std::int16_t{-1}));
    kv.SetAnzahlGrenzpunkte("12");
    EXPECT_EQ(kv.AnzahlGrenzpunkte(), Variant(std::int16_t{12}));
    kv.SetID_Benutzer("7");
    EXPECT_EQ(kv.ID_Benutzer(), Variant(std::int32_t{7}));
    kv.SetDatenbankPfad("/daten/Vamo.db");
    EXPECT_EQ(kv.DatenbankPfad(), "/daten/Vamo.db");
    kv.Aktualisieren();
    EXPECT_EQ(Auftrag().Achslänge, 32767);
}

TEST_F(KVTest, FailedConversionsReachTheHostAndKeepTheField) {
    kv.SetAchslänge(std::int16_t{120});
    kv.SetFläche(800.0);
    kv.SetLage("Marsch");
    kv.SetGrenzlänge(std::int32_t{5});
    EXPECT_EQ(Abgelehnt(kv, &KV::SetAchslänge, &KV::Achslänge, std::int32_t{40000}), fehlernummer::Überlauf);
    EXPECT_EQ(Abgelehnt(kv, &KV::SetFläche, &KV::Fläche, "abc"), fehlernummer::Typen);
    EXPECT_EQ(Abgelehnt(kv, &KV::SetLage, &KV::Lage, Variant::Null()), fehlernummer::Null);
    EXPECT_EQ(Abgelehnt(kv, &KV::SetGrenzlänge, &KV::Grenzlänge, 3e9), fehlernummer::Überlauf);
    EXPECT_EQ(Abgelehnt(kv, &KV::SetAnzahlGrenzpunkte, &KV::AnzahlGrenzpunkte, -32769.0),
              fehlernummer::Überlauf);
    EXPECT_EQ(Abgelehnt(kv, &KV::SetBaukosten, &KV::Baukosten, std::make_shared<dao::Workspace>()),
              fehlernummer::Typen);
    EXPECT_EQ(Auftrag().Achslänge, 120);
}

TEST_F(KVTest, ObjectPropertiesTakeOnlyTheirKind) {
    auto workspace = std::make_shared<dao::Workspace>();
    kv.SetVamoWorkspace(workspace);
    EXPECT_EQ(kv.VamoWorkspace().Als<dao::Workspace>(), workspace);
    EXPECT_EQ(Auftrag().VamoWorkspace, workspace);

    EXPECT_EQ(Abgelehnt(kv, &KV::SetNeueAbfrage, &KV::NeueAbfrage, workspace), fehlernummer::Typen);
    EXPECT_EQ(Abgelehnt(kv, &KV::SetDoc, &KV::Doc, workspace), fehlernummer::Typen);
    EXPECT_EQ(Abgelehnt(kv, &KV::SetVamoWorkspace, &KV::VamoWorkspace, "Workspace"), fehlernummer::Typen);
    EXPECT_EQ(Abgelehnt(kv, &KV::SetVamoWorkspace, &KV::VamoWorkspace, Variant::Null()), fehlernummer::Typen);
    EXPECT_EQ(Auftrag().VamoWorkspace, workspace);
    EXPECT_EQ(Auftrag().Doc, nullptr);
    EXPECT_EQ(Auftrag().Anwendung, nullptr);

    kv.SetVamoWorkspace(Variant());
    EXPECT_EQ(Auftrag().VamoWorkspace, nullptr) << "an empty value clears the reference";
    kv.SetVamoWorkspace(workspace);
    kv.SetVamoWorkspace(std::shared_ptr<dao::Database>());
    EXPECT_EQ(Auftrag().VamoWorkspace, nullptr) << "so does an empty reference of any kind";
}

TEST_F(KVTest, DocAlsoStoresItsApplication) {
    auto doc = docx::Document::Open(KOVELUND_TEST_DATA "/docx/leer.docx");
    kv.SetDoc(doc);
    EXPECT_EQ(kv.Doc().Als<docx::Document>(), doc);
    ASSERT_NE(Auftrag().Anwendung, nullptr);
    EXPECT_EQ(Auftrag().Anwendung.get(), &doc->Application());

    EXPECT_EQ(Abgelehnt(kv, &KV::SetDoc, &KV::Doc, std::int32_t{1}), fehlernummer::Typen);
    EXPECT_EQ(Auftrag().Anwendung.get(), &doc->Application()) << "a failed write keeps the application too";

    std::weak_ptr<docx::Document> schwach = doc;
    doc.reset();
    kv.SetDoc(Variant());
    EXPECT_EQ(Auftrag().Anwendung, nullptr);
    EXPECT_TRUE(schwach.expired()) << "the context holds the document no longer";
}

TEST_F(KVTest, AllInstancesShareOneOrder) {
    auto erste = ObjektErzeugen("Kovelund.KV");
    auto zweite = ObjektErzeugen("kovelund.kv");
    erste->SetBodenwert(85.5);
    erste->SetID_Benutzer(std::int32_t{3});
    EXPECT_EQ(zweite->Bodenwert(), Variant(85.5));
    EXPECT_EQ(kv.ID_Benutzer(), Variant(std::int32_t{3}));
    zweite->SetBodenwert(1.0);
    erste.reset();
    EXPECT_EQ(kv.Bodenwert(), Variant(1.0)) << "the order outlives the instance that wrote it";

    try {
        ObjektErzeugen("Kovelund.Rechnung");
        ADD_FAILURE() << "an unknown class was created";
    } catch (const Fehler& fehler) {
        EXPECT_EQ(fehler.Nummer(), 429);
        EXPECT_STREQ(fehler.what(),
                     "cannot create object 'Kovelund.Rechnung': Kovelund has no class of that name");
    }
}

} // namespace
} // namespace kovelund
