#include "common/numeri.h"
#include "rates/fonti_tassi.h"
#include "rates/set_tassi.h"
#include "support/file_tassi.h"
#include "support/taeg_fixture.h"

#include <algorithm>
#include <array>
#include <map>

namespace vantrel {
namespace {

using test::FinestraTaeg;

class NormaPerData : public FinestraTaeg {
protected:
    /// A fresh window on a table holding one quarter (TM1, TM2, TM7, TM8, TM3, TM4, TM6), then a
    /// global-formula check of the period with that accordato.
    void calcola(const std::string& dal, const std::string& al, int categoria, const std::string& accordato,
                 const std::string& chiave, const std::array<float, 7>& m, bool lire = false) {
        ctx.stato.tassi = TabellaTassi{};
        w = std::make_unique<FinestraCalcolo>(ctx, false);
        periodo(chiave, {m[0], m[1], m[2], m[3], m[4], m[5], m[6]});
        w->clicca(lire ? "Lira" : "euro");
        w->seleziona("Combo2", categoria);
        w->clicca("Option1a");
        campo("fido", accordato);
        campo("NumeriD", "1.000.000");
        campo("intDare", "100");
        w->incolla("dal", dal);
        w->incolla("al", al);
        w->clicca("Command9");
    }
    double soglia() { return leggiNumero(t("soglia")).value_or(-1); }
    std::string riepilogo() {
        w->clicca("SSCommand2");
        std::string s;
        for (const auto& r : w->report().finestraTesto()->lista().righe())
            s += r + "\n";
        return s;
    }
};

TEST_F(NormaPerData, IlRiepilogoMostraLaCatenaDellaSoglia) {
    const std::array<float, 7> m = {11.0154f, 8.8307f, 16.0275f, 14.7047f, 7.3839f, 5.2984f, 3.3274f};
    calcola("01/01/2018", "31/03/2018", 2, "30.000", "12018", m);
    std::string r = riepilogo();
    for (const char* atteso : {"1° trimestre 2018", "Conto anticipi", "1° scaglione, fino a 50.000 euro",
                               "7,3839 x 1,25 + 4 = 13,229875", "nuova norma, secondo la data", fonti::nonRegistrata})
        EXPECT_NE(r.find(atteso), std::string::npos) << atteso << "\n" << r;

    ASSERT_TRUE(registraFontiTassi(ctx.stato.cartellaDati, {{"12018", "decreto MEF del trimestre"}}));
    EXPECT_NE(riepilogo().find("decreto MEF del trimestre"), std::string::npos);
}

TEST(FontiTassi, RegistrateAccantoAiTassi) {
    test::CartellaTemporanea dir;
    const std::string c = dir.cartella();
    ASSERT_TRUE(registraFontiTassi(c, {{"12018", "decreto"}, {"42017", "serie\r\nstorica"}}));
    ASSERT_TRUE(registraFontiTassi(c, {{"22018", fonti::utente}})); // the others are kept
    EXPECT_EQ(test::leggiTesto(dir.file(kFileFontiTassi)),
              "periodo;fonte\n42017;serie  storica\n12018;decreto\n22018;inserito dall'utente\n");
    ASSERT_TRUE(registraFontiTassi(c, {{"32018", fonti::server}}, true));
    EXPECT_EQ(fonteTassi(c, "12018"), fonti::nonRegistrata);
    EXPECT_EQ(fonteTassi(c, " 32018 "), fonti::server);
    // Written by another program: read again with the rate set, as the rates themselves are.
    test::scriviTesto(dir.file(kFileFontiTassi), "periodo;fonte\n32018;decreto del 28/06/2018\n");
    TabellaTassi t;
    caricaSetTassi(t, c, nullptr);
    EXPECT_EQ(fonteTassi(c, "32018"), "decreto del 28/06/2018");
}

} // namespace
} // namespace vantrel
