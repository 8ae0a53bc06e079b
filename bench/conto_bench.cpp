// An account rebuilt from its movements: 50.000 (ten busy years) and 1.000.000 generated movements,
// read from a CSV file and worked out as the scalare, alone and through a case file. The counter
// "picco_MB" is the process's peak resident memory so far (getrusage): run one size at a time
// (--benchmark_filter=.../1000000) to read the peak of that size alone.
#include "account/importa_movimenti.h"
#include "account/scalare.h"
#include "casefile/pratica.h"
#include "casefile/scalare_pratica.h"
#include "common/righe_csv.h"
#include "platform/sqlite/banche_dati_sqlite.h"

#include <benchmark/benchmark.h>
#include <filesystem>
#include <fstream>
#include <sys/resource.h>

namespace {

using namespace vantrel;
namespace fs = std::filesystem;

const fs::path kCartella = fs::temp_directory_path() / "vantrel-bench-conto";

// Movements from 01/01/2000, about `n / 3650` a day over ten years for 50.000 and more a day beyond;
// value dates up to three days before or after; a quarterly closing of the bank's among them.
std::string fileMovimenti(long n) {
    fs::create_directories(kCartella);
    const std::string path = (kCartella / ("movimenti-" + std::to_string(n) + ".csv")).string();
    if (fs::exists(path)) return path;
    std::ofstream f(path, std::ios::binary);
    f << "Data contabile;Data valuta;Descrizione operazione;Dare;Avere\r\n";
    const long giorni = 3650;
    const long inizio = Data{2000, 1, 1}.numero();
    for (long i = 0; i < n; ++i) {
        const long g = inizio + i * giorni / n;
        const Data op = Data::daNumero(g), val = Data::daNumero(g + (i % 7) - 3);
        const bool chiusura = i % 4000 == 0;
        f << op.testo() << ';' << val.testo() << ';'
          << (chiusura ? "COMPETENZE DI CHIUSURA"
              : i % 3  ? "PAGAMENTO POS NEGOZIO 1234"
                       : "BONIFICO DA CLIENTE")
          << ';';
        const long importo = 1000 + (i * 7919) % 250000;
        if (i % 3)
            f << importo / 100 << ',' << importo % 100 / 10 << importo % 10 << ";\r\n";
        else
            f << ';' << importo * 2 / 100 << ",00\r\n";
    }
    return path;
}

std::vector<RigaCondizioni> condizioni() {
    RigaCondizioni r;
    r.dal = {1999, 1, 1};
    r.fido = 5000000;
    r.tassoDebitore = 95000;
    r.tassoExtrafido = 140000;
    r.tassoCreditore = 5000;
    r.cms = 5000;
    r.speseOperazione = 150;
    r.spesePeriodo = 1500;
    RigaCondizioni dal2010 = r;
    dal2010.dal = {2010, 1, 1};
    dal2010.cms = 0;
    dal2010.commissioneFido = 20000;
    dal2010.commissioneSconfinamento = 2500;
    return {r, dal2010};
}

void picco(benchmark::State& state) {
    rusage u{};
    getrusage(RUSAGE_SELF, &u);
    state.counters["picco_MB"] = static_cast<double>(u.ru_maxrss) / 1024.0;
}

// Reading the file row by row into the day-by-day sums, then the scalare.
void ImportaERicalcola(benchmark::State& state) {
    const std::string path = fileMovimenti(state.range(0));
    for (auto _ : state) {
        std::ifstream in(path, std::ios::binary);
        RigheCsv righe(in);
        GiorniConto giorni;
        const auto letti = leggiMovimenti(righe, [&](const Movimento& m) { giorni.aggiungi(m); });
        const auto r = calcolaScalare(giorni, condizioni());
        if (!letti.errore.empty() || !r.errore.empty()) state.SkipWithError("lettura o scalare falliti");
        benchmark::DoNotOptimize(r.periodi.data());
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
    picco(state);
}
BENCHMARK(ImportaERicalcola)->Arg(50000)->Arg(1000000)->Unit(benchmark::kMillisecond)->MeasureProcessCPUTime();

// The same through a new case file: the import in one transaction, then the scalare from the file.
void ImportaInPraticaERicalcola(benchmark::State& state) {
    const std::string path = fileMovimenti(state.range(0));
    const std::string pratica = (kCartella / "conto.vantrel").string();
    BancheDatiSqlite sqlite;
    for (auto _ : state) {
        fs::remove(pratica);
        std::string errore;
        auto p = Pratica::crea(sqlite, pratica, errore);
        std::ifstream in(path, std::ios::binary);
        RigheCsv righe(in);
        const bool importati = p && p->importaMovimenti(righe, {}).importati;
        if (!importati || !p->impostaCondizioni(condizioni()).empty()) state.SkipWithError("importazione fallita");
        const auto r = calcolaScalare(giorniPratica(*p), p->condizioni(), opzioniPratica(*p));
        benchmark::DoNotOptimize(r.periodi.data());
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
    picco(state);
}
BENCHMARK(ImportaInPraticaERicalcola)->Arg(50000)->Arg(1000000)->Unit(benchmark::kMillisecond);

} // namespace
