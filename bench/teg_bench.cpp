// One period check through the calculation window, and the batch check of the command line.
#include "account/importa_periodi.h"
#include "calculation/taeg.h"
#include "comandi.h"
#include "common/servizi_simulati.h"
#include "rates/set_tassi.h"
#include "teg/controllo_periodo.h"

#include <benchmark/benchmark.h>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

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
        // The official series beside the rates, as the installed program has it: each check looks
        // up the threshold published for its quarter.
        std::filesystem::copy_file(VANTREL_DATA_DIR "/serie-ufficiale-completa.csv", p / "serie-ufficiale.csv",
                                   std::filesystem::copy_options::overwrite_existing);
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

// A file of n periods of every category, formula and year, written once for each n.
std::string filePeriodi(std::size_t n) {
    const auto csv = std::filesystem::temp_directory_path() / ("vantrel-bench-periodi-" + std::to_string(n) + ".csv");
    if (std::filesystem::exists(csv)) return csv.string();
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
    return csv.string();
}

// The engine's batch: every period of the file checked on the calculation window, as `vantrel-cli teg`
// does, and nothing written; with 1, the calculation summary of each too, as the JSON output asks.
// The command, in any output, must take at most 1,5 times as long.
void BM_LottoPeriodi(benchmark::State& state) {
    const std::string csv = filePeriodi(static_cast<std::size_t>(state.range(0)));
    const bool riepilogo = state.range(1) != 0;
    for (auto _ : state) {
        Contesto ctx;
        RisposteProgrammate risposte;
        OrologioFisso orologio(Data{2026, 12, 5});
        ctx.stato.cartellaDati = cartellaTassi();
        ctx.servizi.messaggi = &risposte;
        ctx.servizi.orologio = &orologio;
        caricaSetTassi(ctx.stato.tassi, ctx.stato.cartellaDati, nullptr);
        LettorePeriodi lettore(apriFilePeriodi(csv));
        ControlloPeriodi controllo(ctx);
        for (PeriodoDaControllare p; lettore.prossimo(p);)
            benchmark::DoNotOptimize(controllo.controlla(p, riepilogo));
    }
}
BENCHMARK(BM_LottoPeriodi)->ArgsProduct({{100000, 1000000}, {0, 1}})->Unit(benchmark::kMillisecond)->Iterations(1);

// The command in each output, back to back with the engine's batch above; its output thrown away.
void BM_CliTeg(benchmark::State& state) {
    static constexpr const char* kFormati[] = {"testo", "csv", "json"};
    const auto n = static_cast<std::size_t>(state.range(0));
    const char* formato = kFormati[state.range(1)];
    const std::string csv = filePeriodi(n);
    const std::string cartella = cartellaTassi();
    state.SetLabel(formato);
    for (auto _ : state) {
        std::ofstream nulla("/dev/null");
        std::ostringstream err;
        const int rc =
            cli::esegui({"teg", csv, "--formato", formato, "--cartella", cartella, "--oggi", "05/12/2026"}, nulla, err);
        if (rc != 0) state.SkipWithError("vantrel-cli teg failed");
    }
    state.counters["periodi/s"] = benchmark::Counter(static_cast<double>(n) * static_cast<double>(state.iterations()),
                                                     benchmark::Counter::kIsRate);
}
BENCHMARK(BM_CliTeg)->ArgsProduct({{100000}, {0, 1, 2}})->Unit(benchmark::kMillisecond)->Iterations(1);

// The peak memory of `vantrel-cli teg` on n periods, in each output (3: the text list with the
// workbook), its output thrown away: the command runs in a child process, whose peak getrusage gives.
// The file is read twice, streamed, and no row is kept: the peak must not grow with n.
void BM_MemoriaTeg(benchmark::State& state) {
    static constexpr const char* kFormati[] = {"testo", "csv", "json", "testo"};
    const auto n = static_cast<std::size_t>(state.range(0));
    const auto formato = static_cast<std::size_t>(state.range(1));
    const std::string csv = filePeriodi(n), cartella = cartellaTassi();
    const std::string xlsx = (std::filesystem::temp_directory_path() / "vantrel-bench-memoria.xlsx").string();
    std::vector<std::string> args = {"teg", csv, "--formato", kFormati[formato], "--cartella", cartella};
    if (formato == 3) args.insert(args.end(), {"--xlsx", xlsx});
    state.SetLabel(std::string(kFormati[formato]) + (formato == 3 ? " --xlsx" : ""));
    for (auto _ : state) {
        const pid_t figlio = fork();
        if (figlio == 0) {
            std::ofstream nulla("/dev/null");
            std::ostringstream err;
            _exit(cli::esegui(args, nulla, err));
        }
        int stato = 0;
        rusage uso{};
        wait4(figlio, &stato, 0, &uso);
        if (!WIFEXITED(stato) || WEXITSTATUS(stato) != 0) state.SkipWithError("vantrel-cli teg failed");
        state.counters["picco_MB"] = static_cast<double>(uso.ru_maxrss) / 1024.0; // ru_maxrss is in KB
    }
}
BENCHMARK(BM_MemoriaTeg)
    ->ArgsProduct({{100000, 1000000}, {0, 1, 2}})
    ->Args({100000, 3})
    ->Unit(benchmark::kSecond)
    ->Iterations(1);

} // namespace
