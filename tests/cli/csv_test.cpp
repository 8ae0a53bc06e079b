#include "csv.h"

#include <gtest/gtest.h>

namespace vantrel {
namespace {

using Righe = std::vector<std::vector<std::string>>;

TEST(LettoreCsv, VirgoletteBomEFineRiga) {
    struct Caso {
        const char* nome;
        std::string testo;
        Righe righe;
        std::vector<int> numeri; // line of each row in the file
    };
    const Caso casi[] = {
        {"virgolette", "dal;al\n\"01/01/2023\";\"a;b\"\n", {{"01/01/2023", "a;b"}}, {2}},
        {"virgolette raddoppiate", "dal;al\n\"x \"\"y\"\"\";\"\"\"\"\n", {{"x \"y\"", "\""}}, {2}},
        {"BOM", std::string("\xEF\xBB\xBF") + "dal;al\n1;2\n", {{"1", "2"}}, {2}},
        {"CRLF", "dal;al\r\n1;2\r\n3;4", {{"1", "2"}, {"3", "4"}}, {2, 3}},
        {"solo CR", "dal;al\r1;2\r3;4\r", {{"1", "2"}, {"3", "4"}}, {2, 3}},
        {"campi mancanti e righe vuote", "dal;al\n\n1\n", {{"1", ""}}, {3}},
    };
    for (const Caso& c : casi) {
        SCOPED_TRACE(c.nome);
        const cli::TabellaCsv t = cli::leggiCsvTesto(c.testo, "p.csv", {"dal", "al"});
        EXPECT_EQ(t.colonne, (std::vector<std::string>{"dal", "al"}));
        EXPECT_EQ(t.righe, c.righe);
        EXPECT_EQ(t.numeriRiga, c.numeri);
    }
}

TEST(LettoreCsv, ErroriConFileRigaEColonna) {
    for (const auto& [testo, messaggio] :
         {std::pair{"dal;Interessi\n", "p.csv, riga 1, colonna 2: colonna sconosciuta \"Interessi\""},
          {"dal;al;dal\n", "p.csv, riga 1, colonna 3: colonna ripetuta \"dal\""},
          {"dal,al\n", "p.csv, riga 1, colonna 1: separatore errato"},
          {"dal;al\n1;2\n1;2;3\n", "p.csv, riga 3, colonna 3: la riga ha 3 campi"},
          {"", "p.csv, riga 1: il file è vuoto"},
          {"dal;al\r\n\r\n", "p.csv: il file non contiene righe"}}) {
        try {
            cli::leggiCsvTesto(testo, "p.csv", {"dal", "al"});
            ADD_FAILURE() << testo;
        } catch (const cli::ErroreCsv& e) {
            EXPECT_EQ(e.messaggio.rfind(messaggio, 0), 0u) << e.messaggio;
        }
    }
}

} // namespace
} // namespace vantrel
