#include "support/esegui_cli.h"
#include "support/file_tassi.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>
#include <sstream>

namespace vantrel {
namespace {

using test::CartellaTemporanea;

using test::esegui;
using test::Esito;

// Files refused and wrong uses of `teg` are with the other hostile inputs (tassi_robustezza_test).
TEST(RigaDiComando, ColonneSconosciuteECelleVuote) {
    CartellaTemporanea dir;
    // An unknown column is named and left aside.
    test::scriviTesto(dir.file("note.csv"), "dal;al;Note\n01/01/2023;31/03/2023;5\n");
    const Esito note = esegui({"teg", dir.file("note.csv"), "--cartella", dir.cartella()});
    EXPECT_EQ(note.codice, 0);
    EXPECT_NE(note.err.find("colonne ignorate: \"Note\""), std::string::npos) << note.err;
    // An empty cell is a field not given: the empty Acc leaves the fido typed before it alone.
    test::scriviTesto(dir.file("vuoti.csv"),
                      "dal;al;NumeriD;intDare;fido;Acc\n01/01/2023;31/03/2023;1.000.000;100;10.000;\n");
    const Esito vuoti = esegui({"teg", dir.file("vuoti.csv"), "--cartella", dir.cartella(), "--formato", "csv"});
    EXPECT_NE(vuoti.out.find(";3,650;"), std::string::npos) << vuoti.out;
    EXPECT_EQ(vuoti.out.find("accordato"), std::string::npos) << vuoti.out;
    EXPECT_EQ(esegui({"teg"}).codice, 2);
}

// The list of `vantrel-cli --help` names every command, one a line, and each answers its own --help
// with its use: a command added without its line, or a help that drifts from its name, fails here.
TEST(RigaDiComando, LAiutoElencaOgniComandoEOgnunoHaIlSuo) {
    const Esito aiuto = esegui({"--help"});
    ASSERT_EQ(aiuto.codice, 0);
    std::istringstream righe(aiuto.out);
    std::string riga;
    std::getline(righe, riga);
    EXPECT_EQ(riga.rfind("Uso: vantrel-cli COMANDO", 0), 0u) << riga;
    int comandi = 0;
    while (std::getline(righe, riga)) {
        std::istringstream parole(riga);
        std::string comando;
        parole >> comando;
        const Esito e = esegui({comando, "--help"});
        EXPECT_EQ(e.codice, 0) << comando;
        EXPECT_EQ(e.out.rfind("Uso: vantrel-cli " + comando, 0), 0u) << comando << ": " << e.out;
        ++comandi;
    }
    EXPECT_EQ(comandi, 7);
}

TEST(RigaDiComando, ImportaScriveIFileComeLiDescriveIlFormato) {
    CartellaTemporanea dir;
    const std::string csv = dir.file("t.csv");
    test::scriviTesto(csv, "periodo;TM1;TM2;TM7;TM8;TM3;TM4;TM6;TM5;TU1;TU2;TU3;TU4;TU5;TU6\r\n"
                           "32004;9,57;8;;;7,5;6;;0,48;14,355;12;11,25;9;0,72;\r\n"
                           "12005;1;2;3;4;5;6;7;8;9;10;11;12;13;14\r\n");
    Esito e = esegui({"tassi", "importa", csv, "--cartella", dir.cartella()});
    ASSERT_EQ(e.codice, 0) << e.err;
    // In the file's order: TM7 TM8 TM1..TM6, TU1..TU6; empty rates are 0.
    const auto dati = test::leggiByte(dir.file("NtassiU.dat"));
    EXPECT_EQ(dati, test::fileDati({{"32004", 0, 0, 9.57f, 8, 7.5f, 6, 0.48f, 0, 14.355f, 12, 11.25f, 9, 0.72f, 0},
                                    {"12005", 3, 4, 1, 2, 5, 6, 8, 7, 9, 10, 11, 12, 13, 14}}));
    EXPECT_EQ(test::leggiByte(dir.file("NRectassiU.dat")), test::fileNumero(2));

    // An existing period is kept unless overwriting is asked for.
    test::scriviTesto(csv, "periodo;TM1\n32004;1\n");
    e = esegui({"tassi", "importa", csv, "--cartella", dir.cartella()});
    EXPECT_NE(e.out.find("32004"), std::string::npos);
    EXPECT_EQ(test::leggiByte(dir.file("NtassiU.dat")), dati);
    e = esegui({"tassi", "importa", csv, "--sovrascrivi", "--cartella", dir.cartella()});
    ASSERT_EQ(e.codice, 0);
    EXPECT_EQ(test::leggiByte(dir.file("NtassiU.dat")).size(), 134u);

    const std::string uscita = dir.file("esportati.csv");
    ASSERT_EQ(esegui({"tassi", "esporta", uscita, "--cartella", dir.cartella()}).codice, 0);
    // an overwrite stores every rate given, empty ones as 0; the CMS average and its threshold, entered
    // by hand where the decree printed them, stay when the file has none
    EXPECT_NE(test::leggiTesto(uscita).find("\n32004;1;;;;;;;0,48;;;;;0,72;\r\n"), std::string::npos);
}

TEST(RigaDiComando, ScriptSullaFinestraDiCalcolo) {
    CartellaTemporanea dir;
    const std::string file = dir.file("s.json");
    test::scriviTesto(file, R"({"finestra": "Taeg", "passi": [
        {"clicca": "euro"}, {"digita": ["NumeriD", "1000000a"]}, {"esci": "NumeriD"},
        {"imposta": ["intDare", "100"]}, {"esci": "intDare"}, {"imposta": ["fido", ""]},
        {"clicca": "OK"}, {"sopra": "via"}, {"seleziona": ["Combo1", 5]}, {"imposta": ["speseN", "12345"]},
        {"selezione": ["speseN", 1, 2]}, {"tasto": ["speseN", "Delete"]}],
        "risposte": ["OK"]})");
    Esito e = esegui({"script", file, "--cartella", dir.cartella(), "--oggi", "15/03/2026"});
    ASSERT_EQ(e.codice, 0) << e.err;
    const auto j = nlohmann::json::parse(e.out);
    EXPECT_EQ(j["campi"]["NumeriD"]["testo"], "1.000.000,00"); // the letter is dropped by the key filter
    EXPECT_EQ(j["campi"]["ga"]["testo"], "36600");             // index 5 is 2012, a leap year
    EXPECT_EQ(j["messaggi"].size(), 1u);
    EXPECT_EQ(j["messaggi"][0]["titolo"], "Vantrel");
    EXPECT_EQ(j["liste"]["Combo1"].size(), 21u);     // 2007 to next year
    EXPECT_EQ(j["campi"]["speseN"]["testo"], "145"); // "23", selected from 1 for 2, deleted

    test::scriviTesto(file, R"({"finestra": "Taeg", "passi": [{"clicca": "Inesistente"}]})");
    e = esegui({"script", file, "--cartella", dir.cartella()});
    EXPECT_EQ(e.codice, 1);
    EXPECT_NE(e.err.find("passo 1"), std::string::npos);
    test::scriviTesto(file, "{not json");
    EXPECT_EQ(esegui({"script", file, "--cartella", dir.cartella()}).codice, 1);
}

} // namespace
} // namespace vantrel
