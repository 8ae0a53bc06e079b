#include "rate_windows/usurari.h"
#include "rates/set_tassi.h"
#include "rates/verifica_set.h"
#include "support/ambiente.h"
#include "support/file_tassi.h"

#include <gtest/gtest.h>

namespace vantrel {
namespace {

using test::Periodo;

std::vector<Periodo> setVecchio() {
    return {Periodo{"12003", 1, 2, 7}, Periodo{"22003", 1, 2, 8}};
}

std::vector<Periodo> setNuovo() {
    return {Periodo{"22011", 0, 0, 1}, Periodo{"32012", 0, 0, 2}, Periodo{"42013", 0, 0, 3}, Periodo{"12014", 0, 0, 4},
            Periodo{"22015", 0, 0, 5}};
}

std::vector<std::string> fileDella(const test::CartellaTemporanea& dir) {
    std::vector<std::string> nomi;
    for (const auto& e : std::filesystem::directory_iterator(dir.cartella()))
        nomi.push_back(e.path().filename().string());
    std::sort(nomi.begin(), nomi.end());
    return nomi;
}

// A crash at any step of the replacement, then a start that loads the table: the folder holds the
// whole old set or the whole new one, never a mix, and nothing else is left behind.
TEST(SetTassi, UnCrolloInOgniPassoLasciaUnSetIntero) {
    std::string errore;
    const auto nuova = leggiSetTassi(test::fileDati(setNuovo()), test::fileNumero(5), errore);
    ASSERT_TRUE(nuova) << errore;
    // The step the crash follows, and whether the new set is in force after the restart.
    const std::pair<PassoSet, bool> casi[] = {{PassoSet::DatiScritti, false},        {PassoSet::NumeroScritto, false},
                                              {PassoSet::NuoviSincronizzati, false}, {PassoSet::GiornaleScritto, false},
                                              {PassoSet::GiornaleValido, true},      {PassoSet::DatiSostituiti, true},
                                              {PassoSet::NumeroSostituito, true},    {PassoSet::GiornaleTolto, true}};
    for (const auto& [passo, nuovo] : casi) {
        SCOPED_TRACE(static_cast<int>(passo));
        test::CartellaTemporanea dir;
        test::scriviTassi(dir, setVecchio());
        scriviSetTassi(dir.cartella(), *nuova, nullptr, errore, [passo = passo](PassoSet p) { return p == passo; });

        TabellaTassi riavvio;
        ASSERT_TRUE(caricaSetTassi(riavvio, dir.cartella(), nullptr));
        EXPECT_EQ(riavvio.numPeriodi, nuovo ? 5 : 2);
        EXPECT_EQ(test::leggiByte(dir.file("NtassiU.dat")), test::fileDati(nuovo ? setNuovo() : setVecchio()));
        EXPECT_EQ(test::leggiByte(dir.file("NRectassiU.dat")), test::fileNumero(nuovo ? 5 : 2));
        EXPECT_EQ(fileDella(dir), (std::vector<std::string>{"NRectassiU.dat", "NtassiU.dat"}));
    }
}

// The repair removes only the files this program names as its own, never a user's.
TEST(SetTassi, LaRiparazioneTogliSoloIPropriFile) {
    test::CartellaTemporanea dir;
    test::scriviTassi(dir, setVecchio());
    const std::vector<std::string> altrui = {"NtassiU.dat.tmp", "~NtassiU.dat.tmp", "NtassiU.dat.0123.nuovo",
                                             "NtassiU.dat.0123456789ABCDEF.nuovo"};
    for (const auto& n : altrui)
        test::scriviTesto(dir.file(n), "mio");
    test::scriviTesto(dir.file("NtassiU.dat.0123456789abcdef.nuovo"), "avanzo");
    test::scriviTesto(dir.file("NtassiU.giornale"), "incompleto\n"); // cut short: never in force
    riparaSetTassi(dir.cartella(), nullptr);
    std::vector<std::string> attesi = altrui;
    attesi.insert(attesi.end(), {"NRectassiU.dat", "NtassiU.dat"});
    std::sort(attesi.begin(), attesi.end());
    EXPECT_EQ(fileDella(dir), attesi);
    EXPECT_EQ(test::leggiByte(dir.file("NtassiU.dat")), test::fileDati(setVecchio()));
}

// The rate window saves on the set as it is on disk: a period another program saved after the window
// opened stays, and the window's listing shows it.
TEST(SetTassi, IlSalvataggioDellaFinestraTieneIPeriodiSalvatiAltrove) {
    test::Ambiente a;
    test::scriviTassi(a.dir, setVecchio());
    Usurari u(a.ctx);
    test::scriviTassi(a.dir, {setVecchio()[0], setVecchio()[1], Periodo{"32003", 1, 2, 9}});
    u.seleziona("Combo1", 3);
    u.seleziona("Combo2", static_cast<int>(2004 - 1997));
    u.incolla("TM1", "4");
    u.clicca("OK");
    TabellaTassi t;
    ASSERT_TRUE(caricaSetTassi(t, a.dir.cartella(), nullptr));
    ASSERT_EQ(t.numPeriodi, 4);
    EXPECT_EQ(t.slot(3).periodo, "32003");
    EXPECT_EQ(t.slot(4).periodo, "42004");
    EXPECT_EQ(u["Combo3"].voci.size(), 4u);
}

} // namespace
} // namespace vantrel
