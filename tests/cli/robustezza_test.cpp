// A million random inputs for the number readings, the mask engine and the CSV reader: none may
// crash (the sanitizer build runs this too) and each answer must keep its promises.
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

} // namespace
} // namespace vantrel
