// A program killed while it writes a case: a child process adds movements (one at a time, or a file
// of 500 in one import) and reports each commit; it is killed at random moments, many times. After
// every kill the file opens and holds every committed change, and no change in part.
#include "casefile/pratica.h"
#include "common/righe_csv.h"
#include "platform/sqlite/banche_dati_sqlite.h"
#include "support/temp_dir.h"

#include <csignal>
#include <gtest/gtest.h>
#include <random>
#include <sstream>
#include <sys/wait.h>
#include <unistd.h>

namespace vantrel {
namespace {

constexpr std::size_t kFile = 500; // movements of one import

// The child: writes until it is killed, telling `canale` the movements committed after each write.
[[noreturn]] void scrivi(const std::string& path, int canale) {
    BancheDatiSqlite sqlite;
    std::string errore;
    auto p = Pratica::apri(sqlite, path, errore);
    std::string csv = "Data;Descrizione;Importo\n";
    for (std::size_t i = 0; i < kFile; ++i)
        csv += "02/01/2010;IMPORTATO;1\n";
    for (unsigned giro = 0; p; ++giro) {
        std::string e;
        if (giro % 4 == 3) {
            std::istringstream in(csv);
            RigheCsv righe(in);
            e = p->importaMovimenti(righe, [](std::size_t) { return true; }).errore;
        } else {
            std::int64_t id = 0;
            e = p->aggiungiMovimento({{2010, 1, 4}, {2010, 1, 4}, "SINGOLO", 1}, id);
        }
        const std::size_t n = p->numeroMovimenti();
        if (!e.empty() || ::write(canale, &n, sizeof n) != sizeof n) break;
    }
    ::_exit(1);
}

TEST(ScritturaInterrotta, OgniModificaConfermataRestaIntera) {
    test::CartellaTemporanea dir;
    const std::string path = dir.file("interrotta.vantrel");
    BancheDatiSqlite sqlite;
    std::string errore;
    ASSERT_TRUE(Pratica::crea(sqlite, path, errore)) << errore;
    std::mt19937 caso(20260315);
    std::size_t confermati = 0;
    for (int uccisione = 0; uccisione < 40; ++uccisione) {
        int canale[2];
        ASSERT_EQ(::pipe(canale), 0);
        const pid_t figlio = ::fork();
        ASSERT_GE(figlio, 0);
        if (figlio == 0) {
            ::close(canale[0]);
            scrivi(path, canale[1]);
        }
        ::close(canale[1]);
        ::usleep(std::uniform_int_distribution<unsigned>(2000, 60000)(caso));
        ::kill(figlio, SIGKILL);
        ::waitpid(figlio, nullptr, 0);
        for (std::size_t n; ::read(canale[0], &n, sizeof n) == sizeof n;)
            confermati = n;
        ::close(canale[0]);

        auto p = Pratica::apri(sqlite, path, errore);
        ASSERT_TRUE(p) << "dopo l'uccisione " << uccisione << ": " << errore;
        const std::size_t n = p->numeroMovimenti();
        // Every commit reported is there; beyond it at most the one write the kill may have followed.
        EXPECT_TRUE(n == confermati || n == confermati + 1 || n == confermati + kFile)
            << "dopo l'uccisione " << uccisione << ": " << n << " movimenti, " << confermati << " confermati";
        confermati = n;
    }
}

} // namespace
} // namespace vantrel
