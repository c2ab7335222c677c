#pragma once
// The order context: the one process-wide record of what the host told the component about the
// current job and invoice.

#include <cstdint>
#include <memory>
#include <string>

namespace kovelund {

namespace dao {
class Database;
class Recordset;
class Workspace;
} // namespace dao
namespace docx {
class Application;
class Document;
} // namespace docx

/// The facts of the job (set through KV's properties), the host's main window and invoice record
/// (set by Show) and the invoice settings of the user's TempDoc record (loaded by Show). It starts
/// with 0, false, empty texts and empty references and is never cleared.
struct Auftragskontext {
    std::string Flurstücksnummer;
    double Fläche = 0;
    double Bodenwert = 0;
    std::string Lage;
    double Baukosten = 0;
    std::int16_t Achslänge = 0;
    std::int32_t Grenzlänge = 0;
    std::int16_t Flurstücke = 0;
    std::int16_t AnzahlGrenzpunkte = 0;
    std::shared_ptr<docx::Document> Doc;
    /// The application object of Doc; shares Doc's lifetime.
    std::shared_ptr<docx::Application> Anwendung;
    std::int32_t ID_Benutzer = 0;
    /// The host's own open database, on which the totals run their queries.
    std::shared_ptr<dao::Database> NeueAbfrage;
    std::string DatenbankPfad;
    std::shared_ptr<dao::Workspace> VamoWorkspace;

    std::int32_t hWndMDI = 0;
    /// The host's invoice record, positioned on the invoice.
    std::shared_ptr<dao::Recordset> Rechnung;

    std::int32_t ID_Auftragsnummer = 0;
    bool MeßtruppZusammenfassen = false;
    std::int32_t ID_Lieferschein = 0;
    double AbschlagAbsolut = 0;
    std::int16_t AbschlagProzent = 0;
    bool Zahlungsziel = false;
    std::int16_t Mehrwertsteuersatz = 0;
    std::int16_t Preisgruppe1 = 0;
    std::int16_t Preisgruppe2 = 0;
    std::int16_t Preisgruppe3 = 0;
    std::int16_t Preisgruppe4 = 0;
    std::int16_t Mehrwertsteuer = 0;
    std::int16_t MwStErmäßigt = 0;
    std::int16_t Rabatt = 0;
};

/// The order context of the process. KV's properties and Show write it; the windows, the statements
/// and the totals only read it (their tests may set up an order in it).
Auftragskontext& Auftrag();

} // namespace kovelund
