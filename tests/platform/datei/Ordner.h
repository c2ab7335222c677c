#pragma once
// A fresh temporary folder named after the running test, removed with the object.

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <string>

namespace kovelund::test {

struct Ordner {
    Ordner()
        : pfad(std::filesystem::temp_directory_path() /
               ("kovelund-datei-" + std::to_string(::getpid()) + "-" +
                ::testing::UnitTest::GetInstance()->current_test_info()->name())) {
        std::filesystem::remove_all(pfad);
        std::filesystem::create_directories(pfad);
    }
    ~Ordner() { std::filesystem::remove_all(pfad); }

    std::filesystem::path Schreiben(const std::string& name, const std::string& inhalt) const {
        std::ofstream(pfad / name, std::ios::binary) << inhalt;
        return pfad / name;
    }

    const std::filesystem::path pfad;
};

} // namespace kovelund::test
