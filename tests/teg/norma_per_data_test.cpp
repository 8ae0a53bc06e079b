#include "common/numeri.h"
#include "finestre_tassi/usurari.h"
#include "rates/fonti_tassi.h"
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
        ctx.stato.Tassi = TabellaTassi{};
        w = std::make_unique<Taeg>(ctx, false);
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

// Thresholds published in the official series (Bank of Italy; 1st quarter 2018 from its decree) for
// the three kinds of account, against the window's threshold under the rule by date. `esatta` is the
// rule worked out by hand on the published average; the series rounds some figures (18,575 -> 18,57).
TEST_F(NormaPerData, LaSogliaDellaSerieUfficiale) {
    // The series' averages of each quarter: TM1, TM2, TM7, TM8, TM3, TM4, TM6.
    const std::map<std::string, std::array<float, 7>> medie = {
        {"21999", {11.94f, 9.14f, 0, 0, 8.62f, 6.74f, 0}},
        {"12009", {12.27f, 9.12f, 0, 0, 6.89f, 6.22f, 0}},
        {"12010", {12.85f, 9.59f, 19.96f, 13.12f, 10.26f, 5.43f, 5.43f}},
        {"22010", {12.48f, 9.82f, 18.49f, 13.12f, 9.74f, 6.31f, 4.28f}},
        {"22011", {11.1f, 9.09f, 14.99f, 13.6f, 5.96f, 6.13f, 3.85f}},
        {"32011", {11.24f, 9.27f, 14.65f, 13.94f, 6.63f, 6.34f, 4.12f}},
        {"22015", {11.66f, 9.96f, 16.22f, 15.09f, 9.59f, 8.04f, 5.28f}},
        {"12017", {11.25f, 8.97f, 15.77f, 14.56f, 8.74f, 7.21f, 4.3f}},
        {"22017", {11.37f, 9.09f, 17.12f, 15.36f, 7.32f, 5.52f, 3.58f}},
        {"12018", {11.0154f, 8.8307f, 16.0275f, 14.7047f, 7.3839f, 5.2984f, 3.3274f}},
        {"42025", {10.36f, 8.84f, 15.59f, 15.55f, 7.95f, 6.46f, 4.96f}},
        {"42026", {10.8f, 9.12f, 16.08f, 16.11f, 8.3f, 6.88f, 5.31f}},
    };
    struct Caso {
        const char *dal, *al;
        int categoria;
        const char* accordato;
        double esatta, pubblicata;
        const char* classe;
    };
    // clang-format off
    const Caso casi[] = {
        {"01/04/1999", "30/06/1999", 0, "25.000.000", 13.71, 13.71, "oltre 10.000.000 lire"},
        {"01/01/2009", "31/03/2009", 2, "4.999", 10.335, 10.335, "fino a 5.000 euro"},
        {"01/01/2010", "31/03/2010", 2, "150.000", 8.145, 8.145, "oltre 5.000 euro"},
        {"01/04/2010", "30/06/2010", 2, "150.000", 6.42, 6.42, "oltre 100.000 euro"},
        {"01/04/2011", "13/05/2011", 0, "10.000", 13.635, 13.635, "oltre 5.000 euro"},
        {"01/07/2011", "30/09/2011", 1, "1.000", 22.3125, 22.3125, "fino a 1.500 euro"},
        {"01/04/2015", "30/06/2015", 0, "3.000", 18.575, 18.57, "fino a 5.000 euro"},
        {"01/01/2017", "31/03/2017", 2, "30.000", 13.0125, 13.01, "da 5.000 a 100.000 euro"},
        {"01/04/2017", "30/06/2017", 2, "30.000", 13.15, 13.15, "fino a 50.000 euro"},
        {"01/01/2018", "31/03/2018", 2, "30.000", 13.229875, 13.2299, "fino a 50.000 euro"}, // not 10,62
        {"01/01/2018", "31/03/2018", 1, "1.000", 24.0275, 24.0275, "fino a 1.500 euro"}, // the cap of 8 points
        {"01/10/2025", "31/12/2025", 2, "100.000", 12.075, 12.075, "da 50.000 a 200.000 euro"},
        {"01/10/2026", "31/12/2026", 1, "2.000", 24.11, 24.11, "oltre 1.500 euro"},
    };
    // clang-format on
    for (const Caso& c : casi) {
        SCOPED_TRACE(std::string(c.dal) + " " + c.accordato);
        const Data dal = *leggiData(c.dal);
        const bool lire = dal.anno < 2002;
        calcola(c.dal, c.al, c.categoria, c.accordato, chiavePeriodo(dal.trimestre(), dal.anno),
                medie.at(chiavePeriodo(dal.trimestre(), dal.anno)), lire);
        EXPECT_DOUBLE_EQ(soglia(), c.esatta);
        EXPECT_NEAR(soglia(), c.pubblicata, 0.005 + 1e-9);
        EXPECT_TRUE(t("ClasseSoglia").ends_with(c.classe)) << t("ClasseSoglia");
        const bool aCavallo = dal < kInizioNuovaNorma && std::string(c.al) == "30/06/2011";
        EXPECT_EQ(w->calcolo().avvisi().size(), aCavallo ? 1u : 0u);
    }
}

