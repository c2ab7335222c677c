// Sessions on documents other programs wrote: the ones made here always, the shared collection of
// real-world documents when this machine has it. Each must take a session, keep every paragraph of
// its text in order, and open again after saving.
#include "host/Sitzung.h"
#include "host/Vorlage.h"
#include "platform/docx/Document.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

namespace fs = std::filesystem;
using namespace kovelund;

namespace {

// The main text's paragraphs (cell ends removed), empty ones left out.
std::vector<std::string> Absätze(docx::Document& doc) {
    std::vector<std::string> absätze;
    std::string text = doc.Content().Text(), absatz;
    for (char c : text) {
        if (c == '\r') {
            if (!absatz.empty()) absätze.push_back(absatz);
            absatz.clear();
        } else if (c != '\a') {
            absatz += c;
        }
    }
    if (!absatz.empty()) absätze.push_back(absatz);
    return absätze;
}

// The first paragraph of `vorher` that `nachher` lost or moved out of order; empty when none.
std::string Verloren(const std::vector<std::string>& vorher, const std::vector<std::string>& nachher) {
    auto weiter = nachher.begin();
    for (const std::string& absatz : vorher) {
        weiter = std::find(weiter, nachher.end(), absatz);
        if (weiter == nachher.end()) return absatz;
        ++weiter;
    }
    return {};
}

class Fremddokumente : public ::testing::Test {
protected:
    void SetUp() override {
        dir = fs::temp_directory_path() / ("kovelund-fremd-" + std::to_string(::getpid()));
        fs::remove_all(dir);
        Initialisieren(dir);
    }
    void TearDown() override { fs::remove_all(dir); }

    // Plays a category 2 session on a copy of `datei`; the failures name the file.
    void Spielen(const fs::path& datei) {
        SCOPED_TRACE(datei.string());
        fs::path kopie = dir / "Rechnung.docx";
        fs::copy_file(datei, kopie, fs::copy_options::overwrite_existing);
        std::vector<std::string> vorher = Absätze(*docx::Document::Open(kopie));
        Sitzungsauftrag auftrag{fs::path(KOVELUND_EXAMPLES) / "frmKat2-voll.json",
                                kopie,
                                dir / "host.sqlite",
                                {},
                                std::nullopt,
                                {}};
        Sitzungsbericht bericht;
        ASSERT_NO_THROW(bericht = SitzungSpielen(auftrag));
        EXPECT_TRUE(bericht.gespeichert);
        std::shared_ptr<docx::Document> wieder;
        ASSERT_NO_THROW(wieder = docx::Document::Open(kopie));
        EXPECT_EQ(Verloren(vorher, Absätze(*wieder)), "");
        EXPECT_GE(wieder->Tables().Count(), 1);
    }

    fs::path dir;
};

} // namespace

TEST_F(Fremddokumente, TheOnesMadeHereTakeASession) {
    int gespielt = 0;
    for (const auto& eintrag : fs::directory_iterator(fs::path(KOVELUND_TEST_DATA) / "docx" / "fremd")) {
        Spielen(eintrag.path());
        ++gespielt;
    }
    EXPECT_EQ(gespielt, 3);
}

TEST_F(Fremddokumente, TheSharedCollectionTakesASession) {
    fs::path sammlung = "/work/shared/corpus/foreign-docx";
    if (!fs::is_directory(sammlung)) GTEST_SKIP() << sammlung << " is not on this machine";
    int gespielt = 0;
    for (const auto& eintrag : fs::directory_iterator(sammlung))
        if (eintrag.path().extension() == ".docx") {
            Spielen(eintrag.path());
            ++gespielt;
        }
    EXPECT_GT(gespielt, 0);
}
