#pragma once
// A real invoice and host database for one test: the sample written by `kovelund init` into a
// fresh directory, opened as a host would, and handed to the order context.

#include "Protokoll.h"
#include "component/Auftragskontext.h"
#include "host/Vorlage.h"
#include "platform/dao/Database.h"
#include "platform/dao/Recordset.h"
#include "platform/dao/Workspace.h"
#include "platform/docx/Document.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <string>

namespace kovelund::test {

class Rechnungsumgebung {
public:
    Rechnungsumgebung() {
        auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
        verzeichnis =
            std::filesystem::temp_directory_path() / "kovelund-test-rechnung" /
            (std::string(info->test_suite_name()) + "." + info->name() + "." + std::to_string(::getpid()));
        std::filesystem::remove_all(verzeichnis);
        Initialisieren(verzeichnis);
        doc = docx::Document::Open(verzeichnis / "Rechnung.docx");
        db = dao::Workspace().OpenDatabase((verzeichnis / "host.sqlite").string());
        Auftrag() = Auftragskontext{};
        Auftrag().Doc = doc;
        Auftrag().NeueAbfrage = db;
        Auftrag().Mehrwertsteuersatz = 19;
        Auftrag().AbschlagProzent = 100;
    }
    ~Rechnungsumgebung() {
        Auftrag() = Auftragskontext{};
        std::filesystem::remove_all(verzeichnis);
    }
    Rechnungsumgebung(const Rechnungsumgebung&) = delete;
    Rechnungsumgebung& operator=(const Rechnungsumgebung&) = delete;

    /// Hands the invoice record `id` to the order context, as Show does.
    std::shared_ptr<dao::Recordset> Rechnung(int id) {
        auto r = db->OpenRecordset("SELECT * FROM Rechnung WHERE ID_Rechnungsnummer = " + std::to_string(id));
        Auftrag().Rechnung = r;
        return r;
    }

    /// The invoice record as the database holds it now.
    std::shared_ptr<dao::Recordset> Gespeichert(int id) {
        return db->OpenRecordset("SELECT * FROM Rechnung WHERE ID_Rechnungsnummer = " + std::to_string(id));
    }

    /// Saves and reopens the invoice, so tests read what the file holds.
    void NeuLaden() {
        doc->Save();
        doc = docx::Document::Open(verzeichnis / "Rechnung.docx");
        Auftrag().Doc = doc;
    }

    Protokoll log;
    std::filesystem::path verzeichnis;
    std::shared_ptr<docx::Document> doc;
    std::shared_ptr<dao::Database> db;
};

} // namespace kovelund::test
