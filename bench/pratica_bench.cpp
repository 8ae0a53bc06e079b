// A whole account of 10.000 quarters: import and check in the desktop model, export as a workbook.
#include "account/fogli_pratica.h"
#include "calculation/taeg.h"
#include "comandi.h"
#include "common/servizi_simulati.h"
#include "platform/xlsx/scrittore_xlsx_file.h"

#include <benchmark/benchmark.h>
#include <filesystem>
#include <fstream>
#include <sstream>

namespace {

using namespace vantrel;
namespace fs = std::filesystem;

constexpr int kTrimestri = 10000;

struct Cartella {
    fs::path dir = fs::temp_directory_path() / "vantrel-bench-pratica";
    std::string csv = (dir / "conto.csv").string();

    Cartella() {
        fs::create_directories(dir);
        for (const char* f : {"NtassiU.dat", "NRectassiU.dat"})
            fs::remove(dir / f);
        std::ostringstream out, err;
        cli::esegui({"tassi", "importa", VANTREL_DATA_DIR "/tassi-ufficiali.csv", "--cartella", dir.string()}, out,
                    err);
        // Quarters of 1998-2026 in turn, with the plain headers and figures as a spreadsheet writes them.
        std::ofstream f(csv, std::ios::binary);
        f << "Dal;Al;Numeri debitori;Interessi;CMS;Altri interessi;Spese;CMS spese;Altri oneri;Accordato;Categoria\r\n";
        static const char* const dal[] = {"01/01/", "01/04/", "01/07/", "01/10/"};
        static const char* const al[] = {"31/03/", "30/06/", "30/09/", "31/12/"};
        for (int i = 0; i < kTrimestri; ++i) {
            const int anno = 1998 + (i / 4) % 29;
            f << dal[i % 4] << anno << ';' << al[i % 4] << anno << ';' << 4000000 + i * 37 << ";1.234,56;"
              << 50 + i % 200 << ",00;0;45,00;0;0;" << 5000 + i % 9000 << ",00;"
              << (i % 3 == 0   ? "Conto Corrente"
                  : i % 3 == 1 ? "Conto senza affidamento"
                               : "Conto anticipi")
              << "\r\n";
        }
    }
};

const Cartella& cartella() {
    static const Cartella c;
    return c;
}

struct Programma {
    RisposteProgrammate risposte;
    OrologioFisso orologio{Data{2026, 12, 5}};
    Contesto ctx;
    Programma() {
        ctx.stato.cartellaDati = ctx.stato.cartellaReport = cartella().dir.string() + "/";
        ctx.servizi.messaggi = &risposte;
        ctx.servizi.file = &risposte;
        ctx.servizi.orologio = &orologio;
    }
};

void BM_ImportaEControlla(benchmark::State& state) {
    Programma p;
    for (auto _ : state) {
        Taeg w(p.ctx);
        p.risposte.aggiungi(cartella().csv);
        w.clicca("ImportaPeriodi");
        if (w.pratica().esiti().size() != kTrimestri) state.SkipWithError("import failed");
        benchmark::DoNotOptimize(w["List1"].voci.size());
    }
    state.counters["trimestri/s"] = benchmark::Counter(
        static_cast<double>(kTrimestri) * static_cast<double>(state.iterations()), benchmark::Counter::kIsRate);
}
BENCHMARK(BM_ImportaEControlla)->Unit(benchmark::kMillisecond);

void BM_EsportaXlsx(benchmark::State& state) {
    Programma p;
    Taeg w(p.ctx);
    p.risposte.aggiungi(cartella().csv);
    w.clicca("ImportaPeriodi");
    const std::string xlsx = (cartella().dir / "conto.xlsx").string();
    ScrittoreXlsxFile scrittore;
    for (auto _ : state) {
        const std::string errore = scrittore.scrivi(cartellaPratica(w.pratica().esiti()), xlsx);
        if (!errore.empty()) state.SkipWithError(errore.c_str());
    }
    state.counters["righe/s"] = benchmark::Counter(
        static_cast<double>(kTrimestri) * static_cast<double>(state.iterations()), benchmark::Counter::kIsRate);
}
BENCHMARK(BM_EsportaXlsx)->Unit(benchmark::kMillisecond);

} // namespace
