// Formatting amounts is on every path that writes a statement or a total.
#include "common/Funktionen.h"
#include "common/Zahlen.h"

#include <benchmark/benchmark.h>

namespace {

void WertFormatierenBetrag(benchmark::State& state) {
    double betrag = 1234.567;
    for (auto _ : state) {
        benchmark::DoNotOptimize(kovelund::WertFormatieren(betrag, 8, 2));
        betrag += 0.01;
    }
}
BENCHMARK(WertFormatierenBetrag);

void CValBetrag(benchmark::State& state) {
    for (auto _ : state)
        benchmark::DoNotOptimize(kovelund::CVal("   1.234,57 €"));
}
BENCHMARK(CValBetrag);

} // namespace
