// The lock on an invoice: what office programs leave beside a document is respected, Kovelund's own
// lock reads as LibreOffice's, a dead process's lock is taken over, and of many takers one wins.
#include "platform/datei/Ordner.h"
#include "platform/datei/Sperre.h"
#include "support/Dateiinhalt.h"

#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <fstream>
#include <sstream>

using namespace kovelund;
using namespace kovelund::datei;
namespace fs = std::filesystem;

namespace {

/// A process id that no longer runs: a child that has exited and been reaped.
long ToterProzess() {
    pid_t kind = ::fork();
    if (kind == 0) ::_exit(0);
    ::waitpid(kind, nullptr, 0);
    return static_cast<long>(kind);
}

Gesperrt Abgewiesen(const fs::path& dokument) {
    try {
        Sperre::Nehmen(dokument);
    } catch (const Gesperrt& g) {
        return g;
    }
    ADD_FAILURE() << "the lock was granted";
    return Gesperrt(dokument, {});
}

// A folder with an invoice and the path of its lock file as LibreOffice names it.
class Rechnung : public ::testing::Test {
protected:
    test::Ordner ordner;
    fs::path dokument = ordner.Schreiben("Rechnung.docx", "x");
    fs::path sperrdatei = ordner.pfad / ".~lock.Rechnung.docx#";
};

} // namespace

TEST(Sperrdatei, LinesReadAsLibreOfficeWritesThem) {
    auto lo = LibreOfficeLesen(",anna,pc-12,07.12.2026 09:15,file:///home/anna/.config/libreoffice/4;");
    ASSERT_TRUE(lo);
    EXPECT_EQ(lo->benutzer, "anna");
    EXPECT_EQ(lo->rechner, "pc-12");
    EXPECT_EQ(lo->programm, "LibreOffice");
    EXPECT_FALSE(lo->prozess);
    EXPECT_EQ(Beschreibung(*lo), "anna (anna@pc-12, LibreOffice, since 07.12.2026 09:15)");

    Inhaber i{"Berg, Anna; Büro\\2", "anna", "pc-12", "07.12.2026 09:15", "Kovelund", 4711};
    auto zurück = LibreOfficeLesen(LibreOfficeZeile(i));
    ASSERT_TRUE(zurück);
    EXPECT_EQ(zurück->name, i.name);
    EXPECT_EQ(zurück->prozess, 4711);
    EXPECT_EQ(zurück->programm, "Kovelund");

    EXPECT_FALSE(LibreOfficeLesen(""));
    EXPECT_FALSE(LibreOfficeLesen("no lock line"));
    EXPECT_FALSE(LibreOfficeLesen(",a,b,c,kovelund:12x;")->prozess);
}

TEST(Sperrdatei, WordOwnerFilesByTheirShortenedNames) {
    auto namen = [](const char* d) {
        std::vector<std::string> n;
        for (const auto& p : WordBesitzdateien(d))
            n.push_back(p.filename().string());
        return n;
    };
    EXPECT_EQ(namen("/x/Rechnung.docx"), (std::vector<std::string>{"~$Rechnung.docx", "~$chnung.docx"}));
    EXPECT_EQ(namen("/x/Angebot.docx"), (std::vector<std::string>{"~$Angebot.docx", "~$ngebot.docx"}));
    EXPECT_EQ(namen("/x/Brief.docx"), (std::vector<std::string>{"~$Brief.docx"}));

    std::string inhalt = "\x06J\xfc"
                         "rgen";
    inhalt.resize(162, ' ');
    EXPECT_EQ(WordLesen(inhalt).name, "Jürgen");
    EXPECT_EQ(WordLesen("").name, "");
}

TEST_F(Rechnung, HeldFromTakingToReleaseAndSeenAsLibreOfficeSeesIt) {
    {
        Sperre sperre = Sperre::Nehmen(dokument);
        EXPECT_TRUE(sperre.Gehalten());
        auto zeile = LibreOfficeLesen(kovelund::test::Dateiinhalt(sperrdatei));
        ASSERT_TRUE(zeile);
        EXPECT_EQ(zeile->prozess, static_cast<long>(::getpid()));
        EXPECT_EQ(zeile->rechner, DieserProzess().rechner);

        // A second session, even in this process, is turned away naming the holder.
        Gesperrt g = Abgewiesen(dokument);
        EXPECT_EQ(g.Nummer(), 70);
        EXPECT_EQ(g.Halter().programm, "Kovelund");
        ASSERT_TRUE(Sperre::Halter(dokument));

        Sperre verschoben = std::move(sperre);
        EXPECT_FALSE(sperre.Gehalten());
        EXPECT_TRUE(fs::exists(sperrdatei));
    }
    EXPECT_FALSE(fs::exists(sperrdatei));
    EXPECT_FALSE(Sperre::Halter(dokument));
    EXPECT_EQ(std::distance(fs::directory_iterator(ordner.pfad), fs::directory_iterator()), 1);
}

