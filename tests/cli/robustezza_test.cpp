// A million random inputs for the number readings, the mask engine and the CSV reader: none may
// crash (the sanitizer build runs this too) and each answer must keep its promises. The CSV reader's
// own rules: quotes, BOM, line ends, and errors naming file, row and column.
#include "common/maschera_formato.h"
#include "common/numeri.h"
#include "csv.h"

#include <cmath>
#include <gtest/gtest.h>
#include <random>

namespace vantrel {
namespace {

std::string testoCasuale(std::mt19937_64& rng, std::string_view alfabeto, std::size_t massimo) {
    std::uniform_int_distribution<std::size_t> len(0, massimo), pick(0, alfabeto.size() - 1);
    std::string s(len(rng), ' ');
    for (char& c : s)
        c = alfabeto[pick(rng)];
    return s;
}

TEST(Robustezza, LettureEMaschereSuUnMilioneDiTesti) {
    std::mt19937_64 rng(20261205);
    const std::string_view alfabeto = "0123456789.,-+eE @#x\t";
    const char* maschere[] = {"#,###,###,##0", "###,###,##0.00", "#,#0.00", "#,###.00", "##.000", "#0.000",
                              "##0.000",       "#0.00",          "##.00",   "#",        "@@@@@@", ""};
    for (int i = 0; i < 1000000; ++i) {
        const std::string t = testoCasuale(rng, alfabeto, 24);
        const auto v = leggiNumero(t);
        valNumero(t);
        const char* m = maschere[static_cast<std::size_t>(i) % std::size(maschere)];
        const std::string f = formattaTesto(t, m);
        if (std::string_view(m).starts_with("@")) continue;
        if (!v) {
            ASSERT_EQ(f, t) << "a text that is not a number passes unchanged";
        } else {
            ASSERT_TRUE(std::isfinite(*v)) << t;
            ASSERT_EQ(f.find("nan"), std::string::npos) << t;
            ASSERT_EQ(f.find("inf"), std::string::npos) << t;
        }
    }
}

TEST(Robustezza, LettoreCsvSuFileCasuali) {
    std::mt19937_64 rng(11);
    const std::vector<std::string> colonne = {"dal", "al", "NumeriD"};
    const std::string_view alfabeto = "dal;NumeriD\"\r\n,0123456789/";
    for (int i = 0; i < 100000; ++i) {
        const std::string contenuto = testoCasuale(rng, alfabeto, 80);
        try {
            const cli::TabellaCsv t = cli::leggiCsvTesto(contenuto, "casuale.csv", colonne);
            for (const auto& r : t.righe)
                ASSERT_EQ(r.size(), t.colonne.size());
        } catch (const cli::ErroreCsv& e) {
            ASSERT_EQ(e.messaggio.rfind("casuale.csv", 0), 0u) << e.messaggio;
        }
    }
}

using Righe = std::vector<std::vector<std::string>>;

TEST(LettoreCsv, VirgoletteBomFineRigaEdErrori) {
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
    // What is refused names the file, the row and the column.
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
