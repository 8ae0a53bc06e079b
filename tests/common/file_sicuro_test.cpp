#include "common/file_sicuro.h"
#include "platform/disco_posix.h"
#include "support/disco_guasto.h"
#include "support/temp_dir.h"

#include <algorithm>
#include <csignal>
#include <filesystem>
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

namespace vantrel {
namespace {

std::vector<std::string> nomi(const std::string& cartella) {
    std::vector<std::string> v;
    for (const auto& e : std::filesystem::directory_iterator(cartella))
        v.push_back(e.path().filename().string());
    std::sort(v.begin(), v.end());
    return v;
}

// A replaced file holds the new bytes; any failure leaves the old one whole and no new file beside it.
TEST(FileSicuro, SostituisceOLasciaIlVecchioIntatto) {
    test::DiscoGuasto guasto;
    const struct {
        const char* caso;
        Disco* disco;
        const char* scritto; // what a writer function puts in the new file; null: the contents given whole
        const char* errore;  // what that writer answers
        bool riesce;
    } casi[] = {
        {"contenuto", nullptr, nullptr, "", true},
        {"scrittore", nullptr, "nuovo\r\n", "", true},
        {"disco guasto", &guasto, nullptr, "", false},
        {"scrittore fallito", nullptr, "mezzo", "disco pieno", false}, // cut short: the disk is full
    };
    for (const auto& c : casi) {
        SCOPED_TRACE(c.caso);
        test::CartellaTemporanea dir;
        const std::string file = dir.file("piano.csv");
        test::scriviTesto(file, "vecchio");
        const auto scrivi = [&](const std::string& n) {
            test::scriviTesto(n, c.scritto);
            return std::string(c.errore);
        };
        const std::string errore =
            c.scritto ? sostituisciFile(file, scrivi) : sostituisciFile(file, "nuovo\r\n", c.disco);
        EXPECT_EQ(errore.empty(), c.riesce) << errore;
        EXPECT_EQ(test::leggiTesto(file), c.riesce ? "nuovo\r\n" : "vecchio");
        EXPECT_EQ(nomi(dir.cartella()), std::vector<std::string>{"piano.csv"});
    }
}

TEST(FileSicuro, UnaCartellaAlPostoDelFileNonVieneToccata) {
    test::CartellaTemporanea dir;
    std::filesystem::create_directory(dir.file("report.RKT"));
    test::scriviTesto(dir.file("report.RKT/dentro"), "x");
    EXPECT_FALSE(sostituisciFile(dir.file("report.RKT"), "nuovo").empty());
    EXPECT_EQ(test::leggiTesto(dir.file("report.RKT/dentro")), "x");
    EXPECT_EQ(nomi(dir.cartella()), std::vector<std::string>{"report.RKT"});
    EXPECT_FALSE(sostituisciFile(dir.file("manca/report.RKT"), "nuovo").empty());
}

namespace fs = std::filesystem;

fs::perms permessi(const std::string& path) {
    return fs::status(path).permissions() & fs::perms::all;
}

// A file that holds a password is made its owner's alone, and a file replaced keeps its access.
TEST(FileSicuro, UnFilePrivatoNasceERestaPrivato) {
    test::CartellaTemporanea dir;
    const std::string file = dir.file("ServerTassi.ini");
    ASSERT_TRUE(sostituisciFile(file, "password=x\n", nullptr, Permessi::Privati).empty());
    EXPECT_EQ(permessi(file), fs::perms::owner_read | fs::perms::owner_write);
    ASSERT_TRUE(sostituisciFile(file, "password=y\n").empty()); // any later writer keeps it private
    EXPECT_EQ(permessi(file), fs::perms::owner_read | fs::perms::owner_write);
    fs::permissions(file, fs::perms::owner_all | fs::perms::group_read);
    ASSERT_TRUE(sostituisciFile(file, "password=z\n").empty());
    EXPECT_EQ(permessi(file), fs::perms::owner_all | fs::perms::group_read);
    EXPECT_EQ(test::leggiTesto(file), "password=z\n");
}

// What a save killed midway left is removed by the next save of that file; what a living writer
// holds, and the new files of other destinations, stay.
TEST(FileSicuro, IlSalvataggioSeguenteTogliLeAvanziDiUnoUcciso) {
    DiscoPosix disco;
    test::CartellaTemporanea dir;
    const std::string file = dir.file("conto.xlsx");
    const pid_t figlio = fork();
    if (figlio == 0) {
        FileNuovo n(file, &disco);
        n.scrivi("mezzo");
        pause(); // killed while it writes
        _exit(0);
    }
    FileNuovo vivo(file, &disco); // this process, writing at the same moment
    ASSERT_FALSE(vivo.percorso().empty());
    const std::string altro = dir.file("altro.csv.0123456789abcdef.nuovo");
    test::scriviTesto(altro, "di un altro file");
    while (nomi(dir.cartella()).size() < 3) // the child has made its file
        usleep(1000);
    kill(figlio, SIGKILL);
    waitpid(figlio, nullptr, 0);
    ASSERT_EQ(nomi(dir.cartella()).size(), 3u);
    ASSERT_TRUE(sostituisciFile(file, "intero", &disco).empty());
    EXPECT_EQ(test::leggiTesto(file), "intero");
    EXPECT_EQ(nomi(dir.cartella()), (std::vector<std::string>{"altro.csv.0123456789abcdef.nuovo", "conto.xlsx",
                                                              fs::path(vivo.percorso()).filename().string()}));
    // At start the whole folder is looked at, the names given aside.
    const std::string proprio = dir.file("NtassiU.dat.0123456789abcdef.nuovo");
    test::scriviTesto(proprio, "del set");
    const char* const propri[] = {"NtassiU.dat"};
    togliFileNuoviAbbandonatiInCartella(dir.cartella(), propri, &disco);
    EXPECT_TRUE(fs::exists(proprio));
    EXPECT_FALSE(fs::exists(altro));
    EXPECT_TRUE(fs::exists(vivo.percorso()));
}

// Two processes saving one file over and over: every save succeeds, none takes the other's new file,
// and nothing is left beside the file.
TEST(FileSicuro, DueProcessiCheSalvanoInsiemeNonSiToccano) {
    DiscoPosix disco;
    test::CartellaTemporanea dir;
    const std::string file = dir.file("report.RKT");
    const auto salva = [&](char c) {
        for (int i = 0; i < 300; ++i)
            if (!sostituisciFile(file, std::string(4096, c), &disco).empty()) return 1;
        return 0;
    };
    const pid_t figlio = fork();
    if (figlio == 0) _exit(salva('a'));
    const int mio = salva('b');
    int stato = 0;
    waitpid(figlio, &stato, 0);
    EXPECT_TRUE(WIFEXITED(stato) && WEXITSTATUS(stato) == 0);
    EXPECT_EQ(mio, 0);
    EXPECT_EQ(nomi(dir.cartella()), std::vector<std::string>{"report.RKT"});
    const std::string fine = test::leggiTesto(file);
    EXPECT_TRUE(fine == std::string(4096, 'a') || fine == std::string(4096, 'b'));
}

} // namespace
} // namespace vantrel
