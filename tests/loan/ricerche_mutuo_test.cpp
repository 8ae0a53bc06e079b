#include "loan/formule_mutuo.h"
#include "loan/ricerche_letterali.h"
#include "loan/ricerche_mutuo.h"

#include <cmath>
#include <gtest/gtest.h>
#include <random>
#include <string>

namespace vantrel {
namespace {

constexpr std::int16_t kRatePerAnno[] = {12, 6, 4, 3, 2, 1};

TEST(CercaTassoAnnuo, ComeLaRicercaPassoPassoSuMutuiLimiteECasuali) {
    struct Caso {
        double importo, numRate;
        std::int16_t m;
        double rataData;
    };
    std::vector<Caso> casi = {
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
    for (const Caso& c : casi) {
        const auto veloce = cercaTassoAnnuo(c.importo, c.numRate, c.m, c.rataData);
        ASSERT_TRUE(veloce);
        ASSERT_EQ(*veloce, letterale::tassoAnnuo(c.importo, c.numRate, c.m, c.rataData))
            << c.importo << " " << c.numRate << " " << c.m << " " << c.rataData;
    }
}

TEST(CercaTassoAnnuo, ComeLaRicercaPassoPassoSulConfine) {
    // The given instalment plus one is exactly the instalment of one of the rates tried, on the
    // ordinary steps and on those around the binade edges 1, 2, 4, 8, 16 and 32.
    struct Prestito {
        double importo, numRate;
        std::int16_t m;
    };
    const Prestito prestiti[] = {{100000, 120, 12}, {7345.67, 7, 2}, {300000, 360, 12}};
    double t = 0.5;
    int binade = std::ilogb(t);
    for (long k = 1; k <= 320000; ++k) {
        t = t + 0.0001;
        const bool bordo = std::ilogb(t) != binade || std::ilogb(t + 0.0003) != std::ilogb(t);
        binade = std::ilogb(t);
        if (k % 5003 != 0 && k != 1 && !bordo) continue;
        for (const auto& pr : prestiti) {
            for (double delta : {-1e-9, 0.0, 1e-9}) {
                const double data = formulaRata(pr.importo, t, pr.m, pr.numRate) - 1 + delta;
                ASSERT_EQ(*cercaTassoAnnuo(pr.importo, pr.numRate, pr.m, data),
                          letterale::tassoAnnuo(pr.importo, pr.numRate, pr.m, data))
                    << "step " << k << " delta " << delta << " amount " << pr.importo;
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
    struct Caso {
        double netto, rata, j;
        std::int16_t m;
        int n;
    };
    std::vector<Caso> casi = {
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
    for (const Caso& c : casi) {
        const auto veloce = cercaTaeg(c.netto, c.rata, c.j, c.m, c.n);
        const auto lento = letterale::taeg(c.netto, c.rata, c.j, c.m, c.n);
        ASSERT_EQ(veloce.has_value(), lento.has_value()) << c.netto << " " << c.rata << " " << c.j;
        if (lento) {
            ASSERT_EQ(*veloce, *lento) << c.netto << " " << c.rata << " " << c.j << " " << c.m << " " << c.n;
        }
    }
}

struct CasoArr {
    double x, atteso;
};

TEST(ArrotondaEuro, AlCentesimoConLaMetaLontanoDaZero) {
    for (const CasoArr& c : {CasoArr{0.005, 0.01}, CasoArr{-0.005, -0.01}, CasoArr{1.234, 1.23}, CasoArr{1.235, 1.24},
                             CasoArr{-2.675, -2.68}, CasoArr{500.0, 500.0}, CasoArr{0.0049, 0.0},
                             CasoArr{99389.785, 99389.79}, CasoArr{6.3249, 6.32}})
        EXPECT_DOUBLE_EQ(arrotondaEuro(c.x), c.atteso) << c.x;
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

} // namespace
} // namespace vantrel