TEST_F(NormaPerData, IlRiepilogoMostraLaCatenaDellaSoglia) {
    const std::array<float, 7> m = {11.0154f, 8.8307f, 16.0275f, 14.7047f, 7.3839f, 5.2984f, 3.3274f};
    calcola("01/01/2018", "31/03/2018", 2, "30.000", "12018", m);
    std::string r = riepilogo();
    for (const char* atteso : {"1° trimestre 2018", "Conto anticipi", "1° scaglione, fino a 50.000 euro",
                               "7,3839 x 1,25 + 4 = 13,229875", "nuova norma, secondo la data", fonti::nonRegistrata})
        EXPECT_NE(r.find(atteso), std::string::npos) << atteso << "\n" << r;

    ASSERT_TRUE(registraFontiTassi(ctx.stato.CartellaDati, {{"12018", "decreto MEF del trimestre"}}));
    EXPECT_NE(riepilogo().find("decreto MEF del trimestre"), std::string::npos);

    // Saving the quarter in the rate window makes its rates the user's.
    Usurari u(ctx);
    const auto scegli = [&](const char* combo, const char* testo) {
        const auto& v = u[combo].voci;
        u.seleziona(combo, static_cast<int>(std::find(v.begin(), v.end(), testo) - v.begin()));
    };
    scegli("Combo1", "1");
    scegli("Combo2", "2018");
    u.incolla("TM3", "7,3839");
    u.clicca("OK");
    EXPECT_EQ(fonteTassi(ctx.stato.CartellaDati, "12018"), fonti::utente);
    EXPECT_EQ(fonteTassi(ctx.stato.CartellaDati, "22018"), fonti::nonRegistrata);

    // A rule chosen by hand shows its rounding beside the exact figure; a period across the change says so.
    calcola("01/10/2020", "31/12/2020", 2, "30.000", "42020", {10.13f, 8.47f, 15.49f, 14.66f, 7.06f, 4.97f, 2.93f});
    w->clicca("Option4");
    w->clicca("Command9");
    EXPECT_NE(riepilogo().find("12,82 (con due decimali; esatta 12,825)"), std::string::npos);
    calcola("01/04/2011", "30/06/2011", 0, "10.000", "22011", {11.1f, 9.09f, 14.99f, 13.6f, 5.96f, 6.13f, 3.85f});
    r = riepilogo();
    EXPECT_NE(r.find("9,09 x 1,5 = 13,635"), std::string::npos) << r;
    EXPECT_NE(r.find("14/05/2011"), std::string::npos);
    EXPECT_NE(t("HELP").find("14/05/2011"), std::string::npos);
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
}

// The rate window turns a typed average into the threshold of the chosen quarter's rule.
TEST(NormaPerDataTassi, LaFinestraDeiTassiSegueIlTrimestre) {
    struct Caso {
        const char *trimestre, *anno, *media, *soglia;
    };
    const Caso casi[] = {
        {"1", "2011", "10,45", "15,68"}, {"2", "2011", "10,45", "15,68"}, // the 2nd quarter as published
        {"3", "2011", "10,45", "17,06"}, {"4", "2026", "10,45", "17,06"},
        {"4", "2026", "16,08", "24,08"}, {"", "", "10,45", "17,06"}, // no quarter chosen: the rule in force today
    };
    for (const Caso& c : casi) {
        SCOPED_TRACE(std::string(c.trimestre) + " " + c.anno + " " + c.media);
        test::Ambiente a;
        Usurari u(a.ctx);
        for (const auto& [combo, testo] : {std::pair{"Combo1", c.trimestre}, std::pair{"Combo2", c.anno}}) {
            const auto& v = u[combo].voci;
            if (*testo) u.seleziona(combo, static_cast<int>(std::find(v.begin(), v.end(), testo) - v.begin()));
        }
        u.incolla("TM7", c.media);
        u.esci("TM7");
        EXPECT_EQ(u["TU7"].testo, c.soglia);
    }
    // The listing computes the overdraft thresholds by the rule of each stored quarter.
    test::Ambiente a;
    test::scriviTassi(a.dir, {test::Periodo{"22011", 13.6f}, test::Periodo{"32011", 14.65f}});
    Usurari u(a.ctx);
    const auto& righe = u["List1"].voci;
    ASSERT_EQ(righe.size(), 8u);
    EXPECT_NE(righe[0].find(" 13,60  20,40 "), std::string::npos) << righe[0]; // x 1,5
    EXPECT_NE(righe[4].find(" 14,65  22,31 "), std::string::npos) << righe[4]; // x 1,25 + 4
}

} // namespace
} // namespace vantrel
