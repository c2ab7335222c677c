#include "support/Beispielordner.h"

#include "host/Vorlage.h"
#include "platform/dao/Database.h"
#include "platform/dao/Workspace.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <algorithm>

namespace kovelund::test {

namespace {

// One folder per test and process; the "/" of parameterised tests' names would leave folders behind.
std::filesystem::path Testordner() {
    auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
    std::string name = std::string(info->test_suite_name()) + "." + info->name();
    std::replace(name.begin(), name.end(), '/', '.');
    return std::filesystem::temp_directory_path() / "kovelund-test-beispiel" /
           (name + "." + std::to_string(::getpid()));
}

} // namespace

Beispielordner::Beispielordner() : verzeichnis(Testordner()) {
    std::filesystem::remove_all(verzeichnis);
    Initialisieren(verzeichnis);
}

Beispielordner::~Beispielordner() {
    std::filesystem::remove_all(verzeichnis);
}

void Beispielordner::Ausführen(const std::string& sql) const {
    dao::Workspace().OpenDatabase(Datenbankpfad())->Execute(sql);
}

} // namespace kovelund::test
