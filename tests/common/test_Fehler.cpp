#include "Protokoll.h"
#include "common/Fehler.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <regex>

using namespace kovelund;

TEST(FehlerProtokollieren, WritesTheRecordByteForByte) {
    test::Protokoll log;
    Fehlerbereich fehler{"Rechnung", "Show"};
    EXPECT_FALSE(fehler([] { throw Fehler(3021, "No current record."); }));
    std::string text = log.Text();
    std::regex satz("\\d{1,2}\\.\\d{1,2}\\.\\d\\d \\d\\d:\\d\\d   Error 3021: \r\n"
                    "No current record\\.\r\n"
                    "Zeile: 0\r\n"
                    "Ort  : Rechnung\\.Show\r\n"
                    "User : , \r\n"
                    "\r\n");
    EXPECT_TRUE(std::regex_match(text, satz)) << text;
}

TEST(FehlerProtokollieren, RecordsFollowEachOtherAndADeletedLogIsRecreated) {
    test::Protokoll log;
    Fehlerbereich fehler{"Rechnung", "Show"};
    int weiter = 0;
    fehler([] { throw Fehler(3021, "No current record."); });
    ++weiter;
    fehler([] { throw Fehler(3265, "Item not found in this collection."); });
    ++weiter;
    EXPECT_EQ(weiter, 2) << "the routine goes on after each failed step";
    EXPECT_EQ(log.Sätze(), 2);
    EXPECT_NE(log.Text().find("Error 3265: \r\nItem not found"), std::string::npos);

    std::filesystem::remove(log.Datei());
    fehler([] { throw Fehler(13, "Type mismatch"); });
    EXPECT_EQ(log.Sätze(), 1);
}

TEST(Fehlerbereich, IgnoringScopesAndForeignExceptions) {
    test::Protokoll log;
    Fehlerbereich still{"GebührenTabelle", "SummeBilden", Fehlerbereich::Art::Ignorieren};
    EXPECT_FALSE(still([] { throw Fehler(5, "x"); }));
    EXPECT_EQ(log.Sätze(), 0);

    Fehlerbereich fehler{"modStatus", "Gebührenstaffel1"};
    EXPECT_TRUE(fehler([] {}));
    fehler([] { throw std::runtime_error("kaputt"); });
    fehler([] { throw 42; });
    EXPECT_EQ(log.Sätze(), 2);
    EXPECT_NE(log.Text().find("Error 5: \r\nkaputt\r\n"), std::string::npos);
}

TEST(FehlerProtokollieren, AnUnwritableLogLosesTheRecordSilently) {
    test::Protokoll log;
    ::setenv("KOVELUND_LOG_DIR", "/proc/kovelund-nowhere", 1);
    Fehlerbereich fehler{"Rechnung", "Show"};
    EXPECT_FALSE(fehler([] { throw Fehler(3024, "Could not find file."); }));
}

TEST(Teilen, DivisionByZeroFailsInsteadOfGivingInfinity) {
    EXPECT_EQ(Teilen(1, 4), 0.25);
    try {
        Teilen(500, 0);
        FAIL();
    } catch (const Fehler& f) {
        EXPECT_EQ(f.Nummer(), 11);
    }
    try {
        Teilen(0, 0);
        FAIL();
    } catch (const Fehler& f) {
        EXPECT_EQ(f.Nummer(), 6);
    }
}
