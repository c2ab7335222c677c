#pragma once
// A fresh error log for one test: points KOVELUND_LOG_DIR at an empty directory and reads back
// what the code under test logged.

#include "common/Fehler.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

namespace kovelund::test {

class Protokoll {
public:
    Protokoll() {
        auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
        verzeichnis_ =
            std::filesystem::temp_directory_path() / "kovelund-test-logs" /
            (std::string(info->test_suite_name()) + "." + info->name() + "." + std::to_string(::getpid()));
        std::filesystem::remove_all(verzeichnis_);
        std::filesystem::create_directories(verzeichnis_);
        alt_ = std::getenv("KOVELUND_LOG_DIR") ? std::getenv("KOVELUND_LOG_DIR") : "";
        ::setenv("KOVELUND_LOG_DIR", verzeichnis_.c_str(), 1);
    }
    ~Protokoll() {
        ::setenv("KOVELUND_LOG_DIR", alt_.c_str(), 1);
        std::filesystem::remove_all(verzeichnis_);
    }
    Protokoll(const Protokoll&) = delete;
    Protokoll& operator=(const Protokoll&) = delete;

    std::filesystem::path Datei() const { return verzeichnis_ / "VamoVerw.log"; }

    std::string Text() const {
        std::ifstream f(Datei(), std::ios::binary);
        std::stringstream inhalt;
        inhalt << f.rdbuf();
        return inhalt.str();
    }

    /// The number of records this test's log holds.
    int Sätze() const { return Protokollsätze(); }

private:
    std::filesystem::path verzeichnis_;
    std::string alt_;
};

} // namespace kovelund::test
