#include "support/esegui_cli.h"
#include "support/temp_dir.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

namespace vantrel {
namespace {

// A rule chosen by hand holds after 2011 too; an empty cell follows the date.
TEST(NormaPerDataCli, SenzaColonnaNormaValeLaData) {
    test::CartellaTemporanea dir;
    ASSERT_EQ(test::esegui({"tassi", "importa", VANTREL_DATA_DIR "/tassi-ufficiali.csv", "--cartella", dir.cartella()})
                  .codice,
              0);
    test::scriviTesto(dir.file("p.csv"), "dal;al;categoria;Acc;norma\n"
                                         "01/10/2020;31/12/2020;Conto anticipi;30.000;\n"
                                         "01/10/2020;31/12/2020;Conto anticipi;30.000;vecchia norma\n");
    const test::Esito e = test::esegui(
        {"teg", dir.file("p.csv"), "--formato", "json", "--cartella", dir.cartella(), "--oggi", "05/12/2026"});
    ASSERT_EQ(e.codice, 0) << e.err;
    const auto j = nlohmann::json::parse(e.out);
    ASSERT_EQ(j.size(), 2u);
    EXPECT_EQ(j[0]["campi"]["soglia"], "12,825");
    EXPECT_EQ(j[1]["campi"]["soglia"], "10,59");
    EXPECT_EQ(j[0]["campi"]["ClasseSoglia"], "Conto anticipi, fino a 50.000 euro");
}

} // namespace
} // namespace vantrel
