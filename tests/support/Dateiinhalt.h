#pragma once
// A file's bytes, for tests that compare what is on disk before and after a step.

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

namespace kovelund::test {

/// The whole file as it is on disk; empty when it cannot be read.
inline std::string Dateiinhalt(const std::filesystem::path& datei) {
    std::ifstream f(datei, std::ios::binary);
    std::stringstream s;
    s << f.rdbuf();
    return s.str();
}

} // namespace kovelund::test
