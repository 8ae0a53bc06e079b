// The legal recalculation of the worked example against the figures tools/ricalcolo_atteso.py works
// out day by day with exact fractions: each choice on its own and several together, period by
// period, the outcome and the remittances prescription leaves out.
#include "casefile/ricalcolo_pratica.h"
#include "recalculation/rideterminazione.h"
#include "support/ambiente.h"
#include "support/conto_ricalcolo.h"

#include <algorithm>
#include <gtest/gtest.h>

namespace vantrel {
namespace {

// The worked example's account, its rates and the bank's own figures, and the public rates: read once.
struct Esempio : test::Ambiente {
    Esempio() {
        test::caricaTassiEsempio(ctx.stato.tassi);
        banca = ricalcola(conto.giorni, conto.condizioni, conto.opzioni, ctx);
    }
    test::ContoRicalcolo conto;
    Ricalcolo banca;
    TassiPubblici pubblici = leggiTassiPubblici(VANTREL_DATA_DIR);
};

const Esempio& esempio() {
    static const Esempio e;
    return e;
}

std::vector<test::RigaAttesa> delCaso(const char* file, const std::string& caso) {
    std::vector<test::RigaAttesa> out;
    for (auto& r : test::righeFile(std::string(VANTREL_TEST_DATA "/") + file))
        if (r.at("caso") == caso) out.push_back(r);
    return out;
}

std::map<std::string, std::string> figure(const RigaRicalcolo& r) {
    const auto t = testoCentesimi;
    return {{"dal", r.dal.testo()},
            {"al", r.al.testo()},
            {"banca interessi", t(r.banca[0])},
            {"banca competenze", t(r.banca[1])},
            {"banca commissioni", t(r.banca[2])},
            {"banca spese", t(r.banca[3])},
            {"interessi", t(r.interessi)},
            {"cms", t(r.cms)},
            {"commissioni", t(r.commissioni)},
            {"spese", t(r.spese)},
            {"saldo banca", t(r.saldoBanca)},
            {"saldo ricalcolato", t(r.saldoRicalcolato)},
            {"interessi a parte", t(r.interessiAParte)},
            {"differenza", t(r.differenza())}};
}

std::map<std::string, std::string> figure(const EsitoRicalcolo& e) {
    const auto t = testoCentesimi;
    return {{"saldo banca", t(e.saldoBanca)},
            {"saldo ricalcolato", t(e.saldoRicalcolato)},
            {"interessi a parte", t(e.interessiAParte)},
            {"saldo rideterminato", t(e.saldoRideterminato())},
            {"differenza", t(e.differenza())},
            {"prescritto", t(e.prescritto)},
            {"minore debito", t(e.minoreDebito())},
            {"da restituire", t(e.daRestituire())}};
}

TEST(VerdettiEsempio, UnSoloTrimestreOltreLaSogliaSulleCifreDellaBanca) {
    const Ricalcolo& r = esempio().banca;
    const auto attesi = test::righeFile(VANTREL_TEST_DATA "/ricalcolo_verdetti_attesi.csv");
    ASSERT_EQ(r.risultati.size(), attesi.size());
    for (std::size_t i = 0; i < attesi.size(); ++i)
        EXPECT_EQ(r.risultati[i].supero.empty() ? "no" : "sì", attesi[i].at("oltre la soglia")) << attesi[i].at("dal");
}

class RicalcoloAtteso : public testing::TestWithParam<std::size_t> {};

TEST_P(RicalcoloAtteso, PeriodiEsitoERimesse) {
    const auto& [caso, scegli] = test::casiRicalcolo()[GetParam()];
    ScelteRicalcolo s;
    scegli(s);
    const Esempio& x = esempio();
    const Rideterminazione r =
        ridetermina({x.conto.giorni, x.conto.condizioni, x.conto.opzioni, x.banca}, s, x.pubblici, x.ctx.stato.tassi);
    ASSERT_EQ(r.errore, "");
    const auto periodi = delCaso("ricalcolo_atteso.csv", caso);
    ASSERT_EQ(r.ricalcolo.righe.size(), periodi.size());
    for (std::size_t i = 0; i < periodi.size(); ++i)
        for (const auto& [nome, valore] : figure(r.ricalcolo.righe[i]))
            EXPECT_EQ(valore, periodi[i].at(nome)) << periodi[i].at("dal") << ", " << nome;
    const auto esito = test::esitoAtteso(caso);
    for (const auto& [nome, valore] : figure(r.ricalcolo.esito))
        EXPECT_EQ(valore, esito.at(nome)) << nome;
    const auto rimesse = delCaso("ricalcolo_rimesse_attese.csv", caso);
    ASSERT_EQ(r.ricalcolo.rimesse.size(), rimesse.size());
    for (std::size_t i = 0; i < rimesse.size(); ++i) {
        const RimessaSolutoria& m = r.ricalcolo.rimesse[i];
        EXPECT_EQ(m.giorno.testo(), rimesse[i].at("giorno"));
        EXPECT_EQ(testoCentesimi(m.importo), rimesse[i].at("importo"));
        EXPECT_EQ(testoCentesimi(m.solutoria), rimesse[i].at("solutoria"));
        EXPECT_EQ(testoCentesimi(m.prescritta), rimesse[i].at("prescritta")) << m.giorno.testo();
    }
}

INSTANTIATE_TEST_SUITE_P(Scelte, RicalcoloAtteso, testing::Range<std::size_t>(0, test::casiRicalcolo().size()),
                         [](const auto& i) {
                             std::string n = test::casiRicalcolo()[i.param].first;
                             std::ranges::replace(n, '-', '_');
                             return n;
                         });

} // namespace
} // namespace vantrel
