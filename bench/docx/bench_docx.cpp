// The document engine on a large invoice: 200 fee tables of 20 x 8 cells (about 50 pages), each
// marked on cell (1, 5) and with tax marks on some amounts, built through the engine itself.
#include "platform/docx/Document.h"

#include <benchmark/benchmark.h>

#include <filesystem>
#include <map>
#include <optional>
#include <string>

using namespace kovelund::docx;

namespace {

std::filesystem::path Vorlage() {
    return std::filesystem::path(KOVELUND_TEST_DATA) / "docx" / "vorlage.docx";
}

Range AmEnde(Document& doc) {
    Range r = doc.Content();
    r.Collapse(CollapseEnd);
    r.InsertParagraphAfter();
    r.Collapse(CollapseEnd);
    return r;
}

void Gebührentabelle(Document& doc, const Range& wo, int nummer) {
    Table t = doc.Tables().Add(wo, 20, 8);
    t.Cell(1, 1).Range().InsertAfter("Zerlegung / Sonderung");
    for (int r = 2; r <= 20; ++r) {
        std::string zeile = std::to_string(r);
        t.Cell(r, 1).Range().InsertAfter(std::string("15.1.").append(zeile));
        t.Cell(r, 2).Range().InsertAfter("Grenzpunkt");
        t.Cell(r, 3).Range().InsertAfter(zeile + " Stück");
        t.Cell(r, 4).Range().InsertAfter("x      61,00 €");
        t.Cell(r, 5).Range().InsertAfter(std::string("   ").append(std::to_string(61 * r)).append(",00 €"));
        if (r % 7 == 0) t.Cell(r, 5).Range().Comments().Add(t.Cell(r, 5).Range(), "0");
    }
    t.Cell(1, 5).Range().Comments().Add(t.Cell(1, 5).Range(),
                                        std::string("Kovelund_").append(std::to_string(nummer % 6 + 1)));
}

// The invoice with `tabellen` fee tables, as bytes; built once per size.
const std::string& Rechnung(int tabellen) {
    static std::map<int, std::string> fertig;
    auto& bytes = fertig[tabellen];
    if (bytes.empty()) {
        auto doc = Document::Open(Vorlage());
        for (int i = 0; i < tabellen; ++i)
            Gebührentabelle(*doc, AmEnde(*doc), i);
        bytes = doc->Bytes();
    }
    return bytes;
}

void OpenAndSave(benchmark::State& state) {
    const std::string& bytes = Rechnung(static_cast<int>(state.range(0)));
    auto ziel = std::filesystem::temp_directory_path() / "kovelund-bench.docx";
    for (auto _ : state) {
        auto doc = Document::Open(bytes, ziel);
        doc->Tables().Item(1).Cell(1, 2).Range().InsertAfter("x");
        doc->Save();
    }
    std::filesystem::remove(ziel);
    state.counters["bytes"] = static_cast<double>(bytes.size());
}

void Column5WithComments(benchmark::State& state) {
    const std::string& bytes = Rechnung(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        state.PauseTiming();
        auto doc = Document::Open(bytes, "bench.docx");
        state.ResumeTiming();
        std::size_t gelesen = 0;
        for (Table t : doc->Tables())
            for (int r = 1; r <= t.Rows().Count(); ++r) {
                gelesen += t.Cell(r, 5).Range().Text().size();
                CommentsInRange c = t.Cell(r, 5).Range().Comments();
                if (c.Count() > 0) gelesen += c.Item(1).Text().size();
            }
        benchmark::DoNotOptimize(gelesen);
    }
    state.SetComplexityN(state.range(0));
}

void InsertStatementAndSave(benchmark::State& state) {
    const std::string& bytes = Rechnung(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        auto doc = Document::Open(bytes, "bench.docx");
        std::optional<Range> anker;
        for (Comment c : doc->Comments()) {
            if (c.Text() != "vamoStart") continue;
            Range r = c.Reference();
            r.Collapse(CollapseStart);
            r.MoveStart(UnitWord, -1);
            r.InsertParagraphBefore();
            r.Collapse(CollapseStart);
            anker = r;
        }
        Gebührentabelle(*doc, *anker, 0);
        benchmark::DoNotOptimize(doc->Bytes());
    }
}

} // namespace

BENCHMARK(OpenAndSave)->Arg(3)->Arg(200)->Unit(benchmark::kMillisecond);
BENCHMARK(Column5WithComments)->Arg(50)->Arg(100)->Arg(200)->Unit(benchmark::kMillisecond)->Complexity();
BENCHMARK(InsertStatementAndSave)->Arg(3)->Arg(200)->Unit(benchmark::kMillisecond);
