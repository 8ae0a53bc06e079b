#include "common/numeri.h"
#include "loan/piano_ammortamento.h"

#include <cmath>
#include <gtest/gtest.h>
#include <random>

namespace vantrel {
namespace {

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

TEST(PianoAmmortamento, LaQuotaCapitaleSommaLImportoSuMutuiCasuali) {
    std::mt19937_64 gen(42);
    std::uniform_int_distribution<long> cent(100000, 100000000);
    std::uniform_real_distribution<double> tasso(0.1, 15);
    std::uniform_int_distribution<int> rate(1, 360), opzione(0, 5);
    const int mesi[] = {1, 2, 3, 4, 6, 12};
    for (int c = 0; c < 400; ++c) {
        const long importo = cent(gen);
        const std::string testoImporto =
            std::to_string(importo / 100) + "," + std::to_string(importo % 100 + 100).substr(1);
        const std::string t = std::to_string(std::round(tasso(gen) * 1000) / 1000);
        const int m = mesi[opzione(gen)];
        const int n = rate(gen) % (40 * 12 / m) + 1; // up to forty years
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
