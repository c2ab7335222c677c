#pragma once
// A host database for one test: a fresh SQLite file in its own temporary directory, built from the
// host schema with its sample data, removed with the object.

#include "platform/dao/Workspace.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

namespace kovelund::test {

class Testdatenbank {
public:
    Testdatenbank() {
        auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
        verzeichnis_ =
            std::filesystem::temp_directory_path() / "kovelund-test-db" /
            (std::string(info->test_suite_name()) + "." + info->name() + "." + std::to_string(::getpid()));
        std::filesystem::remove_all(verzeichnis_);
        std::filesystem::create_directories(verzeichnis_);
        dao::Workspace().CreateDatabase(Pfad())->Execute("BEGIN;\n" + Schema() + "\nCOMMIT;");
    }
    ~Testdatenbank() { std::filesystem::remove_all(verzeichnis_); }
    Testdatenbank(const Testdatenbank&) = delete;
    Testdatenbank& operator=(const Testdatenbank&) = delete;

    std::string Pfad() const { return (verzeichnis_ / "Vamo.db").string(); }
    std::filesystem::path Verzeichnis() const { return verzeichnis_; }

    /// Runs statements on the file through a connection of its own.
    void Ausführen(const std::string& sql) const { dao::Workspace().OpenDatabase(Pfad())->Execute(sql); }

    static std::string Schema() {
        std::ifstream datei(KOVELUND_SCHEMA, std::ios::binary);
        std::stringstream text;
        text << datei.rdbuf();
        return text.str();
    }

private:
    std::filesystem::path verzeichnis_;
};

/// The error a call fails with; a call that does not fail is a test failure.
template <class Aufruf> Fehler Fehlschlag(Aufruf&& aufruf) {
    try {
        aufruf();
    } catch (const Fehler& fehler) {
        return fehler;
    }
    ADD_FAILURE() << "the call did not fail";
    return Fehler(0, "");
}

} // namespace kovelund::test
