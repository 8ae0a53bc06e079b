// The two rate searches of the loan tab: the fast searches against the step-by-step loops.

#include "loan/formule_mutuo.h"
#include "loan/ricerche_letterali.h"
#include "loan/ricerche_mutuo.h"

#include <benchmark/benchmark.h>

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
