// One period check through the calculation window, and the batch check of the command line.
#include "calculation/taeg.h"
#include "comandi.h"
#include "common/servizi_simulati.h"

#include <benchmark/benchmark.h>
#include <filesystem>
#include <fstream>
#include <sstream>

namespace {

using namespace vantrel;

std::string cartellaTassi() {
    static const std::string dir = [] {
        const auto p = std::filesystem::temp_directory_path() / "vantrel-bench-tassi";
        std::filesystem::create_directories(p);
        std::filesystem::remove(p / "NtassiU.dat");
        std::filesystem::remove(p / "NRectassiU.dat");
        std::ostringstream out, err;
        cli::esegui({"tassi", "importa", VANTREL_DATA_DIR "/tassi-ufficiali.csv", "--cartella", p.string()}, out, err);
        return p.string() + "/";
    }();
    return dir;
}

void BM_VerificaPeriodo(benchmark::State& state) {
    Contesto ctx;
    RisposteProgrammate risposte;
    OrologioFisso orologio(Data{2026, 12, 5});
    ctx.stato.cartellaDati = cartellaTassi();
    ctx.servizi.messaggi = &risposte;
    ctx.servizi.orologio = &orologio;
    Taeg w(ctx);
    w.clicca("euro");
    w.seleziona("Combo2", 2);
    for (auto _ : state) {
        for (const auto& [campo, testo] : {std::pair{"NumeriD", "3.950.000,00"},
                                           {"intDare", "692,04"},
                                           {"ComMS", "0"},
                                           {"extrafido", "0"},
                                           {"speseN", "55,00"},
                                           {"ComMS2", "0"},
                                           {"ASpese", "0"},
                                           {"fido", "30.000,00"},
                                           {"Acc", "30.000,00"}}) {
            w.incolla(campo, testo);
            w.esci(campo);
        }
        w.incolla("dal", "01/07/2020");
        w.incolla("al", "30/09/2020");
        w.clicca("Command8");
        w.clicca("OK");
        w.clicca("via");
        benchmark::DoNotOptimize(w["List1"].voci.back());
        w.report().lista().righe().pop_back();
    }
}
BENCHMARK(BM_VerificaPeriodo)->Unit(benchmark::kMicrosecond);

void BM_CliTeg(benchmark::State& state) {
    const auto n = static_cast<std::size_t>(state.range(0));
    const auto csv = std::filesystem::temp_directory_path() / "vantrel-bench-periodi.csv";
    {
        std::ofstream out(csv);
        out << "dal;al;categoria;formula;NumeriD;intDare;ComMS;extrafido;speseN;ComMS2;ASpese;fido;Acc\n";
        for (std::size_t i = 0; i < n; ++i) {
            const int anno = 2000 + static_cast<int>(i % 27);
            const int q = static_cast<int>(i % 4);
            static const char* const dal[] = {"01/01/", "01/04/", "01/07/", "01/10/"};
            static const char* const al[] = {"31/03/", "30/06/", "30/09/", "31/12/"};
            out << dal[q] << anno << ';' << al[q] << anno << ';'
                << (i % 3 == 0   ? "Conto Corrente"
                    : i % 3 == 1 ? "Conto senza affidamento"
                                 : "Conto anticipi")
                << ';' << (i % 2 ? "globale" : "Banca d'Italia") << ';' << 1000000 + i * 37
                << ";1.234,56;0;0;50,00;0;0;" << 5000 + i % 9000 << ";" << 5000 + i % 9000 << '\n';
        }
    }
    const std::string cartella = cartellaTassi();
    for (auto _ : state) {
        std::ostringstream out, err;
        const int rc = cli::esegui(
            {"teg", csv.string(), "--formato", "csv", "--cartella", cartella, "--oggi", "05/12/2026"}, out, err);
        if (rc != 0) state.SkipWithError("vantrel-cli teg failed");
        benchmark::DoNotOptimize(out.str().size());
    }
    state.counters["periodi/s"] = benchmark::Counter(static_cast<double>(n) * static_cast<double>(state.iterations()),
                                                     benchmark::Counter::kIsRate);
}
BENCHMARK(BM_CliTeg)->Arg(100000)->Unit(benchmark::kMillisecond)->Iterations(1);

} // namespace
