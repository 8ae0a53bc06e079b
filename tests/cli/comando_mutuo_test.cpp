#include "support/esegui_cli.h"
#include "support/temp_dir.h"

#include <filesystem>
#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

namespace vantrel {
namespace {

test::Esito esegui(std::vector<std::string> args) {
    args.insert(args.begin(), "mutuo");
    return test::esegui(std::move(args));
}

TEST(ComandoMutuo, CampiEMessaggiComeTesto) {
    // The options, then texts each found in the output.
    const std::pair<std::vector<std::string>, std::vector<std::string>> casi[] = {
        {{"--scadenza", "Trimestrale", "--importo", "10000", "--anni", "2", "--tasso", "5"},
         {"txtNumRate: 8\n", "PIANO D'AMMORTAMENTO IN EURO"}},
        {{"--importo", "100000", "--tasso", "6", "--rata", "1.110,21"}, {"txtNumRate: 120\n"}},
        {{"--tasso", "5"}, {"messaggio: Ho bisogno di almeno 2 dei seguenti dati: |  | Importo Mutuo |"}},
    };
    for (const auto& [opzioni, righe] : casi) {
        const auto u = esegui(opzioni);
        ASSERT_EQ(u.codice, 0) << u.err;
        for (const std::string& r : righe)
            EXPECT_NE(u.out.find(r), std::string::npos) << r << " in\n" << u.out;
    }
}

TEST(ComandoMutuo, VerificaUsuraDelMutuo) {
    test::CartellaTemporanea dir;
    std::filesystem::copy_file(VANTREL_DATA_DIR "/serie-ufficiale-completa.csv",
                               dir.cartella() + "serie-ufficiale.csv");
    const auto u = esegui({"--importo", "10000", "--rate", "48", "--tasso", "15", "--tipo", "CREDITO PERS",
                           "--data-contratto", "15/01/2026", "--assicurazione", "1000", "--tasso-mora", "20",
                           "--mora-sommata", "--cartella", dir.cartella()});
    ASSERT_EQ(u.codice, 0) << u.err;
    for (const char* r :
         {"txtTegUsura: 23,0486\n", "txtEsitoUsura: oltre la soglia di 4,7236 punti\n", "txtSogliaMora: 22,2000\n",
          "(35,0000) oltre la soglia", "usura: Categoria: Credito personale\n"})
        EXPECT_NE(u.out.find(r), std::string::npos) << r << " in\n" << u.out;
    EXPECT_EQ(esegui({"--tipo", "mutuo agrario"}).codice, 2);
}

TEST(ComandoMutuo, ErroriDUsoEsconoConDue) {
    const std::vector<std::string> casi[] = {{"--sconosciuta", "1"}, {"--scadenza", "Settimanale"},
                                             {"--formato", "csv"},   {"--oggi", "32/01/2026"},
                                             {"--importo"},          {"--csv", "/non/esiste.csv"}};
    for (const auto& args : casi) {
        const auto u = esegui(args);
        EXPECT_EQ(u.codice, 2) << args[0];
        EXPECT_FALSE(u.err.empty());
        EXPECT_TRUE(u.out.empty());
    }
    EXPECT_EQ(esegui({"--help"}).codice, 0);
}

TEST(ComandoMutuo, MutuiDaCsvEDatiErrati) {
    test::CartellaTemporanea dir;
    const auto buono = dir.file("buono.csv");
    test::scriviTesto(buono, "scadenza;txtImporto;txtNumRate;txtTasso\r\nMensile;100000;120;6\r\nAnnuale;10000;;5\r\n");
    const auto u = esegui({"--csv", buono, "--formato", "json"});
    ASSERT_EQ(u.codice, 0) << u.err;
    const auto j = nlohmann::json::parse(u.out);
    ASSERT_EQ(j.size(), 2u);
    EXPECT_EQ(j[0]["campi"]["txtRata"], "1.110,21");
    EXPECT_EQ(j[1]["messaggi"].size(), 1u);

    const auto cattivo = dir.file("cattivo.csv");
    test::scriviTesto(cattivo, "scadenza;txtImporto\nMensile;1000\nSettimanale;1000\n");
    const auto e = esegui({"--csv", cattivo});
    EXPECT_EQ(e.codice, 1);
    EXPECT_NE(e.err.find("cattivo.csv, riga 3"), std::string::npos) << e.err;
    EXPECT_NE(e.err.find("scadenza"), std::string::npos);
    EXPECT_TRUE(e.out.empty());
}

} // namespace
} // namespace vantrel