TEST_F(Rechnung, OfficeProgramsLocksAreRespected) {
    std::string lo = ",anna,pc-12,07.12.2026 09:15,file:///home/anna/.config/libreoffice/4;";
    ordner.Schreiben(sperrdatei.filename(), lo);
    Gesperrt g = Abgewiesen(dokument);
    EXPECT_EQ(g.Halter().benutzer, "anna");
    EXPECT_NE(std::string(g.what()).find("'Rechnung.docx' is locked by anna (anna@pc-12, LibreOffice"),
              std::string::npos)
        << g.what();
    EXPECT_EQ(kovelund::test::Dateiinhalt(sperrdatei), lo);

    fs::remove(sperrdatei);
    ordner.Schreiben("~$chnung.docx", std::string("\x0aJens Ro\xdf") + "le" + std::string(150, ' '));
    EXPECT_EQ(Abgewiesen(dokument).Halter().name, "Jens Roßle");
    EXPECT_FALSE(fs::exists(sperrdatei));

    // A lock file nobody can read still holds the document.
    fs::remove(ordner.pfad / "~$chnung.docx");
    ordner.Schreiben(sperrdatei.filename(), "");
    EXPECT_EQ(Abgewiesen(dokument).Halter().programm, "an unreadable lock file");
}

TEST_F(Rechnung, ADeadProcessesLockOnThisMachineIsTakenOverOthersAreNot) {
    Inhaber tot = DieserProzess();
    tot.prozess = ToterProzess();
    ordner.Schreiben(sperrdatei.filename(), LibreOfficeZeile(tot));
    EXPECT_FALSE(Sperre::Halter(dokument));
    {
        Sperre sperre = Sperre::Nehmen(dokument);
        EXPECT_EQ(LibreOfficeLesen(kovelund::test::Dateiinhalt(sperrdatei))->prozess,
                  static_cast<long>(::getpid()));
    }
    Inhaber anderswo = tot;
    anderswo.rechner = "anderer-rechner";
    ordner.Schreiben(sperrdatei.filename(), LibreOfficeZeile(anderswo));
    EXPECT_EQ(Abgewiesen(dokument).Halter().rechner, "anderer-rechner");
}

TEST_F(Rechnung, AReleaseLeavesALockFileThatIsNoLongerItsOwn) {
    Sperre sperre = Sperre::Nehmen(dokument);
    std::string fremd = ",anna,pc-12,07.12.2026 09:15,;";
    ordner.Schreiben(sperrdatei.filename(), fremd);
    sperre.Freigeben();
    EXPECT_EQ(kovelund::test::Dateiinhalt(sperrdatei), fremd);
}

TEST_F(Rechnung, OfManyProcessesTakingAtOnceExactlyOneHoldsTheLock) {
    Inhaber tot = DieserProzess();
    tot.prozess = ToterProzess();
    // A stale lock to take over makes the race harder: every taker tries to remove it.
    ordner.Schreiben(sperrdatei.filename(), LibreOfficeZeile(tot));
    int rohr[2];
    ASSERT_EQ(::pipe(rohr), 0);
    constexpr int prozesse = 8;
    std::vector<pid_t> kinder;
    for (int i = 0; i < prozesse; ++i) {
        pid_t kind = ::fork();
        if (kind == 0) {
            char start;
            ::read(rohr[0], &start, 1);
            int gehalten = 0;
            try {
                Sperre s = Sperre::Nehmen(dokument);
                gehalten = 1;
                ::usleep(200000);
            } catch (const Gesperrt&) {
            }
            ::_exit(gehalten);
        }
        kinder.push_back(kind);
    }
    ASSERT_EQ(::write(rohr[1], std::string(prozesse, 's').data(), prozesse), prozesse);
    int gewinner = 0;
    for (pid_t kind : kinder) {
        int status = 0;
        ::waitpid(kind, &status, 0);
        gewinner += WIFEXITED(status) ? WEXITSTATUS(status) : 0;
    }
    EXPECT_EQ(gewinner, 1);
    EXPECT_FALSE(fs::exists(sperrdatei));
}
