// The scalare of the example accounts against the figures tools/scalare_atteso.py works out day by day
// with exact fractions (tests/data/scalare_*_atteso.csv), and the conventions a worked example hides.
#include "account/importa_condizioni.h"
#include "account/importa_movimenti.h"
#include "account/scalare.h"
#include "common/righe_csv.h"
#include "support/righe_attese.h"

#include <gtest/gtest.h>

namespace vantrel {
namespace {

/// Each figure of a period, as the expected file names it.
std::map<std::string, std::string> figure(const PeriodoScalare& p) {
    const auto& k = p.calcolate;
    const auto t = testoCentesimi;
    return {{"dal", p.dal.testo()},
            {"al", p.al.testo()},
            {"giorni", std::to_string(p.giorni)},
            {"saldo iniziale", t(p.saldoIniziale)},
            {"saldo finale", t(p.saldoFinale)},
            {"numeri entro fido", t(p.numeriEntroFido)},
            {"numeri extrafido", t(p.numeriExtrafido)},
            {"numeri creditori", t(p.numeriCreditori)},
            {"massimo scoperto", t(p.massimoScoperto)},
            {"giorni a debito", std::to_string(p.giorniADebito)},
            {"giorni oltre fido", std::to_string(p.giorniOltreFido)},
            {"sconfinamenti", std::to_string(p.sconfinamenti)},
            {"operazioni", std::to_string(p.operazioni)},
            {"interessi debitori", t(k.interessiDebitori)},
            {"interessi extrafido", t(k.interessiExtrafido)},
            {"interessi creditori", t(k.interessiCreditori)},
            {"ritenuta", t(k.ritenuta)},
            {"cms", t(k.cms)},
            {"commissione fido", t(k.commissioneFido)},
            {"commissione sconfinamento", t(k.commissioneSconfinamento)},
            {"spese operazioni", t(k.speseOperazioni)},
            {"spese fisse", t(k.speseFisse)},
            {"banca interessi", t(p.banca[0])},
            {"banca competenze", t(p.banca[1])},
            {"banca commissioni", t(p.banca[2])},
            {"banca spese", t(p.banca[3])},
            {"differenza", t(p.differenza())}};
}

struct Caso {
    const char* nome;
    const char* conto;
    SaldoScalare saldo;
    const char* periodi; // the expected files, after the account's name
    const char* giorni;  // nullptr: not worked out day by day
};

class ScalareAtteso : public testing::TestWithParam<Caso> {};

// a: Q4 2009 and Q1 2010 with a credit line, over it twice, value dates before and after the
// operation date, a credit stretch, a rate change on 16/11, CMS in 2009 and the fees from 2010;
// b: half-years of 2014 without a line, divisor 360, the withholding tax of 20 % then 26 %, a half
// year always in credit; a recalculated: the bank's entries replaced by the charges worked out.
TEST_P(ScalareAtteso, PeriodoPerPeriodoEGiornoPerGiorno) {
    const Caso& c = GetParam();
    const std::string dati = std::string(VANTREL_TEST_DATA "/scalare_") + c.conto;
    std::ifstream mov(dati + "_movimenti.csv", std::ios::binary), cond(dati + "_condizioni.csv", std::ios::binary);
    RigheCsv righeMovimenti(mov), righeCondizioni(cond);
    GiorniConto conto;
    ASSERT_EQ(leggiMovimenti(righeMovimenti, [&](const Movimento& m) { conto.aggiungi(m); }).errore, "");
    const auto condizioni = leggiCondizioni(righeCondizioni);
    ASSERT_EQ(condizioni.errore, "");
    OpzioniScalare o;
    o.saldo = c.saldo;
    std::vector<GiornoScalare> giorni;
    const auto r = calcolaScalare(conto, condizioni.righe, o, [&](const GiornoScalare& g) { giorni.push_back(g); });
    ASSERT_EQ(r.errore, "");
    const auto attesi = test::righeFile(dati + c.periodi);
    ASSERT_EQ(r.periodi.size(), attesi.size());
    for (std::size_t i = 0; i < attesi.size(); ++i)
        for (const auto& [nome, valore] : figure(r.periodi[i]))
            EXPECT_EQ(valore, attesi[i].at(nome)) << "periodo " << attesi[i].at("dal") << ", " << nome;
    if (!c.giorni) return;
    const auto saldi = test::righeFile(dati + c.giorni);
    ASSERT_EQ(giorni.size(), saldi.size());
    for (std::size_t i = 0; i < saldi.size(); ++i) {
        EXPECT_EQ(giorni[i].giorno.testo(), saldi[i].at("giorno"));
        EXPECT_EQ(testoCentesimi(giorni[i].saldo), saldi[i].at("saldo")) << saldi[i].at("giorno");
    }
}

INSTANTIATE_TEST_SUITE_P(
    Conti, ScalareAtteso,
    testing::Values(Caso{"ConFido", "a", SaldoScalare::Banca, "_atteso.csv", "_giorni_atteso.csv"},
                    Caso{"SenzaFido", "b", SaldoScalare::Banca, "_atteso.csv", "_giorni_atteso.csv"},
                    Caso{"Ricalcolato", "a", SaldoScalare::Ricalcolato, "_ricalcolato_atteso.csv", nullptr}),
    [](const auto& i) { return std::string(i.param.nome); });

} // namespace
} // namespace vantrel
