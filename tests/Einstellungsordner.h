#pragma once
// An empty settings store for one test: points XDG_CONFIG_HOME at a fresh directory and restores
// what it was afterwards, so later tests of the same program keep their own store.

#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <string>

namespace kovelund::test {

class Einstellungsordner {
public:
    explicit Einstellungsordner(const std::string& name)
        : verzeichnis(std::filesystem::temp_directory_path() / (name + "." + std::to_string(::getpid()))) {
        const char* alt = std::getenv("XDG_CONFIG_HOME");
        vorher_ = alt != nullptr ? alt : "";
        std::filesystem::remove_all(verzeichnis);
        ::setenv("XDG_CONFIG_HOME", verzeichnis.c_str(), 1);
    }
    ~Einstellungsordner() {
        if (vorher_.empty())
            ::unsetenv("XDG_CONFIG_HOME");
        else
            ::setenv("XDG_CONFIG_HOME", vorher_.c_str(), 1);
        std::filesystem::remove_all(verzeichnis);
    }
    Einstellungsordner(const Einstellungsordner&) = delete;
    Einstellungsordner& operator=(const Einstellungsordner&) = delete;

    const std::filesystem::path verzeichnis;

private:
    std::string vorher_;
};

} // namespace kovelund::test
