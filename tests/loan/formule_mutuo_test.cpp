#include "loan/formule_mutuo.h"

#include <gtest/gtest.h>

namespace vantrel {
namespace {

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
    EXPECT_FALSE(leggiDataErogazione("1/1/2024"));
    EXPECT_FALSE(leggiDataErogazione("31/02/2024"));
    EXPECT_FALSE(leggiDataErogazione(""));
    EXPECT_FALSE(leggiDataErogazione("aa/bb/cccc"));
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
