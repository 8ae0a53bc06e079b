// The official series: loading the whole file, one threshold lookup, importing it into an empty
// program folder (rate table and reference copy).
#include "rates/importa_serie.h"
#include "rates/lettura_serie.h"
#include "rates/soglia_ufficiale.h"

#include <benchmark/benchmark.h>
#include <filesystem>
#include <random>

namespace {

const std::string kSerie = VANTREL_DATA_DIR "/serie-ufficiale-completa.csv";

void BM_CaricaSerieCompleta(benchmark::State& state) {
    for (auto _ : state) {
        const vantrel::EsitoSerie e = vantrel::leggiFileSerie(kSerie, nullptr);
        if (!e.ok()) state.SkipWithError("serie non letta");
        benchmark::DoNotOptimize(e.serie->righe().size());
    }
}
BENCHMARK(BM_CaricaSerieCompleta)->Unit(benchmark::kMillisecond);

void BM_RicercaSoglia(benchmark::State& state) {
    const vantrel::EsitoSerie e = vantrel::leggiFileSerie(kSerie, nullptr);
    const vantrel::Data date[] = {{2003, 8, 15}, {2011, 5, 20}, {2018, 2, 1}, {2026, 3, 31}};
    std::size_t i = 0;
    for (auto _ : state) {
        const vantrel::RicercaSerie r = e.serie->cerca(date[i++ % 4], "aperture di credito", 30000);
        if (!r.riga) {
            state.SkipWithError(r.errore.c_str());
            break;
        }
        benchmark::DoNotOptimize(vantrel::sogliaUfficiale(*r.riga).sogliaRegola);
    }
}
BENCHMARK(BM_RicercaSoglia)->Unit(benchmark::kMicrosecond);

void BM_ImportaSerieInCartellaVuota(benchmark::State& state) {
    std::random_device rd;
    const auto base = std::filesystem::temp_directory_path() / ("vantrel-bench-serie-" + std::to_string(rd()));
    int n = 0;
    for (auto _ : state) {
        state.PauseTiming();
        const auto cartella = base / std::to_string(n++);
        std::filesystem::create_directories(cartella);
        state.ResumeTiming();
        const vantrel::EsitoImportaSerie e = vantrel::importaSerieUfficiale(kSerie, cartella.string() + "/", nullptr);
        if (!e.fatto) state.SkipWithError(e.messaggio.c_str());
    }
    std::filesystem::remove_all(base);
}
BENCHMARK(BM_ImportaSerieInCartellaVuota)->Unit(benchmark::kMillisecond);

} // namespace
