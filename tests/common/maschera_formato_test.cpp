#include "common/maschera_formato.h"
#include "common/numeri.h"

#include <cmath>
#include <gtest/gtest.h>
#include <tuple>

namespace vantrel {
namespace {

TEST(LetturaNumeri, ItalianaEIniziale) {
    // The Italian reading, and the leading number as Val reads it.
    const std::tuple<const char*, std::optional<double>, double> casi[] = {
        {"1.234,56", 1234.56, 1.234}, // thousands dot ignored; Val stops at the comma
        {"2,5", 2.5, 2},              // the leading-number reading stops at ","
        {"2.5", 25, 2.5},             // a dot is a thousands separator in the Italian reading
        {"", std::nullopt, 0},        // empty: no number, reads 0
        {"0,00", 0, 0},
        {"0,50", 0.5, 0}, // a charge all the same (importoDiversoDaZero)
        {"  12,5  ", 12.5, 12},
        {"-3", -3, -3},
        {",5", 0.5, 0},
        {"abc", std::nullopt, 0},
        {"12abc", std::nullopt, 12},
        {"1,2,3", std::nullopt, 1},
        {"1e3", 1000, 1000},
        {"1 000", std::nullopt, 1000},                        // Val skips blanks inside the number
        {"9.007.199.254.740.993", 9007199254740992.0, 9.007}, // 16 digits: the nearest double
        {"0,000000000000000000000001", 1e-24, 0},
    };
    for (const auto& [testo, italiana, iniziale] : casi) {
        SCOPED_TRACE(testo);
        EXPECT_EQ(leggiNumero(testo), italiana);
        EXPECT_DOUBLE_EQ(valNumero(testo), iniziale);
    }
}

TEST(LetturaNumeri, Intero16ArrotondaAlPariEControllaIlCampo) {
    using Caso = std::pair<const char*, std::optional<std::int16_t>>;
    for (const auto& [testo, atteso] : {Caso{"90", 90}, Caso{"2,5", 2}, Caso{"3,5", 4}, Caso{"32767", 32767},
                                        Caso{"32768", {}}, Caso{"-32768", -32768}, Caso{"x", {}}})
        EXPECT_EQ(leggiIntero16(testo), atteso) << testo;
}

TEST(Maschere, TutteLeMaschereDelProgramma) {
    const std::tuple<double, const char*, const char*> casi[] = {
        {1234.5, "#,#0.00", "1.234,50"},
        {0.5, "##.000", ",500"},
        {1234567.5, "#,###,###,##0.00", "1.234.567,50"},
        {1234567.5, "#,###,###,##0", "1.234.568"},
        {999.995, "###,###,##0.00", "1.000,00"},
        {1.005, "#0.00", "1,01"}, // rounds on the figure as written, not on the binary fraction
        {2.675, "#0.00", "2,68"},
        {-2.675, "#0.00", "-2,68"}, // halves away from zero
        {-0.001, "#0.00", "0,00"},  // no "-0,00"
        {0.5, "#,###.00", ",50"},
        {17.295, "##.00", "17,30"},
        {120, "#", "120"},
        {0, "#", ""},
        {1e15, "#,###,###,##0", "1.000.000.000.000.000"},
    };
    for (const auto& [valore, maschera, atteso] : casi)
        EXPECT_EQ(formatta(valore, maschera), atteso) << maschera << " " << valore;
}

TEST(TestoNumerico, QuindiciCifreSignificativeSenzaZeriFinali) {
    const std::pair<double, const char*> casi[] = {
        {7.1 + 0.26, "7,36"}, // 7,359999999999999 in binary
        {0.1 + 0.2, "0,3"},
        {12.345 - 10.68, "1,665"},
        {1.0 / 3.0, "0,333333333333333"},
        {2.0 / 3.0, "0,666666666666667"}, // the fifteenth digit rounds
        {123456789012.345, "123456789012,345"},
        {1234567890123456789.0, "1234567890123460000"},
        {-1e-7, "-0,0000001"},
        {-2.5e-8, "-0,000000025"}, // below the fast path's range: the sign is kept there too
        {-0.0, "0"},
    };
    for (const auto& [valore, testo] : casi)
        EXPECT_EQ(testoNumero(valore), testo);
    EXPECT_EQ(testoNumero(9.57f), "9,57"); // single precision: seven significant digits at most
    EXPECT_EQ(testoNumero(-19.785f), "-19,785");
    EXPECT_EQ(testoNumero(1.0f / 3.0f), "0,3333333");
}

TEST(Arrotondamento, MetaLontanoDaZero) {
    EXPECT_DOUBLE_EQ(arrotonda(17.295, 2), 17.3);
    EXPECT_DOUBLE_EQ(arrotonda(-0.125, 2), -0.13);
    EXPECT_DOUBLE_EQ(arrotonda(1234.56785, 4), 1234.5679);
}

} // namespace
} // namespace vantrel
