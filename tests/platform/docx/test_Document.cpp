#include "Testdokumente.h"
#include "platform/docx/DocxError.h"
#include "platform/docx/detail/Package.h"
#include "support/Dateiinhalt.h"

#include <gtest/gtest.h>
#include <sys/resource.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <csignal>
#include <fstream>
#include <sstream>
#include <stdexcept>

using namespace kovelund::docx;
using namespace kovelund::docx::test;

namespace {

struct Fehlerfall {
    const char* datei;
    const char* meldung;
};

// A fresh folder holding a copy of the template as r.docx.
std::filesystem::path Kopie(const std::string& ordner) {
    auto dir = std::filesystem::temp_directory_path() / (ordner + "-" + std::to_string(::getpid()));
    std::filesystem::create_directories(dir);
    std::filesystem::copy_file(Datei("vorlage.docx"), dir / "r.docx",
                               std::filesystem::copy_options::overwrite_existing);
    return dir;
}

// After a failed save the folder holds the old file and nothing else.
void Unverändert(const std::filesystem::path& dir) {
    EXPECT_EQ(kovelund::test::Dateiinhalt(dir / "r.docx"),
              kovelund::test::Dateiinhalt(Datei("vorlage.docx")));
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir), std::filesystem::directory_iterator()),
              1);
}

} // namespace

TEST(Document, RejectsEveryBrokenFileWithItsNameAndProblem) {
    const Fehlerfall fälle[] = {
        {"bad/kein_zip.docx", "not a zip archive"},
        {"bad/abgeschnitten.docx", "not a zip archive, or a truncated one"},
        {"bad/ohne_hauptteil.docx", "missing part 'word/document.xml'"},
        {"bad/kaputtes_xml.docx", "malformed XML in part 'word/document.xml'"},
        {"bad/riesig.docx", "is too large"},
        {"bad/ohne_kommentare.docx", "missing part 'word/comments.xml'"},
        {"bad/kaputte_kommentare.docx", "malformed XML in part 'word/comments.xml'"},
        {"bad/kommentar_fehlt.docx", "comment mark 3 has no comment"},
        {"bad/strict.docx", "Strict OOXML documents are not supported"},
        {"bad/pruefsumme.docx", "part 'word/document.xml' is damaged"},
        {"bad/laenge.docx", "part 'word/document.xml' is damaged"},
        {"gibt_es_nicht.docx", "cannot read the file"},
    };
    for (const auto& fall : fälle) {
        try {
            Öffnen(fall.datei);
            ADD_FAILURE() << fall.datei << " was opened";
        } catch (const DocxError& e) {
            EXPECT_EQ(e.Nummer(), error::CorruptFile) << fall.datei;
            std::string meldung = e.what();
            EXPECT_NE(meldung.find(fall.datei), std::string::npos) << meldung;
            EXPECT_NE(meldung.find(fall.meldung), std::string::npos) << meldung;
        }
    }
}

TEST(Document, SavingKeepsUntouchedPartsAndTheirOrder) {
    auto doc = Öffnen("vorlage.docx");
    EXPECT_FALSE(doc->Modified());
    auto saved = Wieder(*doc);
    EXPECT_EQ(saved->Comments().Count(), 5);
    doc->Tables().Item(1).Cell(1, 1).Range().InsertAfter("x");
    EXPECT_TRUE(doc->Modified());
    auto dir = std::filesystem::temp_directory_path() / "kovelund-docx-test";
    std::filesystem::create_directories(dir);
    doc->SaveAs(dir / "neu.docx");
    EXPECT_FALSE(doc->Modified());
    EXPECT_EQ(doc->Path(), dir / "neu.docx");
    auto neu = Document::Open(dir / "neu.docx");
    EXPECT_EQ(neu->Tables().Item(1).Cell(1, 1).Range().Text(), "Altx\r\a");
    std::string bytes = kovelund::test::Dateiinhalt(dir / "neu.docx");
    EXPECT_LT(bytes.find("[Content_Types].xml"), bytes.find("word/document.xml"));
    EXPECT_LT(bytes.find("word/document.xml"), bytes.find("word/comments.xml"));
    std::filesystem::remove_all(dir);
}

TEST(Document, AFailedSaveLeavesTheFileAsItWas) {
    auto dir = Kopie("kovelund-docx-readonly");
    auto doc = Document::Open(dir / "r.docx");
    doc->Content().InsertAfter("neu");
    std::filesystem::permissions(dir,
                                 std::filesystem::perms::owner_read | std::filesystem::perms::owner_exec);
    bool root = ::geteuid() == 0;
    if (!root) {
        try {
            doc->Save();
            ADD_FAILURE() << "saved into a read-only folder";
        } catch (const DocxError& e) {
            EXPECT_EQ(e.Nummer(), error::SaveFailed);
        }
        Unverändert(dir);
    }
    std::filesystem::permissions(dir, std::filesystem::perms::owner_all);
    EXPECT_THROW(doc->SaveAs(dir / "kein" / "ordner.docx"), DocxError);
    Unverändert(dir);
    std::filesystem::remove_all(dir);
}

