#include "support/Beispielrechnung.h"

#include "component/Auftragskontext.h"
#include "platform/dao/Database.h"
#include "platform/dao/Recordset.h"
#include "platform/dao/Workspace.h"
#include "platform/docx/Document.h"

namespace kovelund::test {

namespace {

std::string RechnungAbfrage(int id) {
    return "SELECT * FROM Rechnung WHERE ID_Rechnungsnummer = " + std::to_string(id);
}

} // namespace

Beispielrechnung::Beispielrechnung()
    : doc(docx::Document::Open(Dokumentpfad())), db(dao::Workspace().OpenDatabase(Datenbankpfad())) {
    Auftrag() = Auftragskontext{};
    Auftrag().Doc = doc;
    Auftrag().NeueAbfrage = db;
    Auftrag().Mehrwertsteuersatz = 19;
    Auftrag().AbschlagProzent = 100;
}

Beispielrechnung::~Beispielrechnung() {
    Auftrag() = Auftragskontext{};
}

std::shared_ptr<dao::Recordset> Beispielrechnung::Rechnung(int id) {
    auto rechnung = db->OpenRecordset(RechnungAbfrage(id));
    Auftrag().Rechnung = rechnung;
    return rechnung;
}

std::shared_ptr<dao::Recordset> Beispielrechnung::Gespeichert(int id) {
    return db->OpenRecordset(RechnungAbfrage(id));
}

void Beispielrechnung::NeuLaden() {
    doc->Save();
    doc = docx::Document::Open(Dokumentpfad());
    Auftrag().Doc = doc;
}

} // namespace kovelund::test
