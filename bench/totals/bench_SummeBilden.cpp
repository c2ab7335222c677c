// The totals read every fee table of the invoice after each calculation: the time must grow with
// the number of tables, not faster.
#include "component/Auftragskontext.h"
#include "document/Abrechnungstabelle.h"
#include "host/Vorlage.h"
#include "platform/dao/Database.h"
#include "platform/dao/Recordset.h"
#include "platform/dao/Workspace.h"
#include "platform/docx/Document.h"
#include "platform/docx/Table.h"
#include "totals/G_modSumme.h"
#include "totals/VV_WordAuto.h"

#include <benchmark/benchmark.h>
#include <unistd.h>

#include <filesystem>

namespace {

using namespace kovelund;
namespace fs = std::filesystem;

// An invoice with `anzahl` fee tables of 20 rows, each with amounts in column 5 and a VAT-free one.
std::string Rechnung(int anzahl) {
    fs::path dir = fs::temp_directory_path() / ("kovelund-bench-" + std::to_string(::getpid()));
    fs::remove_all(dir);
    Initialisieren(dir);
    auto doc = docx::Document::Open(dir / "Rechnung.docx");
    for (int i = 0; i < anzahl; ++i) {
        Abrechnungstabelle t(*doc, "Bench");
        t.Anlegen(t.AnkerFinden(std::nullopt), 20, 8);
        for (int zeile = 2; zeile <= 20; ++zeile)
            t.Schreiben(zeile, 5, Betragstext(10.0 * zeile));
        t.Steuerfrei(20, 5);
        BookmarkSetzen(*t.Tabelle(), "Kovelund_2");
    }
    std::string bytes = doc->Bytes();
    fs::remove_all(dir);
    return bytes;
}

void SummeBildenÜberTabellen(benchmark::State& state) {
    std::string bytes = Rechnung(static_cast<int>(state.range(0)));
    fs::path dir = fs::temp_directory_path() / ("kovelund-bench-db-" + std::to_string(::getpid()));
    fs::remove_all(dir);
    Initialisieren(dir);
    Auftrag().NeueAbfrage = dao::Workspace().OpenDatabase((dir / "host.sqlite").string());
    Auftrag().Rechnung =
        Auftrag().NeueAbfrage->OpenRecordset("SELECT * FROM Rechnung WHERE ID_Rechnungsnummer = 17");
    Auftrag().Mehrwertsteuersatz = 19;
    Auftrag().AbschlagProzent = 100;
    for (auto _ : state) {
        state.PauseTiming();
        Auftrag().Doc = docx::Document::Open(bytes, "bench.docx");
        state.ResumeTiming();
        SummeBilden(true);
    }
    state.SetComplexityN(state.range(0));
    Auftrag() = Auftragskontext{};
    fs::remove_all(dir);
}
BENCHMARK(SummeBildenÜberTabellen)->Arg(50)->Arg(100)->Arg(200)->Unit(benchmark::kMillisecond)->Complexity();

} // namespace