TEST(Document, ReadsAndEditsDocumentsOtherProgramsWrote) {
    // Main part at another path (headers disagreeing on a time), main namespace as ns0, as default.
    for (const char* datei : {"fremd/anderer_pfad.docx", "fremd/ns0.docx", "fremd/standardnamensraum.docx"}) {
        SCOPED_TRACE(datei);
        auto doc = Öffnen(datei);
        ASSERT_EQ(doc->Comments().Count(), 1);
        Table t = doc->Tables().Item(1);
        EXPECT_EQ(t.Cell(1, 1).Range().Comments().Item(1).Text(), "0");
        EXPECT_EQ(doc->Content().Text(), "Erster Absatz\r12,50 €\r\a\r\aZweiter Absatz\r");
        t.Cell(1, 1).Range().InsertAfter(" neu");
        doc->Comments().Add(t.Cell(1, 1).Range(), "19");
        auto wieder = Wieder(*doc);
        EXPECT_EQ(wieder->Content().Text(), "Erster Absatz\r12,50 € neu\r\a\r\aZweiter Absatz\r");
        ASSERT_EQ(wieder->Comments().Count(), 2);
        EXPECT_EQ(wieder->Tables().Item(1).Cell(1, 1).Range().Comments().Count(), 2);
    }
    EXPECT_NE(Öffnen("fremd/anderer_pfad.docx")->PartXml("inhalt/haupt.xml").find("Erster Absatz"),
              std::string::npos);
}

namespace {

// A disk that is full after its first 512 bytes: writes up to there, then fails.
ssize_t VolleFestplatte(int fd, const void* data, std::size_t size) {
    off_t schon = ::lseek(fd, 0, SEEK_CUR);
    if (schon >= 512) {
        errno = ENOSPC;
        return -1;
    }
    return ::write(fd, data, std::min<std::size_t>(size, 512 - static_cast<std::size_t>(schon)));
}

} // namespace

TEST(Document, ASaveFailingAtAnyStepKeepsTheFileAndLeavesNoTemporaryFile) {
    using kovelund::docx::detail::SaveCalls;
    SaveCalls voll, schreibgeschützt, flushFehler, ordnerWeg;
    voll.write = VolleFestplatte;
    schreibgeschützt.create = [](char*) {
        errno = EROFS;
        return -1;
    };
    flushFehler.flush = [](int) {
        errno = EIO;
        return -1;
    };
    ordnerWeg.rename = [](const char*, const char*) {
        errno = ENOENT;
        return -1;
    };
    const std::pair<SaveCalls, const char*> fälle[] = {
        {voll, "cannot write the temporary file (No space left on device)"},
        {schreibgeschützt, "cannot create a temporary file (Read-only file system)"},
        {flushFehler, "cannot flush the temporary file (Input/output error)"},
        {ordnerWeg, "cannot replace the file (No such file or directory)"},
    };
    auto dir = Kopie("kovelund-docx-fehler");
    auto doc = Document::Open(dir / "r.docx");
    doc->Content().InsertAfter(std::string(4000, 'x'));
    ASSERT_GT(doc->Bytes().size(), 1024u);
    for (const auto& [calls, meldung] : fälle) {
        SCOPED_TRACE(meldung);
        try {
            kovelund::docx::detail::WriteAtomically(dir / "r.docx", doc->Bytes(), calls);
            ADD_FAILURE() << "saved";
        } catch (const DocxError& e) {
            EXPECT_EQ(e.Nummer(), error::SaveFailed);
            EXPECT_NE(std::string(e.what()).find(meldung), std::string::npos) << e.what();
        }
        Unverändert(dir);
    }
    // Work that must end before the file is replaced runs once the new file is flushed; when it
    // fails, the old file stays and the new one is gone.
    bool neueDateiDa = false;
    EXPECT_THROW(doc->SaveAs(dir / "r.docx",
                             [&] {
                                 neueDateiDa = std::distance(std::filesystem::directory_iterator(dir),
                                                             std::filesystem::directory_iterator()) == 2;
                                 throw std::runtime_error("history full");
                             }),
                 std::runtime_error);
    EXPECT_TRUE(neueDateiDa);
    Unverändert(dir);
    // A real limit on file size: the kernel refuses the write as a full disk would.
    auto alterSignal = std::signal(SIGXFSZ, SIG_IGN);
    rlimit alt{};
    ::getrlimit(RLIMIT_FSIZE, &alt);
    rlimit klein = alt;
    klein.rlim_cur = 1024;
    ::setrlimit(RLIMIT_FSIZE, &klein);
    EXPECT_THROW(doc->Save(), DocxError);
    ::setrlimit(RLIMIT_FSIZE, &alt);
    std::signal(SIGXFSZ, alterSignal);
    Unverändert(dir);
    EXPECT_TRUE(doc->Modified());
    // The folder vanishes while the document is open.
    std::filesystem::remove_all(dir);
    try {
        doc->Save();
        ADD_FAILURE() << "saved into a vanished folder";
    } catch (const DocxError& e) {
        EXPECT_NE(std::string(e.what()).find("No such file or directory"), std::string::npos) << e.what();
    }
}

