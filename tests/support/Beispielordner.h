#pragma once
// The sample invoice and host database as `kovelund init` writes them, for one test in a fresh
// temporary folder that goes with the object.

#include <filesystem>
#include <string>

namespace kovelund::test {

class Beispielordner {
public:
    /// Writes Rechnung.docx and host.sqlite into a new folder named after the running test.
    Beispielordner();
    ~Beispielordner();
    Beispielordner(const Beispielordner&) = delete;
    Beispielordner& operator=(const Beispielordner&) = delete;

    std::filesystem::path Dokumentpfad() const { return verzeichnis / "Rechnung.docx"; }
    std::string Datenbankpfad() const { return (verzeichnis / "host.sqlite").string(); }

    /// Runs SQL statements on the database through a connection of its own.
    void Ausführen(const std::string& sql) const;

    const std::filesystem::path verzeichnis;
};

} // namespace kovelund::test
