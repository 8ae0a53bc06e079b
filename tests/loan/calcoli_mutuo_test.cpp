#include "common/numeri.h"
#include "loan/fogli_piano.h"
#include "loan/formule_mutuo.h"
#include "loan/piano_ammortamento.h"
#include "loan/ricerche_letterali.h"
#include "loan/ricerche_mutuo.h"

#include <cmath>
#include <gtest/gtest.h>
#include <random>
#include <string>
#include <tuple>

namespace vantrel {
namespace {

constexpr std::int16_t kRatePerAnno[] = {12, 6, 4, 3, 2, 1};

TEST(CercaTassoAnnuo, ComeLaRicercaPassoPassoSuMutuiLimiteECasuali) {
    // The amount, the number of instalments, the instalments a year, the instalment given.
    std::vector<std::tuple<double, double, std::int16_t, double>> casi = {
        {10000, 1, 12, 10100},     {5000, 2, 1, 3200},
        {100000, 120, 12, 500},    {1200, 12, 12, 100.2}, // below and just above the first rate tried
        {250000, 480, 12, 15000},  {8000, 10.5, 4, 900},  // a long loan at a high rate, a fractional count
        {0.01, 3, 1, -0.99},       {1000, 5, 1, 700},
        {100000, 120, 12, 1674.5}, {50000, 60, 6, 2040},
    };
    std::mt19937_64 gen(20260315);
    std::uniform_real_distribution<double> importo(500, 500000), tasso(0.3, 40);
    std::uniform_int_distribution<int> rate(1, 480), opzione(0, 5);
    for (int c = 0; c < 200; ++c) {
        const double p = std::round(importo(gen) * 100) / 100;
        const double n = rate(gen);
        const std::int16_t m = kRatePerAnno[opzione(gen)];
        casi.push_back({p, n, m, std::round(formulaRata(p, tasso(gen), m, n) * 100) / 100});
    }
    for (const auto& [capitale, numRate, m, rataData] : casi) {
        const auto veloce = cercaTassoAnnuo(capitale, numRate, m, rataData);
        ASSERT_TRUE(veloce);
        ASSERT_EQ(*veloce, letterale::tassoAnnuo(capitale, numRate, m, rataData))
            << capitale << " " << numRate << " " << m << " " << rataData;
    }
}

TEST(CercaTassoAnnuo, ComeLaRicercaPassoPassoSulConfine) {
    // The given instalment plus one is exactly the instalment of one of the rates tried, on the
    // ordinary steps and on those around the binade edges 1, 2, 4, 8, 16 and 32.
    const std::tuple<double, double, std::int16_t> prestiti[] = {{100000, 120, 12}, {7345.67, 7, 2}, {300000, 360, 12}};
    double t = 0.5;
    int binade = std::ilogb(t);
    for (long k = 1; k <= 320000; ++k) {
        t = t + 0.0001;
        const bool bordo = std::ilogb(t) != binade || std::ilogb(t + 0.0003) != std::ilogb(t);
        binade = std::ilogb(t);
        if (k % 5003 != 0 && k != 1 && !bordo) continue;
        for (const auto& [importo, numRate, m] : prestiti) {
            for (double delta : {-1e-9, 0.0, 1e-9}) {
                const double data = formulaRata(importo, t, m, numRate) - 1 + delta;
                ASSERT_EQ(*cercaTassoAnnuo(importo, numRate, m, data), letterale::tassoAnnuo(importo, numRate, m, data))
                    << "step " << k << " delta " << delta << " amount " << importo;
            }
        }
    }
}

TEST(CercaTassoAnnuo, RinunciaAiMutuiCheNonRaggiunge) {
    EXPECT_FALSE(cercaTassoAnnuo(0, 120, 12, 100));
    EXPECT_FALSE(cercaTassoAnnuo(-1000, 120, 12, 100));
    EXPECT_FALSE(cercaTassoAnnuo(1, 12, 12, 1e12));
    EXPECT_EQ(*cercaTassoAnnuo(1000, 12, 12, 1), 0.5 + 0.0001); // already reached at the first rate
}

TEST(CercaTaeg, ComeLaRicercaPassoPassoSuMutuiLimiteECasuali) {
    // The net amount, the instalment, the yearly rate as a fraction, the instalments a year, their number.
    std::vector<std::tuple<double, double, double, std::int16_t, int>> casi = {
        {0, 100, 0.05, 12, 2},    {-50, 100, 0.05, 1, 1}, // a net amount not positive never stops
        {1000, 100, 0.06, 12, 0}, {1000, 0, 0.06, 12, 12},      {1000, -10, 0.06, 12, 12}, // stop at once
        {1200, 100, 0, 12, 12},   {1000, 100, -0.1305, 12, 12}, {1000, 100, -12.0005, 12, 3},
        {0.0055, 1, 0.0, 1, 1},   {0.0049, 1, 0.0, 1, 1}, // near the last step, and on it only
    };
    std::mt19937_64 gen(7);
    std::uniform_real_distribution<double> importo(1000, 200000), tasso(0, 15), quota(0, 0.08), spesa(0, 15);
    std::uniform_int_distribution<int> rate(1, 60), opzione(0, 5);
    for (int c = 0; c < 300; ++c) {
        const double p = std::round(importo(gen) * 100) / 100;
        const double r = std::round(tasso(gen) * 100) / 100;
        const int n = rate(gen);
        const std::int16_t m = kRatePerAnno[opzione(gen)];
        const double rata = arrotondaEuro(formulaRata(p, r, m, n) + spesa(gen));
        casi.push_back({arrotonda4(p - std::round(p * quota(gen))), rata, r / 100, m, n});
    }
    for (const auto& [netto, rata, j, m, n] : casi) {
        const auto veloce = cercaTaeg(netto, rata, j, m, n);
        const auto lento = letterale::taeg(netto, rata, j, m, n);
        ASSERT_EQ(veloce.has_value(), lento.has_value()) << netto << " " << rata << " " << j;
        if (lento) {
            ASSERT_EQ(*veloce, *lento) << netto << " " << rata << " " << j << " " << m << " " << n;
        }
    }
}

TEST(ArrotondaEuro, AlCentesimoConLaMetaLontanoDaZero) {
    const std::pair<double, double> casi[] = {{0.005, 0.01}, {-0.005, -0.01},       {1.234, 1.23},
                                              {1.235, 1.24}, {-2.675, -2.68},       {500.0, 500.0},
                                              {0.0049, 0.0}, {99389.785, 99389.79}, {6.3249, 6.32}};
    for (const auto& [x, atteso] : casi)
        EXPECT_DOUBLE_EQ(arrotondaEuro(x), atteso) << x;
}

TEST(LeggiDataErogazione, VuoleDieciCaratteriDiUnaDataVera) {
    EXPECT_EQ(leggiDataErogazione("31/01/2024"), (Data{2024, 1, 31}));
    for (const char* testo : {"1/1/2024", "31/02/2024", "", "aa/bb/cccc"})
        EXPECT_FALSE(leggiDataErogazione(testo)) << testo;
}

TEST(FormulaNumeroRate, ArrotondaLaMetaInSuERifiutaCioCheNonSiPuoPagare) {
    // The instalment of 120 monthly payments gives back 120; a slightly larger one rounds down.
    const double rata = formulaRata(100000, 6, 12, 120);
    EXPECT_EQ(formulaNumeroRate(rata, 100000, 6, 12), 120);
    EXPECT_EQ(formulaNumeroRate(formulaRata(100000, 6, 12, 119.51), 100000, 6, 12), 120);
    EXPECT_EQ(formulaNumeroRate(formulaRata(100000, 6, 12, 119.49), 100000, 6, 12), 119);
    EXPECT_FALSE(formulaNumeroRate(500, 100000, 6, 12)); // interest alone
    EXPECT_FALSE(formulaNumeroRate(400, 100000, 6, 12));
    EXPECT_FALSE(formulaNumeroRate(1000, 100000, 0, 12)); // zero rate
}

Piano costruisci(const std::string& importo, const std::string& rate, const std::string& tasso, Data d0, int mesi = 1,
                 const std::string& spesaM = "0") {
    StatoMutuo st;
    st.mesiRata = static_cast<std::int16_t>(mesi);
    st.ratePerAnno = static_cast<std::int16_t>(12 / mesi);
    return pianoAmmortamento(CampiPiano{importo, rate, tasso, spesaM, "0", d0}, st);
}

// Columns of a row, counted from 1 as the layout of the plan gives them.
std::string colonna(const std::string& riga, std::size_t da, std::size_t a) {
    return riga.substr(da - 1, a - da + 1);
}
double cifra(const std::string& riga, std::size_t da, std::size_t a) {
    return leggiNumero(colonna(riga, da, a)).value_or(NAN);
}

TEST(PianoAmmortamento, LUltimaRigaChiudeSulDebitoResiduo) {
    const Piano p = costruisci("10000", "12", "5", Data{2026, 1, 10});
    const std::string& ultima = p.righe.back();
    EXPECT_EQ(cifra(ultima, 22, 33), 3.51);
    EXPECT_EQ(cifra(ultima, 35, 46), 852.56);
    EXPECT_EQ(cifra(ultima, 69, 81), 0.01);
}

TEST(PianoAmmortamento, LaSpesaPerRataCompareInOgniRiga) {
    const Piano p = costruisci("100000", "120", "6", Data{2026, 3, 15}, 1, "5");
    EXPECT_EQ(p.rata, "1.115,21");
    EXPECT_EQ(p.totaleSpese, "600,00");
    EXPECT_NE(p.righe[6].find("600,00"), std::string::npos);
    for (std::size_t r = 11; r < p.righe.size(); ++r) {
        EXPECT_EQ(colonna(p.righe[r], 48, 54), "   5,00");
        EXPECT_EQ(colonna(p.righe[r], 56, 67), "    1.115,21");
    }
}

TEST(PianoAmmortamento, LeCifreLunghePerdonoICaratteriASinistra) {
    const Piano p = costruisci("1234567890123", "1000", "1", Data{2026, 3, 15});
    EXPECT_NE(p.righe[4].find(" : 4.567.890.123,00   "), std::string::npos);
    EXPECT_EQ(p.righe[4].substr(p.righe[4].size() - 3), "000");
}

TEST(PianoAmmortamento, IlTotaleDegliInteressiSommaICentesimiDelleRighe) {
    // Six thousand rows of tens of millions, added in binary, stray by thousandths of a euro; the totals
    // are those of tools/cifre_attese.py's plan, which adds the interest column in whole cents.
    const std::tuple<const char*, const char*, const char*, const char*, const char*> casi[] = {
        {"60534087,47", "5998", "6,389", "1.872.582.745,39", "1.933.116.832,86"},
        {"93540567,41", "11983", "25,157", "23.405.123.031,74", "23.498.663.599,15"}};
    for (const auto& [importo, rate, tasso, interessi, totale] : casi) {
        const Piano p = costruisci(importo, rate, tasso, Data{2020, 1, 31});
        EXPECT_EQ(p.totaleInteressi, interessi) << importo;
        EXPECT_EQ(p.totaleMutuo, totale) << importo;
    }
}

TEST(CartellaPiano, UnaRigaPerRataETotaliComeFormule) {
    // tools/cifre_attese.py's plan of 1.200,00 at 5 % in three monthly instalments; dates as serials
    // (days from 30/12/1899), as a spreadsheet holds them.
    const CartellaLavoro c = cartellaPiano(costruisci("1200", "3", "5", Data{2024, 1, 31}), {"1.200,00", "31/01/2024"});
    const Foglio& f = c.fogli.at(0);
    // The layout of the sheet: heading, width in characters and format of each column.
    const std::string titoli[] = {"N.",    "Scadenza",    "Quota interessi", "Quota capitale",
                                  "Spese", "Totale rata", "Debito residuo"};
    const double larghezze[] = {5, 11, 14, 14, 10, 14, 15};
    const double righe[][7] = {{1, 45351, 5.00, 398.34, 0, 403.34, 801.66},
                               {2, 45382, 3.34, 400.00, 0, 403.34, 401.66},
                               {3, 45412, 1.68, 401.66, 0, 403.34, 0}};
    const std::tuple<std::string, double> totali[] = {
        {"=SUM(C2:C4)", 10.02}, {"=SUM(D2:D4)", 1200}, {"=SUM(E2:E4)", 0}, {"=SUM(F2:F4)", 1210.02}};
    ASSERT_EQ(f.colonne.size(), 7u);
    ASSERT_EQ(f.righe.size(), 3u);
    for (std::size_t k = 0; k < 7; ++k) {
        const Formato formato = k == 0 ? Formato::Intero : k == 1 ? Formato::Data : Formato::Importo;
        EXPECT_EQ(std::tie(f.colonne[k].titolo, f.colonne[k].larghezza, f.colonne[k].formato),
                  std::tie(titoli[k], larghezze[k], formato));
        for (std::size_t r = 0; r < 3; ++r)
            EXPECT_EQ(std::tuple(f.righe[r][k].numero, f.righe[r][k].formato), std::tuple(righe[r][k], formato))
                << "riga " << r << " colonna " << k;
        if (k >= 2 && k < 6) {
            EXPECT_EQ(std::tuple(f.totali.at(0)[k].testo, f.totali[0][k].numero), totali[k - 2]);
        }
    }
    // The loan's figures: the amount and the date become numbers.
    const auto& dati = c.fogli.at(1).righe;
    EXPECT_EQ(std::tuple(dati.at(0)[1].numero, dati[1][1].numero, dati[1][1].formato),
              std::tuple(1200.0, 45322.0, Formato::Data));
}

TEST(PianoAmmortamento, LaQuotaCapitaleSommaLImportoSuMutuiCasuali) {
    std::mt19937_64 gen(42);
    std::uniform_int_distribution<long> cent(100000, 100000000);
    std::uniform_real_distribution<double> tasso(0.1, 15);
    std::uniform_int_distribution<int> rate(1, 360), opzione(0, 5);
    for (int c = 0; c < 400; ++c) {
        const long importo = cent(gen);
        const std::string testoImporto =
            std::to_string(importo / 100) + "," + std::to_string(importo % 100 + 100).substr(1);
        const std::string t = std::to_string(std::round(tasso(gen) * 1000) / 1000);
        const int m = 12 / kRatePerAnno[opzione(gen)]; // months between instalments
        const int n = rate(gen) % (40 * 12 / m) + 1;   // up to forty years
        const Piano p = costruisci(testoImporto, std::to_string(n),
                                   t.substr(0, t.find('.')) + "," + t.substr(t.find('.') + 1), Data{2025, 5, 31}, m);
        long somma = 0;
        for (std::size_t r = 11; r < p.righe.size(); ++r)
            somma += std::lround(cifra(p.righe[r], 35, 46) * 100);
        ASSERT_LE(std::labs(somma - importo), 1) << testoImporto << " " << t << " " << n;
        // What is left on the last row is what the capital column did not repay.
        ASSERT_EQ(somma + std::lround(cifra(p.righe.back(), 69, 81) * 100), importo) << testoImporto << " " << n;
    }
}

} // namespace
} // namespace vantrel
