#include "Protokoll.h"
#include "component/kovelund.h"
#include "support/Beispielordner.h"

#include <dlfcn.h>
#include <gtest/gtest.h>

#include <cstdlib>
#include <iostream>
#include <string>

namespace kovelund {
namespace {

// libkovelund loaded as a host loads it at run time, with the entry points looked up by name.
class BibliothekTest : public ::testing::Test {
protected:
    void SetUp() override {
        bibliothek = ::dlopen(KOVELUND_BIBLIOTHEK, RTLD_NOW | RTLD_LOCAL);
        ASSERT_NE(bibliothek, nullptr) << ::dlerror();
        create = Symbol<decltype(&kovelund_kv_create)>("kovelund_kv_create");
        destroy = Symbol<decltype(&kovelund_kv_destroy)>("kovelund_kv_destroy");
        setText = Symbol<decltype(&kovelund_kv_set_text)>("kovelund_kv_set_text");
        setNumber = Symbol<decltype(&kovelund_kv_set_number)>("kovelund_kv_set_number");
        getText = Symbol<decltype(&kovelund_kv_get_text)>("kovelund_kv_get_text");
        getNumber = Symbol<decltype(&kovelund_kv_get_number)>("kovelund_kv_get_number");
        show = Symbol<decltype(&kovelund_kv_show)>("kovelund_kv_show");
        aktualisieren = Symbol<decltype(&kovelund_kv_aktualisieren)>("kovelund_kv_aktualisieren");
        lastError = Symbol<decltype(&kovelund_kv_last_error)>("kovelund_kv_last_error");
        kv = create("Kovelund.KV");
        ASSERT_NE(kv, nullptr);
    }
    void TearDown() override {
        if (kv != nullptr) destroy(kv);
        if (bibliothek != nullptr) ::dlclose(bibliothek);
    }

    template <class F> F Symbol(const char* name) {
        void* symbol = ::dlsym(bibliothek, name);
        EXPECT_NE(symbol, nullptr) << name;
        return reinterpret_cast<F>(symbol);
    }

    std::string Text(const char* eigenschaft) {
        char puffer[512];
        std::size_t länge = 0;
        EXPECT_EQ(getText(kv, eigenschaft, puffer, sizeof puffer, &länge), 0) << lastError(kv);
        return puffer;
    }

