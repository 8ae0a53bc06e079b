#include "common/righe_csv.h"
#include "rates/riferimento_serie.h"
#include "rates/set_tassi.h"
#include "support/esegui_cli.h"
#include "support/temp_dir.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>
#include <sstream>

namespace vantrel {
namespace {

using test::esegui;
using test::Esito;

TEST(ComandoSoglie, SoglieAllaDataNellaValutaDellaDataEImportazioneDellaSerie) {
    test::CartellaTemporanea dir;
    const std::string serie = VANTREL_DATA_DIR "/serie-ufficiale-completa.csv";
    // No series yet: bad data; after the import the same question answers.
    EXPECT_EQ(esegui({"soglie", "--data", "01/02/2018", "--cartella", dir.cartella()}).codice, 1);
    EXPECT_EQ(esegui({"tassi", "importa-serie", dir.file("manca.zip"), "--cartella", dir.cartella()}).codice, 2);
    test::scriviTesto(dir.file("x.csv"), "INIZIO;FINE\n");
    EXPECT_EQ(esegui({"tassi", "importa-serie", dir.file("x.csv"), "--cartella", dir.cartella()}).codice, 1);
    const Esito importa = esegui({"tassi", "importa-serie", serie, "--cartella", dir.cartella()});
    ASSERT_EQ(importa.codice, 0) << importa.err;
    EXPECT_NE(importa.out.find("119 periodi nuovi"), std::string::npos);
    EXPECT_EQ(test::leggiTesto(dir.file(kFileSerieUfficiale)), test::leggiTesto(serie));

    // The series gives the bundled default set: the same averages, the thresholds the decrees printed with
    // four decimals rounded to the series' two, and no CMS, which the series does not have.
    test::CartellaTemporanea predefinito;
    const Esito base =
        esegui({"tassi", "importa", VANTREL_DATA_DIR "/tassi-ufficiali.csv", "--cartella", predefinito.cartella()});
    ASSERT_EQ(base.codice, 0) << base.err;
    TabellaTassi attesa, importata;
    ASSERT_TRUE(caricaSetTassi(attesa, predefinito.cartella(), nullptr));
    ASSERT_TRUE(caricaSetTassi(importata, dir.cartella(), nullptr));
    ASSERT_EQ(importata.validi(), attesa.validi());
    for (int i = 1; i <= attesa.validi(); ++i) {
        const RecordTassi &a = attesa.slot(i), &b = importata.slot(i);
        ASSERT_EQ(b.periodo, a.periodo);
        for (std::size_t k = 1; k <= 8; ++k)
            EXPECT_EQ(b.TM[k], k == 5 ? 0 : a.TM[k]) << a.periodo << " TM" << k;
        for (std::size_t k = 1; k <= 6; ++k)
            EXPECT_NEAR(b.TU[k], k == 5 ? 0 : a.TU[k], 0.005 + 1e-5) << a.periodo << " TU" << k;
    }

    struct Caso {
        std::vector<std::string> opzioni;
        int codice;
        std::size_t righe; // objects of the JSON answer
    };
    const Caso casi[] = {
        {{"--data", "01/02/2018"}, 0, 24},                           // every category and class
        {{"--data", "01/02/2018", "--categoria", "anticipi"}, 0, 3}, // every class of one category
        {{"--data", "01/02/2018", "--categoria", "anticipi", "--importo", "30000"}, 0, 1},
        {{"--data", "01/02/2018", "--importo", "1500"}, 0, 16},     // the one class of each category that holds it
        {{"--data", "01/02/2018", "--categoria", "leasing"}, 1, 0}, // several categories
        {{"--data", "01/01/2027"}, 1, 0},                           // after the series
        {{"--data", "31/02/2018"}, 2, 0},
        {{"--data", "01/02/2018", "--formato", "xml"}, 2, 0},
        {{"--data", "15/02/2003", "--categoria", "aperture di credito", "--importo", "5000", "--valuta", "dollari"},
         2,
         0},
    };
    for (const Caso& c : casi) {
        std::vector<std::string> args = {"soglie", "--cartella", dir.cartella(), "--formato", "json"};
        if (std::find(c.opzioni.begin(), c.opzioni.end(), "--formato") != c.opzioni.end()) args.resize(3);
        args.insert(args.end(), c.opzioni.begin(), c.opzioni.end());
        const Esito e = esegui(args);
        EXPECT_EQ(e.codice, c.codice) << c.opzioni[1] << e.err;
        if (c.codice != 0) {
            EXPECT_FALSE(e.err.empty());
            continue;
        }
        const auto json = nlohmann::json::parse(e.out);
        EXPECT_EQ(json.size(), c.righe);
        EXPECT_EQ(json[0]["periodo"], "01/01/2018 - 31/03/2018");
    }
    const Esito csv = esegui({"soglie", "--data", "20/02/2018", "--categoria", "anticipi", "--importo", "30000",
                              "--formato", "csv", "--cartella", dir.cartella()});
    EXPECT_NE(csv.out.find(";7,3839;nuova norma: TEGM × 1,25 + 4 punti, al massimo TEGM + 8 punti;13,229875;13,2299;"),
              std::string::npos)
        << csv.out;

    // Read back by the format's rules, every CSV cell is the JSON answer's field: the names of 2026
    // hold ";" and come quoted whole.
    const auto soglie = [&](const char* formato) {
        return esegui({"soglie", "--data", "15/01/2026", "--formato", formato, "--cartella", dir.cartella()}).out;
    };
    std::istringstream celle(soglie("csv"));
    RigheCsv righe(celle);
    std::vector<CellaFoglio> r;
    int n = 0;
    ASSERT_TRUE(righe.prossima(r, n)); // the header
    for (const auto& o : nlohmann::ordered_json::parse(soglie("json"))) {
        ASSERT_TRUE(righe.prossima(r, n));
        ASSERT_EQ(r.size(), o.size()) << n;
        std::size_t k = 0;
        for (const auto& [chiave, valore] : o.items())
            EXPECT_EQ(r[k++].testo, valore.get<std::string>()) << n << " " << chiave;
    }

    // The amount is in the currency of the date (lire up to 31/12/2001) unless --valuta says otherwise, and
    // "fino a" holds its limit: 5.000 euro are 9.681.350 lire, 10 million lire 5.164,57 euro (the decrees'
    // classes of 1999 and 2003). No surcharge of default interest before the decree of 25/03/2003.
    struct InValuta {
        const char *data, *importo, *valuta, *classe, *come;
    };
    const InValuta valute[] = {
        {"15/02/1999", "10.000.000", nullptr, "fino a 10 milioni di lire", "10.000.000 lire (la valuta della data)"},
        {"15/02/1999", "10.000.001", nullptr, "oltre 10 milioni di lire", "10.000.001 lire (la valuta della data)"},
        {"15/02/1999", "5000", "euro", "fino a 10 milioni di lire", "5.000,00 euro (--valuta)"},
        {"15/02/2003", "5000", nullptr, "fino a 5.000 euro", "5.000,00 euro (la valuta della data)"},
        {"15/02/2003", "5000,01", nullptr, "oltre 5.000 euro", "5.000,01 euro (la valuta della data)"},
        {"15/02/2003", "10.000.000", "lire", "oltre 5.000 euro", "10.000.000 lire (--valuta)"},
    };
    for (const InValuta& c : valute) {
        SCOPED_TRACE(std::string(c.data) + " " + c.importo);
        std::vector<std::string> args = {"soglie",    "--data",  c.data,       "--categoria",  "aperture di credito",
                                         "--importo", c.importo, "--cartella", dir.cartella(), "--formato",
                                         "json"};
        if (c.valuta) args.insert(args.end(), {"--valuta", c.valuta});
        const Esito e = esegui(args);
        ASSERT_EQ(e.codice, 0) << e.err;
        const auto json = nlohmann::json::parse(e.out);
        ASSERT_EQ(json.size(), 1u);
        EXPECT_EQ(json[0]["classe"], c.classe);
        EXPECT_EQ(json[0]["importo"], c.come);
        EXPECT_EQ(json[0]["soglia_mora"], "");
        EXPECT_NE(json[0]["maggiorazione_mora"].get<std::string>().find("D.M. 25/03/2003"), std::string::npos);
    }
}

} // namespace
} // namespace vantrel
