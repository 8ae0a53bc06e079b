// The two rate searches of the loan tab: the fast searches against the step-by-step loops.

#include "loan/formule_mutuo.h"
#include "loan/ricerche_letterali.h"
#include "loan/ricerche_mutuo.h"
#include "loan/teg_usura.h"
#include "teg/finestra_calcolo.h"

#include <benchmark/benchmark.h>
#include <filesystem>

namespace {

// A net amount of zero never meets the stop rule: all 2,000,000 steps, 360 instalments each.
constexpr double kNetto = 0, kRata = 600, kJ = 0.05;
constexpr int kRate = 360;

void TaegPeggiore_Veloce(benchmark::State& s) {
    for (auto _ : s)
        benchmark::DoNotOptimize(vantrel::cercaTaeg(kNetto, kRata, kJ, 12, kRate));
}
BENCHMARK(TaegPeggiore_Veloce)->Unit(benchmark::kMicrosecond);

void TaegPeggiore_Letterale(benchmark::State& s) {
    for (auto _ : s)
        benchmark::DoNotOptimize(vantrel::letterale::taeg(kNetto, kRata, kJ, 12, kRate));
}
BENCHMARK(TaegPeggiore_Letterale)->Unit(benchmark::kMillisecond)->Iterations(1);

// The searches' worst cases must stay under 10 ms: what froze the window (a net amount of 0 and an
// instalment of 0,01 once yearly, 12 times), the longest plan the window takes (999 instalments) near a
// rounding boundary of the sum, and an instalment no rate reaches.
void TaegNettoNulloRataMinima(benchmark::State& s) {
    for (auto _ : s)
        benchmark::DoNotOptimize(vantrel::cercaTaeg(0, 0.01, 0, 1, 12));
}
BENCHMARK(TaegNettoNulloRataMinima)->Unit(benchmark::kMicrosecond);

void Taeg999Rate(benchmark::State& s) {
    for (auto _ : s)
        benchmark::DoNotOptimize(vantrel::cercaTaeg(0.0049, 0.00001, 0, 12, 999));
}
BENCHMARK(Taeg999Rate)->Unit(benchmark::kMicrosecond);

void TassoIrraggiungibile(benchmark::State& s) {
    for (auto _ : s)
        benchmark::DoNotOptimize(vantrel::cercaTassoAnnuo(1, 999, 12, 1e12));
}
BENCHMARK(TassoIrraggiungibile)->Unit(benchmark::kMicrosecond);

// The usury TEG: the longest plan, and instalments so large that the rate is widened to its limit.
void TegUsura999Rate(benchmark::State& s) {
    for (auto _ : s)
        benchmark::DoNotOptimize(vantrel::tegUsuraMutuo(100000, 120, 999, 12, {1000, 300, 500, 200}));
}
BENCHMARK(TegUsura999Rate)->Unit(benchmark::kMicrosecond);

void TegUsuraIrraggiungibile(benchmark::State& s) {
    for (auto _ : s)
        benchmark::DoNotOptimize(vantrel::tegUsuraMutuo(1000, 1e9, 999, 1, {}));
}
BENCHMARK(TegUsuraIrraggiungibile)->Unit(benchmark::kMicrosecond);

// "Calcola" on the loan tab as the user clicks it, from the fields to the TAEG: the figures that froze
// the window (yearly, 12 instalments of 0,01, nothing else), and a 999-instalment loan.
void CalcolaNellaFinestra(benchmark::State& s, const char* scadenza,
                          std::vector<std::pair<const char*, const char*>> campi) {
    vantrel::Contesto ctx;
    ctx.stato.cartellaDati = (std::filesystem::temp_directory_path() / "loan_bench_").string();
    vantrel::FinestraCalcolo f(ctx, false);
    f.clicca(scadenza);
    for (auto _ : s) {
        for (const auto& [campo, testo] : campi)
            f.incolla(campo, testo);
        f.clicca("CmdCalcola");
        benchmark::DoNotOptimize(f["TxtTaeg"].testo);
    }
}
BENCHMARK_CAPTURE(CalcolaNellaFinestra, rata_minima_annuale, "Option1(5)",
                  {{"txtImporto", ""}, {"txtNumRate", "12"}, {"txtTasso", ""}, {"txtRata", "0,01"}})
    ->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(CalcolaNellaFinestra, mutuo_999_rate, "Option1(0)",
                  {{"txtImporto", "100000"}, {"txtNumRate", "999"}, {"txtTasso", "4"}, {"txtRata", ""}})
    ->Unit(benchmark::kMicrosecond);

// The instalment of 100.000 over 120 months at 30 %: the rate search walks from 0,5 to 30.
const double kRataTrenta = vantrel::formulaRata(100000, 30, 12, 120) - 1;

void TassoAnnuo30_Veloce(benchmark::State& s) {
    for (auto _ : s)
        benchmark::DoNotOptimize(vantrel::cercaTassoAnnuo(100000, 120, 12, kRataTrenta));
}
BENCHMARK(TassoAnnuo30_Veloce)->Unit(benchmark::kMicrosecond);

void TassoAnnuo30_Letterale(benchmark::State& s) {
    for (auto _ : s)
        benchmark::DoNotOptimize(vantrel::letterale::tassoAnnuo(100000, 120, 12, kRataTrenta));
}
BENCHMARK(TassoAnnuo30_Letterale)->Unit(benchmark::kMillisecond);

} // namespace
