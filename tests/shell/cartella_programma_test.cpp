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

class SceltaCartellaTest : public ::testing::TestWithParam<Caso> {};

TEST_P(SceltaCartellaTest, ChoosesFolderAndFillsRateSetOnce) {
    const Caso& c = GetParam();
    test::CartellaTemporanea radice;
    const fs::path bin = fs::path(radice.file("bin")), share = fs::path(radice.file("share/vantrel"));
    const fs::path utente = fs::path(radice.file("utente/vantrel"));
    fs::create_directories(bin);
    if (c.installato) {
        fs::create_directories(share);
        test::scriviByte((share / "NtassiU.dat").string(), kTabella);
        test::scriviByte((share / "NRectassiU.dat").string(), kConteggio);
    }
    const std::string gia = c.giaUtente;
    if (!gia.empty()) {
        fs::create_directories(utente);
        test::scriviByte((utente / "NRectassiU.dat").string(), {7, 0});
        if (gia == "entrambi") test::scriviByte((utente / "NtassiU.dat").string(), {'4'});
    }

    const SceltaCartella s = scegliCartella(bin.string() + "/", c.scrivibile, utente);

    EXPECT_EQ(s.cartella, c.attesoUtente ? utente : bin);
    EXPECT_EQ(s.portatile, !c.attesoUtente);
    EXPECT_EQ(s.tassiCopiati, c.attesoCopiati);
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
    Casi, SceltaCartellaTest,
    ::testing::Values(Caso{"PortableCopyKeepsFilesBesideExecutable", true, false, "", false, false},
                      Caso{"InstalledButWritableUsesUserFolder", true, true, "", true, true},
                      Caso{"ReadOnlyFirstStartCopiesDefaultRates", false, true, "", true, true},
                      Caso{"ReadOnlyLaterStartKeepsUserRates", false, true, "entrambi", true, false},
                      Caso{"HalfRateSetIsNotOverwritten", false, true, "conteggio", true, false},
                      Caso{"DefaultRateSetMissingStartsEmpty", false, false, "", true, false}),
    [](const ::testing::TestParamInfo<Caso>& i) { return std::string(i.param.nome); });

TEST(CartellaUtenteTest, FollowsXdgThenHome) {
    EXPECT_EQ(cartellaUtente("/dati", "/home/a"), fs::path("/dati/vantrel"));
    EXPECT_EQ(cartellaUtente("relativa", "/home/a"), fs::path("/home/a/.local/share/vantrel"));
    EXPECT_EQ(cartellaUtente(nullptr, "/home/a"), fs::path("/home/a/.local/share/vantrel"));
    EXPECT_EQ(cartellaUtente("", nullptr), fs::path());
}

TEST(CartellaUtenteTest, NoUserFolderKeepsExecutableFolder) {
    EXPECT_EQ(scegliCartella("/opt/vantrel", false, {}).cartella, fs::path("/opt/vantrel"));
}

TEST(CartellaScrivibileTest, TriesWithoutLeavingFiles) {
    test::CartellaTemporanea t;
    test::scriviTesto(t.file("file"), "x");
    EXPECT_TRUE(cartellaScrivibile(t.file("")));
    EXPECT_FALSE(cartellaScrivibile(t.file("file")));
    EXPECT_EQ(std::distance(fs::directory_iterator(t.file("")), fs::directory_iterator()), 1);
}

} // namespace
} // namespace vantrel
