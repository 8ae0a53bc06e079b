#include "shell/cartella_programma.h"
#include "support/temp_dir.h"

#include <gtest/gtest.h>

namespace vantrel {
namespace {
namespace fs = std::filesystem;

// An installed program gives the user's folder the official series whenever it lacks it, also a
// folder that has its rate set from an earlier version; a series already there stays.
TEST(SerieInstallata, LaCartellaDellUtenteRiceveLaSerieSeNonLHa) {
    struct Caso {
        const char* giaUtente; // "" none, "tassi" the rate set only, "serie" the rate set and a series
        const char* attesa;
    };
    const Caso casi[] = {{"", "serie installata"}, {"tassi", "serie installata"}, {"serie", "serie dell'utente"}};
    for (const Caso& c : casi) {
        test::CartellaTemporanea radice;
        const fs::path bin = radice.file("bin"), share = radice.file("share/vantrel"), utente = radice.file("u");
        fs::create_directories(bin);
        fs::create_directories(share);
        for (const char* f : {"NtassiU.dat", "NRectassiU.dat"})
            test::scriviTesto((share / f).string(), "x");
        test::scriviTesto((share / "serie-ufficiale.csv").string(), "serie installata");
        if (*c.giaUtente) {
            fs::create_directories(utente);
            for (const char* f : {"NtassiU.dat", "NRectassiU.dat"})
                test::scriviTesto((utente / f).string(), "y");
            if (std::string(c.giaUtente) == "serie")
                test::scriviTesto((utente / "serie-ufficiale.csv").string(), "serie dell'utente");
        }
        const SceltaCartella s = scegliCartella(bin, true, utente);
        EXPECT_EQ(s.cartella, utente);
        EXPECT_EQ(test::leggiTesto((utente / "serie-ufficiale.csv").string()), c.attesa) << c.giaUtente;
    }
}

} // namespace
} // namespace vantrel
