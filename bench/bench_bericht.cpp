// Cost of a whole report at the largest inputs, against the floor that no implementation can
// skip (reading the lists and writing the raw list).

#include <benchmark/benchmark.h>

#include "Arbeitslasten.h"
#include "base/Speicher.h"

namespace {

using zvbench::Werte;

void Bericht(benchmark::State& state, bool zweidimensional, Werte art, bool alle,
             bool tabellen = false) {
    const int n = static_cast<int>(state.range(0));
    const zv::Steuerzustand zustand = zvbench::Zustand(zweidimensional, n, art, alle, tabellen);
    zv::clsRechenlauf lauf(",");
    std::size_t laenge = 0;
    for (auto _ : state) {
        const zv::Laufergebnis ergebnis = lauf.cmdCalculate_Click(zustand);
        laenge = ergebnis.txtAusgabe.size();
        benchmark::DoNotOptimize(ergebnis.txtAusgabe.data());
    }
    state.counters["bytes"] = static_cast<double>(laenge);
}

void Registrieren(const char* name, bool zweidimensional, Werte art,
                  std::vector<int64_t> groessen) {
    for (bool alle : {true, false}) {
        const std::string voll = std::string(name) + (alle ? "" : "_floor");
        auto* b = benchmark::RegisterBenchmark(
            voll.c_str(), [=](benchmark::State& s) { Bericht(s, zweidimensional, art, alle); });
        for (int64_t g : groessen) b->Arg(g);
        b->Unit(benchmark::kMillisecond)->MinTime(0.5);
    }
}

// The whole report with every section's calculation table, beside the same without them.
void MitTabellenRegistrieren(const char* name, bool zweidimensional, Werte art) {
    const std::string voll = std::string(name) + "_tabellen";
    benchmark::RegisterBenchmark(
        voll.c_str(), [=](benchmark::State& s) { Bericht(s, zweidimensional, art, true, true); })
        ->Arg(32767)
        ->Unit(benchmark::kMillisecond)
        ->MinTime(0.5);
}

const int kRegistriert = [] {
    Registrieren("W1_ganz", false, Werte::Ganz, {8191, 32767});
    Registrieren("W1_dezimal", false, Werte::Dezimal, {8191, 32767});
    Registrieren("W2", true, Werte::Ganz, {8191, 32767});
    Registrieren("W3", true, Werte::Ganz, {4000});
    MitTabellenRegistrieren("W1_ganz", false, Werte::Ganz);
    MitTabellenRegistrieren("W1_dezimal", false, Werte::Dezimal);
    MitTabellenRegistrieren("W2", true, Werte::Ganz);
    return 0;
}();

}  // namespace

// The programs' own memory settings, so the figures are those of the window and the tool.
int main(int argc, char** argv) {
    zv::SpeicherEinrichten();
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
