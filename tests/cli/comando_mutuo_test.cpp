#include "support/esegui_cli.h"
#include "support/temp_dir.h"

#include <chrono>
#include <filesystem>
#include <gtest/gtest.h>
#include <map>
#include <nlohmann/json.hpp>

namespace vantrel {
namespace {

test::Esito esegui(std::vector<std::string> args) {
    args.insert(args.begin(), "mutuo");
    return test::esegui(std::move(args));
}

// The usury check reads the official series of the program folder.
TEST(ComandoMutuo, CampiEMessaggiComeTestoEDatiNonAmmessi) {
    test::CartellaTemporanea dir;
    std::filesystem::copy_file(VANTREL_DATA_DIR "/serie-ufficiale-completa.csv",
                               dir.cartella() + "serie-ufficiale.csv");
    // The options, the exit code (1: the window said why it could not), then texts each found in the output.
    const std::tuple<std::vector<std::string>, int, std::vector<std::string>> casi[] = {
        {{"--scadenza", "Trimestrale", "--importo", "10000", "--anni", "2", "--tasso", "5"},
         0,
         {"txtNumRate: 8\n", "PIANO D'AMMORTAMENTO IN EURO"}},
        {{"--importo", "100000", "--tasso", "6", "--rata", "1.110,21"}, 0, {"txtNumRate: 120\n"}},
        {{"--tasso", "5"}, 1, {"messaggio: Ho bisogno di almeno 2 dei seguenti dati: |  | Importo Mutuo |"}},
        {{"--importo", "10000", "--rate", "48", "--tasso", "15", "--tipo", "CREDITO PERS", "--data-contratto",
          "15/01/2026", "--assicurazione", "1000", "--tasso-mora", "20", "--mora-sommata"},
         0,
         {"txtTegUsura: 23,0486\n", "txtEsitoUsura: oltre la soglia di 4,7236 punti\n", "txtSogliaMora: 22,2000\n",
          "(35,0000) oltre la soglia", "usura: Categoria: Credito personale\n"}},
        // Neither a kind of the list nor an official category of the date.
        {{"--importo", "10000", "--rate", "48", "--tasso", "15", "--tipo", "mutuo agrario", "--data", "15/01/2026"},
         1,
         {"txtEsitoUsura: Soglia non trovata per \"mutuo agrario\""}},
    };
    for (auto [opzioni, codice, righe] : casi) {
        opzioni.insert(opzioni.end(), {"--cartella", dir.cartella()});
        const auto u = esegui(opzioni);
        ASSERT_EQ(u.codice, codice) << u.err;
        for (const std::string& r : righe)
            EXPECT_NE(u.out.find(r), std::string::npos) << r << " in\n" << u.out;
    }
    // Each figure no loan can have is refused naming its field, with exit 1: a bad figure of the loan
    // leaves no plan, one of the usury check no verdict.
    struct Caso {
        const char *opzione, *valore, *messaggio;
        bool delMutuo; // a figure of the loan itself: no plan either
    };
    const Caso rifiuti[] = {
        {"--assicurazione", "-1000", "Il campo \"Assicurazione\" non può essere negativo.", false},
        {"--perizia", "-1", "Il campo \"Perizia\" non può essere negativo.", false},
        {"--tasso-mora", "abc", "Il campo \"Tasso di mora\" non contiene un numero valido.", false},
        {"--tasso-mora", "1000", "Il campo \"Tasso di mora\" deve essere un tasso tra 0 e 999,99.", false},
        {"--tasso", "-5", "Il campo \"Tasso Annuo\" deve essere compreso tra 0 e 999,99.", true},
        {"--tasso", "1000", "Il campo \"Tasso Annuo\" deve essere compreso tra 0 e 999,99.", true},
        {"--data", "31/02/2020", "Il campo \"Data erogazione\" non contiene una data valida (gg/mm/aaaa).", true},
        {"--spese-iniziali", "20000", "Il campo \"Spese iniziali\" non può raggiungere l'importo del mutuo", true},
        {"--spese-rata", "-4", "Il campo \"Spese per rata\" non può essere negativo.", true},
    };
    for (const Caso& c : rifiuti) {
        SCOPED_TRACE(c.opzione);
        std::map<std::string, std::string> opzioni = {{"--importo", "20000"},
                                                      {"--rate", "60"},
                                                      {"--tasso", "9"},
                                                      {"--data", "10/01/2026"},
                                                      {"--tipo", "Credito personale"}};
        opzioni[c.opzione] = c.valore;
        std::vector<std::string> args = {"--cartella", dir.cartella()};
        for (const auto& [o, v] : opzioni)
            args.insert(args.end(), {o, v});
        const auto u = esegui(args);
        EXPECT_EQ(u.codice, 1);
        EXPECT_NE(u.out.find(c.messaggio), std::string::npos) << u.out;
        EXPECT_EQ(u.out.find("la soglia"), std::string::npos) << u.out;
        EXPECT_EQ(u.out.find("PIANO D'AMMORTAMENTO") == std::string::npos, c.delMutuo) << u.out;
    }
    // The loan that once froze the search for seconds answers at once.
    const auto inizio = std::chrono::steady_clock::now();
    const auto u = esegui({"--scadenza", "Annuale", "--rate", "12", "--rata", "0,01"});
    EXPECT_LT(std::chrono::steady_clock::now() - inizio, std::chrono::milliseconds(500));
    EXPECT_EQ(u.codice, 1);
    EXPECT_NE(u.out.find("TxtTaeg: \n"), std::string::npos) << u.out;
    EXPECT_NE(u.out.find("messaggio: Ho bisogno di uno dei seguenti dati"), std::string::npos) << u.out;
}

TEST(ComandoMutuo, MutuiDaCsvDatiErratiEdErroriDUso) {
    test::CartellaTemporanea dir;
    const auto buono = dir.file("buono.csv");
    test::scriviTesto(buono, "scadenza;txtImporto;txtNumRate;txtTasso\r\nMensile;100000;120;6\r\nAnnuale;10000;;5\r\n");
    const auto u = esegui({"--csv", buono, "--formato", "json"});
    ASSERT_EQ(u.codice, 1) << u.err; // the second loan lacks a figure
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
    // Wrong uses exit with 2.
    const std::vector<std::string> casi[] = {
        {"--sconosciuta", "1"}, {"--scadenza", "Settimanale"}, {"--formato", "csv"},        {"--oggi", "32/01/2026"},
        {"--importo"},          {"--csv", "/non/esiste.csv"},  {"--intermediario", "posta"}};
    for (const auto& args : casi) {
        const auto r = esegui(args);
        EXPECT_EQ(r.codice, 2) << args[0];
        EXPECT_FALSE(r.err.empty());
        EXPECT_TRUE(r.out.empty());
    }
}

} // namespace
} // namespace vantrel
