#include "shell/cartella_programma.h"
#include "support/temp_dir.h"

#include <gtest/gtest.h>

namespace vantrel {
namespace {
namespace fs = std::filesystem;

const std::vector<unsigned char> kTabella{'3', '2', '0', '0', '4'}, kConteggio{1, 0};

struct Caso {
    const char* nome;
    bool scrivibile;       // the executable's folder can be written
    bool installato;       // ../share/vantrel holds the default rate set
    const char* giaUtente; // rate files already in the user folder: "", "entrambi", "conteggio"
    bool attesoUtente;     // the user folder is chosen
    bool attesoCopiati;
};

class ProvaSceltaCartella : public ::testing::TestWithParam<Caso> {};

TEST_P(ProvaSceltaCartella, SceglieLaCartellaERiempieIlSetDeiTassiUnaVolta) {
    const Caso& c = GetParam();
    test::CartellaTemporanea radice;
    const fs::path bin = fs::path(radice.file("bin")), share = fs::path(radice.file("share/vantrel"));
    const fs::path utente = fs::path(radice.file("utente/vantrel"));
    fs::create_directories(bin);
    if (c.installato) {
        fs::create_directories(share);
        test::scriviByte((share / "NtassiU.dat").string(), kTabella);
        test::scriviByte((share / "NRectassiU.dat").string(), kConteggio);
        test::scriviTesto((share / "serie-ufficiale.csv").string(), "installata");
    }
    const std::string gia = c.giaUtente;
    if (!gia.empty()) {
        fs::create_directories(utente);
        test::scriviByte((utente / "NRectassiU.dat").string(), {7, 0});
        if (gia == "entrambi") test::scriviByte((utente / "NtassiU.dat").string(), {'4'});
        if (gia == "entrambi") test::scriviTesto((utente / "serie-ufficiale.csv").string(), "dell'utente");
    }

    const SceltaCartella s = scegliCartella(bin.string() + "/", c.scrivibile, utente);

    EXPECT_EQ(s.cartella, c.attesoUtente ? utente : bin);
    EXPECT_EQ(s.portatile, !c.attesoUtente);
    EXPECT_EQ(s.tassiCopiati, c.attesoCopiati);
    // The series arrives on its own too, also in a folder with a rate set from an earlier version.
    if (c.attesoUtente && c.installato) {
        EXPECT_EQ(test::leggiTesto((utente / "serie-ufficiale.csv").string()),
                  gia == "entrambi" ? "dell'utente" : "installata");
    }
    if (!c.attesoUtente) {
        EXPECT_FALSE(fs::exists(utente));
    } else if (c.attesoCopiati) {
        EXPECT_EQ(test::leggiByte((utente / "NtassiU.dat").string()), kTabella);
        EXPECT_EQ(test::leggiByte((utente / "NRectassiU.dat").string()), kConteggio);
    } else if (!gia.empty()) { // the user's own files stay as they were
        EXPECT_EQ(test::leggiByte((utente / "NRectassiU.dat").string()), (std::vector<unsigned char>{7, 0}));
        EXPECT_EQ(fs::exists(utente / "NtassiU.dat"), gia == "entrambi");
    } else if (c.attesoUtente) {
        EXPECT_TRUE(fs::is_directory(utente));
        EXPECT_FALSE(fs::exists(utente / "NtassiU.dat"));
    }
}

INSTANTIATE_TEST_SUITE_P(
    Casi, ProvaSceltaCartella,
    ::testing::Values(Caso{"PortableCopyKeepsFilesBesideExecutable", true, false, "", false, false},
                      Caso{"InstalledButWritableUsesUserFolder", true, true, "", true, true},
                      Caso{"ReadOnlyFirstStartCopiesDefaultRates", false, true, "", true, true},
                      Caso{"ReadOnlyLaterStartKeepsUserRates", false, true, "entrambi", true, false},
                      Caso{"HalfRateSetIsNotOverwritten", false, true, "conteggio", true, false},
                      Caso{"DefaultRateSetMissingStartsEmpty", false, false, "", true, false}),
    [](const ::testing::TestParamInfo<Caso>& i) { return std::string(i.param.nome); });

// The user's folder and the documents folder follow the environment.
TEST(CartellaUtente, SegueXdgPoiHomeEDocumenti) {
    EXPECT_EQ(cartellaUtente("/dati", "/home/a"), fs::path("/dati/vantrel"));
    EXPECT_EQ(cartellaUtente("relativa", "/home/a"), fs::path("/home/a/.local/share/vantrel"));
    EXPECT_EQ(cartellaUtente(nullptr, "/home/a"), fs::path("/home/a/.local/share/vantrel"));
    EXPECT_EQ(cartellaUtente("", nullptr), fs::path());
    EXPECT_EQ(scegliCartella("/opt/vantrel", false, {}).cartella, fs::path("/opt/vantrel"));
    test::CartellaTemporanea casa;
    const std::string home = casa.cartella();
    EXPECT_EQ(cartellaDocumenti("/dati/Documenti", home.c_str()), fs::path("/dati/Documenti"));
    EXPECT_EQ(cartellaDocumenti("relativa", home.c_str()), fs::path(home) / "Documenti"); // neither exists
    fs::create_directories(casa.file("Documents"));
    EXPECT_EQ(cartellaDocumenti(nullptr, home.c_str()), fs::path(home) / "Documents");
    fs::create_directories(casa.file("Documenti"));
    EXPECT_EQ(cartellaDocumenti("", home.c_str()), fs::path(home) / "Documenti");
    EXPECT_EQ(cartellaDocumenti(nullptr, nullptr), fs::path());
}

TEST(CartellaScrivibile, ProvaSenzaLasciareFile) {
    test::CartellaTemporanea t;
    test::scriviTesto(t.file("file"), "x");
    EXPECT_TRUE(cartellaScrivibile(t.file("")));
    EXPECT_FALSE(cartellaScrivibile(t.file("file")));
    EXPECT_EQ(std::distance(fs::directory_iterator(t.file("")), fs::directory_iterator()), 1);
}

// Reports of an installed program go where the user sees them: `Vantrel` in the documents folder.
TEST(CartellaReport, DocumentiDellUtentePerUnaCopiaInstallata) {
    test::CartellaTemporanea radice;
    const fs::path programma = radice.file("dati"), documenti = radice.file("Documenti");
    fs::create_directories(programma);
    fs::create_directories(documenti);
    test::scriviByte(radice.file("file"), {'x'});
    struct CasoReport {
        const char* nome;
        bool portatile;
        fs::path documenti;
        fs::path atteso;
    };
    const CasoReport casi[] = {
        {"copia portatile", true, documenti, programma},
        {"copia installata", false, documenti, documenti / "Vantrel"},
        {"documenti non utilizzabili", false, fs::path(radice.file("file")), programma},
    };
    for (const CasoReport& c : casi) {
        SCOPED_TRACE(c.nome);
        EXPECT_EQ(cartellaReport(SceltaCartella{programma, c.portatile, false}, c.documenti), c.atteso);
        EXPECT_TRUE(fs::is_directory(c.atteso));
        EXPECT_EQ(fs::exists(documenti / "Vantrel"), !c.portatile);
    }
}

} // namespace
} // namespace vantrel
