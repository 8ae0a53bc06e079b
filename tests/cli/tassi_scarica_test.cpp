// `tassi scarica` against a real HTTPS server on 127.0.0.1: a series that lacks most periods of the
// table updates what it has and removes nothing; what is refused leaves the rate files as they were.
#include "rates/set_tassi.h"
#include "support/esegui_cli.h"
#include "support/server_prova.h"

#include <gtest/gtest.h>

namespace vantrel {
namespace {

// The official series up to 2005, a third of it, zipped as the Bank of Italy publishes it.
void serieTagliata(const test::CartellaTemporanea& remota) {
    const std::string comando =
        "/usr/bin/python3 -c \"import sys, zipfile\n"
        "righe = open(sys.argv[1], encoding='utf-8').read().splitlines()\n"
        "tenute = [righe[0]] + [r for r in righe[1:] if int(r[6:10]) <= 2005]\n"
        "zipfile.ZipFile(sys.argv[2], 'w').writestr('TEGM.csv', '\\n'.join(tenute) + '\\n')\" " VANTREL_DATA_DIR
        "/serie-ufficiale-completa.csv " +
        remota.file("TEGM_serie_storica.zip");
    ASSERT_EQ(std::system(comando.c_str()), 0);
}

TEST(TassiScarica, UnaSerieRidottaAggiornaENonTogliePeriodi) {
    const test::Certificati& cert = test::certificati();
    test::CartellaTemporanea dir, remota;
    serieTagliata(remota);
    test::Server server("/usr/bin/python3 " VANTREL_SERVER_HTTPS " " + remota.cartella() + " " +
                        cert.dir.file("server.pem") + " " + cert.dir.file("server.key") + " nessuno");
    ASSERT_GT(server.porta(), 0) << "the test server (python3-openssl) did not start";
    const std::string base = "https://127.0.0.1:" + std::to_string(server.porta()) + "/";
    ASSERT_EQ(test::esegui({"tassi", "importa", VANTREL_DATA_DIR "/tassi-ufficiali.csv", "--cartella", dir.cartella()})
                  .codice,
              0);
    test::scriviTesto(dir.file("ritocco.csv"), "periodo;TM1\n12000;99\n"); // a period the series corrects
    ASSERT_EQ(test::esegui({"tassi", "importa", dir.file("ritocco.csv"), "--sovrascrivi", "--cartella", dir.cartella()})
                  .codice,
              0);
    test::scriviTesto(dir.file("ServerTassi.ini"), "tipo=https\nindirizzo=" + base + "TEGM_serie_storica.zip\n" +
                                                       "certificati=" + cert.dir.file("server.pem") + "\n");
    TabellaTassi prima;
    ASSERT_TRUE(caricaSetTassi(prima, dir.cartella(), nullptr));
    const struct {
        std::vector<std::string> opzioni;
        int codice;
        const char* messaggio; // on the error stream, empty when none
    } casi[] = {
        {{"--indirizzo", "http://127.0.0.1:" + std::to_string(server.porta()) + "/TEGM_serie_storica.zip"},
         1,
         "server dei tassi deve usare una connessione cifrata (https)"},
        {{"--indirizzo", base + "manca.zip"}, 1, "I tassi già presenti non sono stati modificati."},
        {{"--indirizzo"}, 2, "manca il valore dell'opzione --indirizzo"},
        {{"ancora"}, 2, "comando non valido"},
        {{}, 0, ""},
    };
    for (const auto& c : casi) {
        SCOPED_TRACE(c.opzioni.empty() ? "dalle impostazioni" : c.opzioni.back());
        std::vector<std::string> args = {"tassi", "scarica", "--cartella", dir.cartella()};
        args.insert(args.end(), c.opzioni.begin(), c.opzioni.end());
        const test::Esito e = test::esegui(args);
        EXPECT_EQ(e.codice, c.codice) << e.err;
        EXPECT_NE(e.err.find(c.messaggio), std::string::npos) << e.err;
        TabellaTassi dopo;
        ASSERT_TRUE(caricaSetTassi(dopo, dir.cartella(), nullptr));
        ASSERT_EQ(dopo.validi(), prima.validi()) << "no period is ever removed";
        for (int i = 1; i <= prima.validi(); ++i) {
            const RecordTassi& r = prima.slot(i);
            const RecordTassi& d = dopo.slot(dopo.cercaPeriodo(r.periodo));
            if (c.codice == 0 && r.periodo == "12000") {
                EXPECT_EQ(d.TM[1], 11.78f) << "updated from the series";
                EXPECT_NE(e.out.find("0 periodi nuovi, 1 modificati"), std::string::npos) << e.out;
            } else {
                EXPECT_EQ(d.codifica(), r.codifica()) << r.periodo;
            }
        }
    }
}

} // namespace
} // namespace vantrel