TEST(Document, BookmarksAreNamedPlacesAndTheirListSettingsDoNothing) {
    auto doc = Öffnen("vorlage.docx");
    Table t = doc->Tables().Item(1);
    t.Cell(1, 5).Select();
    doc->Bookmarks().SetDefaultSorting(0);
    doc->Bookmarks().SetShowHidden(true);
    doc->Bookmarks().Add("Kovelund_1", doc->Application().Selection().Range());
    t.Cell(1, 5).Range().Bookmarks().Add("Kovelund_1");
    EXPECT_THROW(doc->Bookmarks().Add("1x", t.Range()), DocxError);
    auto wieder = Wieder(*doc);
    EXPECT_EQ(wieder->Bookmarks().Count(), 1);
    EXPECT_TRUE(wieder->Bookmarks().Exists("kovelund_1"));
    EXPECT_EQ(wieder->Bookmarks().Item("Kovelund_1").Text(), "");
    EXPECT_EQ(wieder->Tables().Item(1).Cell(1, 5).Range().Comments().Item(1).Text(), "Kovelund_1");
    EXPECT_THROW(wieder->Bookmarks().Item("fehlt"), DocxError);
}

TEST(Document, CentimetresArePointsUnrounded) {
    auto doc = Öffnen("leer.docx");
    EXPECT_DOUBLE_EQ(doc->Application().CentimetersToPoints(2.54), 72.0);
    EXPECT_NEAR(doc->Application().CentimetersToPoints(5.6), 158.740157, 1e-6);
}

TEST(Document, ReadsAnInvoiceThatLibreOfficeWrote) {
    // The engine's own invoice (statement, summary table, marks, payment box) saved again by LibreOffice.
    auto doc = Öffnen("libreoffice.docx");
    ASSERT_EQ(doc->Comments().Count(), 6);
    EXPECT_EQ(doc->Comments().Item(2).Text(), "0");
    EXPECT_EQ(doc->Comments().Item(2).Scope().Text(), "  120,00 €");
    EXPECT_EQ(doc->Comments().Item(5).Scope().Text(), "     170,00 € ");
    Table t = doc->Tables().Item(1);
    EXPECT_EQ(t.Cell(2, 2).Range().Text(), "Ihr Anteil 500/1000\r50 %\vzweite Zeile\tTab\r\a");
    EXPECT_EQ(t.Cell(1, 5).Range().Comments().Item(1).Text(), "Kovelund_1");
    EXPECT_EQ(t.Cell(2, 5).Range().Comments().Item(1).Text(), "0");
    EXPECT_EQ(t.Cell(3, 5).Range().Comments().Count(), 0);
    EXPECT_EQ(doc->Tables().Item(2).Range().Comments().Item(1).Text(), "RE_Summe");
    ASSERT_TRUE(doc->Shapes().Find("Zahlungsziel"));
    EXPECT_EQ(doc->Shapes().Find("Zahlungsziel")->Text(), "Zahlbar bis zum  15.03.2024 .");
}

TEST(Document, InputsTheFuzzerFoundAreHandled) {
    // Each once broke the engine; opening and editing must now either work or throw DocxError.
    int geprüft = 0;
    for (const auto& eintrag : std::filesystem::directory_iterator(Datei("fuzz"))) {
        ++geprüft;
        try {
            auto doc = Document::Open(eintrag.path());
            for (Comment c : doc->Comments())
                c.Scope().SetText("  1,00 € ");
            if (doc->Tables().Count() > 0) {
                Table t = doc->Tables().Item(1);
                t.Columns().Item(1).SetWidth(20, 0);
                doc->Tables().Add(t.Delete(), 2, 2).Cell(1, 1).Range().InsertAfter("x\ry");
            }
            Range ende = doc->Content();
            ende.Collapse(CollapseEnd);
            doc->Tables().Add(ende, 1, 1);
            EXPECT_FALSE(doc->Bytes().empty());
        } catch (const DocxError&) {
        }
    }
    EXPECT_GE(geprüft, 1);
}
