// The command line on hostile input: no crash, an exit status of 1 or 2 with a message, and the rate
// files untouched by whatever is refused; two processes importing into one folder lose nothing.
// Mutated copies of the real files, from a fixed seed, through every reader a user's file reaches:
// the periods of `teg`, the rates of `tassi importa` and `tassi importa-serie` (its CSV and its zip),
// the report of `stampa`. None may crash (the sanitizer build runs this too) or let an exception out
// of the command: each ends with a result, or a short Italian message and the rate set as it was.
#include "rates/set_tassi.h"
#include "support/esegui_cli.h"
#include "support/file_tassi.h"

#include <array>
#include <filesystem>
#include <gtest/gtest.h>
#include <random>
#include <sstream>
#include <sys/wait.h>
#include <unistd.h>

namespace vantrel {
namespace {

using test::CartellaTemporanea;

using test::esegui;

// Runs `corpo` in a child process while this one runs `intanto`; the child's exit status, or 128 + the
// signal that ended it.
int inUnFiglio(const std::function<int()>& corpo, const std::function<void()>& intanto = {}) {
    const pid_t pid = fork();
    if (pid == 0) _exit(corpo());
    if (intanto) intanto();
    int stato = 0;
    waitpid(pid, &stato, 0);
    return WIFEXITED(stato) ? WEXITSTATUS(stato) : 128 + WTERMSIG(stato);
}

TEST(TassiRobustezza, IngressiOstiliFinisconoConUnCodiceEUnMessaggio) {
    CartellaTemporanea dir;
    test::scriviTassi(dir, {test::Periodo{"12011", 1, 2, 3}});
    const test::Bytes prima = test::leggiByte(dir.file("NtassiU.dat"));
    test::scriviTesto(dir.file("intestazione.csv"), "periodo;TM1;TM2\r\n"); // what esporta writes for no period
    test::scriviTesto(dir.file("mutuo.csv"), "scadenza;txtImporto\nMensile;\xff\xfe"); // not UTF-8
    test::scriviTesto(dir.file("fuori.csv"), "periodo;TM1\n12012;2\n22012;100,5\n");   // one bad row refuses all
    test::scriviTesto(dir.file("trimestre.csv"), "periodo;TM1\n52004;1\n");            // there is no fifth quarter
    test::scriviTesto(dir.file("enorme.csv"), "periodo;TM1\n12012;" + std::string(20 << 20, '7') + "\n");
    // The other readers: a header and no row, a cell of 1 MB, a report that is none.
    const std::string mega(1 << 20, 'x'), citata = "\"" + std::string(80, 'x') + "...\"";
    test::scriviTesto(dir.file("teg.csv"), "Dal;Al;Interessi;Note\r\n;;\r\n");
    test::scriviTesto(dir.file("teg-enorme.csv"), "Dal;Al;Interessi\n01/01/2020;31/03/2020;" + mega + "\n");
    test::scriviTesto(dir.file("mutui.csv"), "scadenza;txtImporto\r\n");
    test::scriviTesto(dir.file("mutui-enorme.csv"), "scadenza;txtImporto\n" + mega + ";1000\n");
    test::scriviTesto(dir.file("binario.RKT"), std::string("Conto\r\n\0\x01\x02Fine\r\n", 13));
    test::scriviTesto(dir.file("vuoto.RKT"), "");
    // Periods with a cell that is no amount, a day that does not exist, no column "al".
    test::scriviTesto(dir.file("importo.csv"), "dal;al;Interessi\n01/01/2023;31/03/2023;12,3,4\n");
    test::scriviTesto(dir.file("data.csv"), "dal;al\n01/01/2023;31/02/2023\n");
    test::scriviTesto(dir.file("senza-al.csv"), "dal\n01/01/2023\n");
    const struct {
        std::vector<std::string> args;
        int codice;
        std::string messaggio;
    } casi[] = {
        {{"tassi", "importa", dir.file("intestazione.csv")}, 1, "intestazione.csv: il file non contiene righe"},
        {{"tassi", "importa", dir.cartella()}, 1, "è una cartella"},
        {{"tassi", "importa", dir.file("fuori.csv")}, 1, "riga 3, colonna 2: tasso \"100,5\" non compreso tra 0 e 100"},
        {{"tassi", "importa", dir.file("trimestre.csv")}, 1, "riga 2, colonna 1"},
        // A message quotes the first 80 characters of a 20 MB cell.
        {{"tassi", "importa", dir.file("enorme.csv")}, 1, "tasso \"" + std::string(80, '7') + "...\" non"},
        {{"tassi", "importa", dir.file("manca.csv")}, 2, "il file non esiste"},
        {{"tassi", "importa"}, 2, "comando non valido"},
        {{"tassi"}, 2, ""},
        {{"mutuo", "--csv", dir.file("mutuo.csv"), "--formato", "json"}, 1, "vantrel-cli"},
        {{"teg", dir.file("teg.csv")}, 1, "teg.csv: il file non contiene righe"},
        {{"teg", dir.file("teg-enorme.csv")}, 1, "colonna Interessi: " + citata + " non è un importo"},
        {{"mutuo", "--csv", dir.file("mutui.csv")}, 1, "mutui.csv: il file non contiene righe"},
        {{"mutuo", "--csv", dir.file("mutui-enorme.csv")}, 1, "scadenza sconosciuta " + citata},
        {{"stampa", dir.file("binario.RKT"), "--comandi"}, 1, "non è un report: contiene dati che non sono testo"},
        {{"stampa", dir.file("vuoto.RKT"), "--comandi"}, 1, "non è un report: è vuoto"},
        {{"teg", dir.file("importo.csv")}, 1, "importo.csv, riga 2, colonna Interessi: \"12,3,4\" non è un importo"},
        {{"teg", dir.file("data.csv")}, 1, "data.csv, riga 2, colonna al: \"31/02/2023\" non è una data"},
        {{"teg", dir.file("senza-al.csv")}, 1, "senza-al.csv, riga 1: manca la colonna obbligatoria \"Al\""},
        {{"teg", dir.file("manca.csv")}, 2, ""},
        {{"teg", dir.cartella()}, 1, ""}, // a folder, not a file
        {{"teg", "x.csv", "--formato", "xml"}, 2, ""},
    };
    // A report the user keeps: a refused file of periods neither replaces it nor writes a workbook.
    test::scriviTesto(dir.file("esistente.RKT"), "Conto\r\nFine\r\n");
    for (const auto& c : casi) {
        SCOPED_TRACE(c.args[0] + " " + (c.args.size() > 1 ? c.args[1] : ""));
        std::vector<std::string> args = c.args;
        if (args[0] == "tassi" || args[0] == "teg") args.insert(args.end(), {"--cartella", dir.cartella()});
        if (args[0] == "teg")
            args.insert(args.end(), {"--report", dir.file("esistente.RKT"), "--xlsx", dir.file("nuova.xlsx")});
        const test::Esito e = esegui(args);
        EXPECT_EQ(e.codice, c.codice) << e.err;
        EXPECT_EQ(e.out, "") << "nothing is worked out or printed";
        EXPECT_NE(e.err.find(c.messaggio), std::string::npos) << e.err.substr(0, 300);
        EXPECT_LT(e.err.size(), 300u);
        EXPECT_EQ(test::leggiByte(dir.file("NtassiU.dat")), prima);
        EXPECT_EQ(test::leggiTesto(dir.file("esistente.RKT")), "Conto\r\nFine\r\n");
        EXPECT_FALSE(std::filesystem::exists(dir.file("nuova.xlsx")));
    }
    // From a working folder that was removed meanwhile, with relative paths.
    const int stato = inUnFiglio([&] {
        CartellaTemporanea via;
        if (chdir(via.cartella().c_str()) != 0 || rmdir(via.cartella().c_str()) != 0) return 90;
        for (const std::vector<std::string>& a :
             {std::vector<std::string>{"tassi", "esporta", "t.csv", "--cartella", "."},
              {"tassi", "importa", "t.csv", "--cartella", "."},
              {"teg", "p.csv", "--cartella", "."},
              {"stampa", "r.RKT", "--pdf", "r.pdf", "--cartella", "."}})
            if (const int c = esegui(a).codice; c != 1 && c != 2) return 100 + c;
        return 0;
    });
    EXPECT_EQ(stato, 0);
}

// A rate is read as written: one separator, "," or ".", is its decimal point; two are an error.
TEST(TassiRobustezza, ITassiSiLeggonoComeSonoScritti) {
    const struct {
        const char* cella;
        float tasso;        // stored in TM1; 0 when refused
        const char* errore; // after "t.csv, riga 2, colonna 2: tasso "<cella>" "
    } casi[] = {
        {"1.5", 1.5f, ""},
        {"0.72", 0.72f, ""},
        {"12.85", 12.85f, ""},
        {"12,85", 12.85f, ""},
        {" 007,5 ", 7.5f, ""},
        {"100", 100.0f, ""},
        {"1.234,5", 0, "con un separatore delle migliaia"},
        {"1,234.5", 0, "con un separatore delle migliaia"},
        {"12.500.000", 0, "con un separatore delle migliaia"},
        {"12,1234567", 0, "con più di sei decimali"},
        {"1000", 0, "non compreso tra 0 e 100"},
        {"-2", 0, "non numerico"},
        {"7%", 0, "non numerico"},
    };
    CartellaTemporanea dir;
    for (const auto& c : casi) {
        SCOPED_TRACE(c.cella);
        test::scriviTassi(dir, {test::Periodo{"12011", 1, 2, 3}});
        const test::Bytes prima = test::leggiByte(dir.file("NtassiU.dat"));
        test::scriviTesto(dir.file("t.csv"), std::string("periodo;TM1\n12012;") + c.cella + "\n");
        const test::Esito e = esegui({"tassi", "importa", dir.file("t.csv"), "--cartella", dir.cartella()});
        TabellaTassi t;
        ASSERT_TRUE(caricaSetTassi(t, dir.cartella(), nullptr));
        if (*c.errore) {
            EXPECT_EQ(e.codice, 1);
            EXPECT_NE(e.err.find("t.csv, riga 2, colonna 2: tasso \"" + std::string(c.cella) + "\" " + c.errore),
                      std::string::npos)
                << e.err;
            EXPECT_EQ(test::leggiByte(dir.file("NtassiU.dat")), prima);
        } else {
            EXPECT_EQ(e.codice, 0) << e.err;
            ASSERT_EQ(t.numPeriodi, 2);
            EXPECT_EQ(t.slot(2).TM[1], c.tasso);
        }
    }
}

// Two processes each import fifty periods, one at a time, into the same folder.
TEST(TassiRobustezza, DueProcessiCheImportanoNonPerdonoPeriodi) {
    CartellaTemporanea dir;
    const auto importa = [&dir](int primoAnno) {
        const std::string file = dir.file("p" + std::to_string(primoAnno) + ".csv");
        for (int n = 0; n < 50; ++n) {
            const std::string chiave = std::to_string(n % 4 + 1) + std::to_string(primoAnno + n / 4);
            test::scriviTesto(file, "periodo;TM1\n" + chiave + ";" + std::to_string(n % 9 + 1) + "\n");
            if (esegui({"tassi", "importa", file, "--cartella", dir.cartella()}).codice != 0) return 1;
        }
        return 0;
    };
    int b = -1;
    ASSERT_EQ(inUnFiglio([&] { return importa(2000); }, [&] { b = importa(2020); }), 0);
    ASSERT_EQ(b, 0);
    TabellaTassi t;
    ASSERT_TRUE(caricaSetTassi(t, dir.cartella(), nullptr));
    EXPECT_EQ(t.numPeriodi, 100);
    for (int anno : {2000, 2020})
        for (int n = 0; n < 50; ++n)
            EXPECT_GT(t.cercaPeriodo(std::to_string(n % 4 + 1) + std::to_string(anno + n / 4)), 0) << anno << n;
}

constexpr int kCasiPerLettore = 300;

// The first `righe` lines of a file.
std::string inizio(const std::string& path, std::size_t righe) {
    std::istringstream in(test::leggiTesto(path));
    std::string s;
    for (std::string r; righe-- > 0 && std::getline(in, r);)
        s += r + "\n";
    return s;
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
    return test::uscitaDi(
        "cd '" + dir.cartella() + "' && /usr/bin/python3 -c \"import zipfile\n" +
        "zipfile.ZipFile('serie.zip', 'w', zipfile.ZIP_DEFLATED).write('TEGM.csv')\" && cat serie.zip");
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

TEST(LettureCasuali, FileMutatiFinisconoConUnRisultatoOUnMessaggio) {
    // Every import flushes the files it writes: on a disk, hundreds of them take most of the run.
    std::error_code ec;
    CartellaTemporanea dir(std::filesystem::is_directory("/dev/shm", ec) ? "/dev/shm"
                                                                         : std::filesystem::temp_directory_path());
    const std::string cartella = dir.cartella();
    for (const std::vector<std::string>& a :
         {std::vector<std::string>{"tassi", "importa", VANTREL_DATA_DIR "/tassi-ufficiali.csv", "--cartella", cartella},
          {"teg", VANTREL_EXAMPLES_DIR "/periodi.csv", "--report", dir.file("seme.RKT"), "--cartella", cartella}})
        ASSERT_EQ(test::esegui(a).codice, 0) << a[0];
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