    void* bibliothek = nullptr;
    decltype(&kovelund_kv_create) create = nullptr;
    decltype(&kovelund_kv_destroy) destroy = nullptr;
    decltype(&kovelund_kv_set_text) setText = nullptr;
    decltype(&kovelund_kv_set_number) setNumber = nullptr;
    decltype(&kovelund_kv_get_text) getText = nullptr;
    decltype(&kovelund_kv_get_number) getNumber = nullptr;
    decltype(&kovelund_kv_show) show = nullptr;
    decltype(&kovelund_kv_aktualisieren) aktualisieren = nullptr;
    decltype(&kovelund_kv_last_error) lastError = nullptr;
    kovelund_kv* kv = nullptr;
};

TEST_F(BibliothekTest, ExportsOnlyTheEntry) {
    EXPECT_EQ(::dlsym(bibliothek, "_ZN8kovelund7AuftragEv"), nullptr) << "the order context stays inside";
    EXPECT_EQ(::dlsym(bibliothek,
                      "_ZNK8kovelund3dao9Workspace12OpenDatabaseERKNSt7__cxx1112basic_stringIcSt11char_"
                      "traitsIcESaIcEEE"),
              nullptr)
        << "so do the libraries linked into it";
    EXPECT_NE(::dlsym(bibliothek, "_ZN8kovelund2KV13AktualisierenEv"), nullptr);
    EXPECT_EQ(create("Kovelund.Rechnung"), nullptr);
    EXPECT_EQ(aktualisieren(kv), 0);
}

TEST_F(BibliothekTest, PropertiesByName) {
    EXPECT_EQ(setText(kv, "Flurstücksnummer", "123/4"), 0);
    EXPECT_EQ(Text("Flurstücksnummer"), "123/4");
    EXPECT_EQ(setText(kv, "Fläche", "1.250,5"), 0);
    double zahl = 0;
    EXPECT_EQ(getNumber(kv, "Fläche", &zahl), 0);
    EXPECT_EQ(zahl, 1250.5);
    EXPECT_EQ(Text("Fläche"), "1250,5");

    EXPECT_EQ(setNumber(kv, "Achslänge", 120), 0);
    EXPECT_EQ(setNumber(kv, "Achslänge", 40000), 6);
    EXPECT_EQ(std::string(lastError(kv)), "cannot set KV.Achslänge: Overflow: 40000 does not fit");
    EXPECT_EQ(Text("Achslänge"), "120");
    EXPECT_EQ(std::string(lastError(kv)), "") << "a successful call clears the description";
    EXPECT_EQ(setText(kv, "Fläche", "abc"), 13);
    EXPECT_EQ(setText(kv, "Gemarkung", "x"), 438);

    char kurz[4];
    std::size_t länge = 0;
    EXPECT_EQ(getText(kv, "Flurstücksnummer", kurz, sizeof kurz, &länge), 0);
    EXPECT_STREQ(kurz, "123");
    EXPECT_EQ(länge, 5u);
}

TEST_F(BibliothekTest, ShowThroughTheEntry) {
    test::Protokoll protokoll;
    test::Beispielordner datenbank;
    EXPECT_EQ(setText(kv, "VamoWorkspace", "Vamo"), 0);
    EXPECT_EQ(setText(kv, "DatenbankPfad", datenbank.Datenbankpfad().c_str()), 0);
    EXPECT_EQ(setNumber(kv, "ID_Benutzer", 1), 0);
    EXPECT_EQ(Text("VamoWorkspace"), "Vamo");
    EXPECT_EQ(show(kv, 17, 17, 0), 91) << "no NeueAbfrage to open the invoice on";
    EXPECT_EQ(setText(kv, "NeueAbfrage", datenbank.Datenbankpfad().c_str()), 0) << lastError(kv);
    EXPECT_EQ(show(kv, 6, 17, 0x2040), 0) << lastError(kv);
    EXPECT_EQ(protokoll.Sätze(), 0) << protokoll.Text();
    EXPECT_EQ(show(kv, 6, 99, 0), 0) << "an invoice number without a record hands over an empty recordset";

    EXPECT_EQ(setText(kv, "DatenbankPfad", (datenbank.verzeichnis / "Fehlt.db").c_str()), 0);
    EXPECT_EQ(show(kv, 6, 0, 0), 0) << "Show does not fail towards the host";
    EXPECT_EQ(protokoll.Sätze(), 16);
    EXPECT_EQ(setText(kv, "NeueAbfrage", (datenbank.verzeichnis / "Fehlt.db").c_str()), 3024);
}

TEST_F(BibliothekTest, TheWindowsAreKnownOnceTheLibraryIsLoaded) {
    test::Protokoll protokoll;
    test::Beispielordner datenbank;
    std::filesystem::path rechnung = datenbank.Dokumentpfad();
    ASSERT_EQ(setText(kv, "VamoWorkspace", "Vamo"), 0);
    ASSERT_EQ(setText(kv, "DatenbankPfad", datenbank.Datenbankpfad().c_str()), 0);
    ASSERT_EQ(setText(kv, "NeueAbfrage", datenbank.Datenbankpfad().c_str()), 0);
    ASSERT_EQ(setText(kv, "Doc", rechnung.c_str()), 0);
    ASSERT_EQ(setNumber(kv, "ID_Benutzer", 1), 0);
    // The window opens in a process of its own: the library then holds a Qt application to its end.
    EXPECT_EXIT(
        {
            ::unsetenv("DISPLAY");
            ::unsetenv("WAYLAND_DISPLAY");
            ::unsetenv("QT_QPA_PLATFORM");
            int ohneAnzeige = show(kv, 1, 17, 0);
            std::string grund = lastError(kv);
            ::setenv("QT_QPA_PLATFORM", "offscreen", 1);
            int fehler = show(kv, 1, 17, 0);
            std::cerr << "show: " << ohneAnzeige << " " << grund << " / " << fehler << " " << lastError(kv)
                      << "\n"
                      << protokoll.Text();
            bool klar = ohneAnzeige == 5 && grund.find("no display") != std::string::npos;
            std::exit(klar && fehler == 0 && protokoll.Sätze() == 0 ? 0 : 1);
        },
        ::testing::ExitedWithCode(0), "")
        << "without a display the host is told so; with one frmKat2 opens without a registration of the "
           "host's own";
}

TEST_F(BibliothekTest, HandlesBeyond32BitsAreRefused) {
    EXPECT_EQ(show(kv, 6, 0, static_cast<std::uintptr_t>(1) << 40), 6);
    EXPECT_NE(std::string(lastError(kv)).find("exceeds 32 bits"), std::string::npos) << lastError(kv);
}

TEST_F(BibliothekTest, DocumentByPath) {
    auto saveDocument = Symbol<decltype(&kovelund_kv_save_document)>("kovelund_kv_save_document");
    test::Beispielordner datenbank;
    EXPECT_EQ(saveDocument(kv), 91);
    std::filesystem::path kopie = datenbank.Dokumentpfad();
    EXPECT_EQ(setText(kv, "Doc", kopie.c_str()), 0) << lastError(kv);
    EXPECT_EQ(Text("Doc"), kopie.string());
    EXPECT_EQ(saveDocument(kv), 0) << lastError(kv);
    EXPECT_NE(setText(kv, "Doc", datenbank.Datenbankpfad().c_str()), 0) << "no document";
    EXPECT_EQ(Text("Doc"), kopie.string());
}

} // namespace
} // namespace kovelund
