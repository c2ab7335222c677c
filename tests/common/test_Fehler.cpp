#include "Protokoll.h"
#include "common/Fehler.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <optional>
#include <regex>
#include <string>

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

// Sets an environment variable for one test and restores it after.
class Umgebung {
public:
    Umgebung(const char* name, const char* wert) : name_(name) {
        if (const char* alt = std::getenv(name)) alt_ = alt;
        Setzen(wert);
    }
    ~Umgebung() { Setzen(alt_ ? alt_->c_str() : nullptr); }
    Umgebung(const Umgebung&) = delete;
    Umgebung& operator=(const Umgebung&) = delete;

private:
    void Setzen(const char* wert) {
        if (wert != nullptr)
            ::setenv(name_, wert, 1);
        else
            ::unsetenv(name_);
    }

    const char* name_;
    std::optional<std::string> alt_;
};

TEST(Protokollordner, BesideAProgramOfTheBuildTreeElseInTheUsersDataFolder) {
    Umgebung daten{"XDG_DATA_HOME", "/home/vermesser/daten"};
    Umgebung heim{"HOME", "/home/vermesser"};
    EXPECT_EQ(Protokollordner("/src/build/release/bin", "/src/build/release"), "/src/build/release/bin");
    EXPECT_EQ(Protokollordner("/src/build/release", "/src/build/release"), "/src/build/release");
    EXPECT_EQ(Protokollordner("/usr/bin", "/src/build/release"), "/home/vermesser/daten/kovelund");
    EXPECT_EQ(Protokollordner("/src/build/release-alt/bin", "/src/build/release"),
              "/home/vermesser/daten/kovelund")
        << "a neighbour of the build tree is not inside it";
    EXPECT_EQ(Protokollordner("/usr/lib/x86_64-linux-gnu", ""), "/home/vermesser/daten/kovelund");
}

TEST(Protokollordner, WithoutXdgDataHomeTheHomeFolderDecides) {
    Umgebung heim{"HOME", "/home/vermesser"};
    {
        Umgebung daten{"XDG_DATA_HOME", nullptr};
        EXPECT_EQ(Protokollordner("/usr/bin", "/src/build"), "/home/vermesser/.local/share/kovelund");
    }
    {
        Umgebung daten{"XDG_DATA_HOME", "relativ/daten"};
        EXPECT_EQ(Protokollordner("/usr/bin", "/src/build"), "/home/vermesser/.local/share/kovelund");
    }
    Umgebung daten{"XDG_DATA_HOME", nullptr};
    Umgebung ohneHeim{"HOME", nullptr};
    EXPECT_EQ(Protokollordner("/usr/bin", "/src/build"), "/usr/bin");
}

TEST(Protokolldatei, ATestProgramOfThisBuildLogsBesideItselfUnlessTheVariableSaysOtherwise) {
    Umgebung ohne{"KOVELUND_LOG_DIR", nullptr};
    Umgebung daten{"XDG_DATA_HOME", "/home/vermesser/daten"};
    auto programm = std::filesystem::canonical("/proc/self/exe").parent_path();
    EXPECT_EQ(std::filesystem::path(Protokolldatei()), programm / "VamoVerw.log");

    Umgebung anders{"KOVELUND_LOG_DIR", "/var/log/kovelund"};
    EXPECT_EQ(Protokolldatei(), "/var/log/kovelund/VamoVerw.log");
}
