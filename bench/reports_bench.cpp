#include "common/file_sicuro.h"
#include "common/stampante_registrata.h"
#include "reports/file_report.h"
#include "reports/stampa_report.h"

#ifdef VANTREL_STAMPA_QT
#include "platform/qt/applicazione_qt.h"
#include "platform/qt/stampante_qt.h"
#endif

#include <benchmark/benchmark.h>
#include <filesystem>
#include <sstream>
#include <string>
#include <vector>

namespace {

using namespace vantrel;

std::vector<std::string> report(int n) {
    std::vector<std::string> righe;
    righe.reserve(static_cast<std::size_t>(n));
    for (int i = 0; i < n; ++i) {
        std::string r = " " + std::to_string(i % 4 + 1) + "2025     100.000,00   7,123  10,500 " +
                        (i % 7 == 0 ? "Conto corrente n. " : "perché spese ") + std::to_string(i);
        r.resize(139, ' ');
        righe.push_back(std::move(r));
    }
    return righe;
}

std::string percorsoBench() {
    return (std::filesystem::temp_directory_path() / "vantrel_bench.RKT").string();
}

void Salva(benchmark::State& st) {
    const auto righe = report(static_cast<int>(st.range(0)));
    const std::string path = percorsoBench();
    for (auto _ : st) {
        const std::string errore = sostituisciFile(path, contenutoReport(righe));
        if (!errore.empty()) st.SkipWithError(errore.c_str());
    }
    st.SetItemsProcessed(st.iterations() * st.range(0));
    std::filesystem::remove(path);
}
BENCHMARK(Salva)->Arg(10000)->Unit(benchmark::kMillisecond);

void Apri(benchmark::State& st) {
    const std::string path = percorsoBench();
    sostituisciFile(path, contenutoReport(report(static_cast<int>(st.range(0)))));
    for (auto _ : st) {
        auto righe = righeReport(*leggiFile(path));
        benchmark::DoNotOptimize(righe.data());
    }
    st.SetItemsProcessed(st.iterations() * st.range(0));
    std::filesystem::remove(path);
}
BENCHMARK(Apri)->Arg(10000)->Unit(benchmark::kMillisecond);

void Stampa(benchmark::State& st) {
    const auto righe = report(static_cast<int>(st.range(0)));
    std::ostringstream out;
    for (auto _ : st) {
        out.str("");
        StampanteRegistrata s(out);
        benchmark::DoNotOptimize(stampaListaRisultati(s, righe, 60));
    }
    st.SetItemsProcessed(st.iterations() * st.range(0));
}
BENCHMARK(Stampa)->Arg(10000)->Unit(benchmark::kMillisecond);

#ifdef VANTREL_STAMPA_QT
void StampaPdf(benchmark::State& st) {
    qt::assicuraApplicazioneQt();
    const auto righe = report(static_cast<int>(st.range(0)));
    const std::string path = (std::filesystem::temp_directory_path() / "vantrel_bench.pdf").string();
    {
        // The fonts are loaded once per run, before the first printout: not part of the measure.
        qt::StampanteQt s(path);
        stampaListaRisultati(s, {"Conto"}, 60);
    }
    for (auto _ : st) {
        qt::StampanteQt s(path);
        const std::string errore = stampaListaRisultati(s, righe, 60);
        if (!errore.empty()) st.SkipWithError(errore.c_str());
    }
    st.SetItemsProcessed(st.iterations() * st.range(0));
    std::filesystem::remove(path);
}
BENCHMARK(StampaPdf)->Arg(10000)->Unit(benchmark::kMillisecond)->Iterations(5);
#endif

} // namespace
