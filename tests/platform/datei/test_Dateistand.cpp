// The state of a file tells every change apart from none: content, size and time each count.
#include "platform/datei/Dateistand.h"
#include "platform/datei/Ordner.h"

#include <gtest/gtest.h>

using namespace kovelund::datei;
namespace fs = std::filesystem;

TEST(Dateistand, EveryKindOfChangeIsSeenAndNamed) {
    kovelund::test::Ordner ordner;
    fs::path datei = ordner.Schreiben("Rechnung.docx", "PK-ein-inhalt");
    Dateistand vorher = DateistandLesen(datei);
    auto zeit = fs::last_write_time(datei);
    EXPECT_TRUE(vorher.vorhanden);
    EXPECT_EQ(vorher.größe, 13u);
    EXPECT_EQ(DateistandLesen(datei), vorher);
    EXPECT_EQ(Unterschied(vorher, vorher), "");

    // Same size, same time: only the content tells.
    ordner.Schreiben("Rechnung.docx", "PK-ein-anders");
    fs::last_write_time(datei, zeit);
    Dateistand gleichGroß = DateistandLesen(datei);
    EXPECT_NE(gleichGroß, vorher);
    EXPECT_EQ(Unterschied(vorher, gleichGroß), "content");

    // Same bytes written again: only the time tells.
    ordner.Schreiben("Rechnung.docx", "PK-ein-inhalt");
    fs::last_write_time(datei, zeit + std::chrono::milliseconds(1));
    EXPECT_EQ(Unterschied(vorher, DateistandLesen(datei)), "modification time");

    ordner.Schreiben("Rechnung.docx", "PK-ein-längerer-inhalt");
    EXPECT_NE(Unterschied(vorher, DateistandLesen(datei)).find("size 13 → 23 bytes"), std::string::npos);

    fs::remove(datei);
    EXPECT_FALSE(DateistandLesen(datei).vorhanden);
    EXPECT_EQ(Unterschied(vorher, DateistandLesen(datei)), "removed");
}
