// Mutated copies of the real files, from a fixed seed, through every reader a user's file reaches:
// the periods of `teg`, the rates of `tassi importa` and `tassi importa-serie` (its CSV and its zip),
// the report of `stampa`. None may crash (the sanitizer build runs this too) or let an exception out
// of the command: each ends with a result, or a short Italian message and the rate set as it was.
#include "support/esegui_cli.h"
#include "support/temp_dir.h"

#include <array>
#include <cstdlib>
#include <filesystem>
#include <gtest/gtest.h>
#include <random>

namespace vantrel {
namespace {

using test::CartellaTemporanea;

constexpr int kCasiPerLettore = 300;

// The first `righe` lines of a file.
std::string inizio(const std::string& path, std::size_t righe) {
    const std::string s = test::leggiTesto(path);
    std::size_t fine = 0;
    for (std::size_t k = 0; k < righe && fine < s.size(); ++k) {
        const std::size_t a = s.find('\n', fine);
        fine = a == std::string::npos ? s.size() : a + 1;
    }
    return s.substr(0, fine);
}

// Bytes that change how a cell or a line is read, a NUL and bytes of no encoding among them.
constexpr char kByteScelti[] = ";\n\r\",.-+/ 0123456789eE%\t\0\xff\xc3\xa8\x80";
// Cells a careless export or a hostile user writes.
const std::array<std::string, 7> kCelleEstreme = {
    std::string(400, '9'),  "1e308",     "-0,00", "99999999999999999999,99", "31/02/2020",
    std::string(5000, 'x'), "\"a;b\"\"c"};

std::size_t caso(std::mt19937_64& rng, std::size_t n) {
    return n == 0 ? 0 : std::uniform_int_distribution<std::size_t>(0, n - 1)(rng);
}

// One to four edits: a byte changed, a run deleted, repeated or inserted at random, the file cut, an
// extreme cell put in.
std::string muta(std::string s, std::mt19937_64& rng) {
    for (std::size_t k = 0, n = 1 + caso(rng, 4); k < n; ++k) {
        const std::size_t p = caso(rng, s.size()), lung = 1 + caso(rng, 40);
        switch (caso(rng, 6)) {
        case 0:
            if (!s.empty()) s[p] = kByteScelti[caso(rng, sizeof kByteScelti - 1)];
            break;
        case 1:
            s.erase(p, lung);
            break;
        case 2:
            s.insert(p, s.substr(p, lung));
            break;
        case 3:
            for (std::size_t b = 0; b < lung; ++b)
                s.insert(s.begin() + static_cast<std::ptrdiff_t>(p), static_cast<char>(caso(rng, 256)));
            break;
        case 4:
            s.resize(p);
            break;
        default:
            s.insert(p, kCelleEstreme[caso(rng, kCelleEstreme.size())]);
        }
    }
    return s;
}

// The official series' first quarters zipped as the Bank of Italy publishes them.
std::string zipSerie(const CartellaTemporanea& dir, const std::string& csv) {
    test::scriviTesto(dir.file("TEGM.csv"), csv);
    const std::string zip = dir.file("serie.zip");
    const std::string comando = "/usr/bin/python3 -c \"import sys, zipfile\n"
                                "zipfile.ZipFile(sys.argv[2], 'w', zipfile.ZIP_DEFLATED).write(sys.argv[1], "
                                "'TEGM.csv')\" " +
                                dir.file("TEGM.csv") + " " + zip;
    return std::system(comando.c_str()) == 0 ? test::leggiTesto(zip) : std::string();
}

// What a refused file may never show: an exception's own words, or a message about the program.
void controllaEsito(const test::Esito& e) {
    ASSERT_TRUE(e.codice == 0 || e.codice == 1) << e.codice << " " << e.err.substr(0, 300);
    for (const char* parola : {"errore imprevisto", "memoria insufficiente", "std::", "basic_", "stoi", "stod",
                               "argument", "out of range", "exception"})
        ASSERT_EQ(e.err.find(parola), std::string::npos) << e.err.substr(0, 300);
    if (e.codice == 0) return;
    ASSERT_TRUE(e.err.starts_with("vantrel-cli")) << e.err.substr(0, 300);
    ASSERT_LT(e.err.size(), 600u) << "a message quotes a cell, never the file: " << e.err.substr(0, 300);
    ASSERT_EQ(e.out, "") << "nothing is printed from a refused file";
}

// Every import flushes the files it writes: on a disk, hundreds of them take most of the run.
std::filesystem::path cartellaInMemoria() {
    std::error_code ec;
    return std::filesystem::is_directory("/dev/shm", ec) ? "/dev/shm" : std::filesystem::temp_directory_path();
}

TEST(LettureCasuali, FileMutatiFinisconoConUnRisultatoOUnMessaggio) {
    CartellaTemporanea dir(cartellaInMemoria());
    const std::string cartella = dir.cartella();
    ASSERT_EQ(
        test::esegui({"tassi", "importa", VANTREL_DATA_DIR "/tassi-ufficiali.csv", "--cartella", cartella}).codice, 0);
    ASSERT_EQ(test::esegui({"teg", VANTREL_EXAMPLES_DIR "/periodi.csv", "--report", dir.file("seme.RKT"), "--cartella",
                            cartella})
                  .codice,
              0);
    const std::string serie = inizio(VANTREL_DATA_DIR "/serie-ufficiale-completa.csv", 40);
    const struct {
        const char* nome;
        std::string seme, file;
        std::vector<std::string> comando; // the file and the folder follow
    } lettori[] = {
        {"teg periodi", inizio(VANTREL_EXAMPLES_DIR "/periodi.csv", 12), "p.csv", {"teg"}},
        {"teg trimestri", inizio(VANTREL_EXAMPLES_DIR "/conto-24-trimestri.csv", 12), "p.csv", {"teg"}},
        {"teg norma per data", test::leggiTesto(VANTREL_TEST_DATA "/periodi_per_data.csv"), "p.csv", {"teg"}},
        {"tassi importa", inizio(VANTREL_DATA_DIR "/tassi-ufficiali.csv", 16), "t.csv", {"tassi", "importa"}},
        {"importa-serie csv", serie, "s.csv", {"tassi", "importa-serie"}},
        {"importa-serie zip", zipSerie(dir, serie), "s.zip", {"tassi", "importa-serie"}},
        {"stampa", test::leggiTesto(dir.file("seme.RKT")), "r.RKT", {"stampa", "--comandi"}},
    };
    const auto dati = test::leggiByte(dir.file("NtassiU.dat"));
    const auto numero = test::leggiByte(dir.file("NRectassiU.dat"));
    std::mt19937_64 rng(20261207);
    for (const auto& l : lettori) {
        ASSERT_FALSE(l.seme.empty()) << l.nome;
        int accettati = 0;
        for (int i = 0; i < kCasiPerLettore; ++i) {
            SCOPED_TRACE(std::string(l.nome) + ", caso " + std::to_string(i));
            test::scriviTesto(dir.file(l.file), muta(l.seme, rng));
            std::vector<std::string> args = l.comando;
            args.insert(args.begin() + (args[0] == "tassi" ? 2 : 1), dir.file(l.file));
            args.insert(args.end(), {"--cartella", cartella});
            const test::Esito e = test::esegui(args);
            controllaEsito(e);
            accettati += e.codice == 0;
            if (e.codice != 0) {
                ASSERT_EQ(test::leggiByte(dir.file("NtassiU.dat")), dati) << e.err;
                ASSERT_EQ(test::leggiByte(dir.file("NRectassiU.dat")), numero) << e.err;
            }
            if (HasFatalFailure()) return;
            // An import that went through changes the set: the next case starts from the same one.
            test::scriviByte(dir.file("NtassiU.dat"), dati);
            test::scriviByte(dir.file("NRectassiU.dat"), numero);
        }
        // Inputs that all stop at the first check would try nothing past it.
        EXPECT_GT(accettati, 0) << l.nome;
        EXPECT_LT(accettati, kCasiPerLettore) << l.nome;
    }
}

} // namespace
} // namespace vantrel
