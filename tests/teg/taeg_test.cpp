#include "common/maschera_formato.h"
#include "support/taeg_fixture.h"
#include "teg/soglie.h"

#include <array>

namespace vantrel {
namespace {

using test::FinestraTaeg;

TEST(Soglie, RegoleVecchiaENuova) {
    struct Caso {
        double media;
        Norma norma;
        double soglia;
    };
    for (const Caso& c :
         {Caso{7.12, Norma::Vecchia, 10.68}, Caso{7.12, Norma::Nuova, 12.9}, Caso{18, Norma::Nuova, 26},
          Caso{16, Norma::Nuova, 24}, Caso{15.99, Norma::Nuova, 23.99}, Caso{11.53, Norma::Vecchia, 17.3},
          Caso{static_cast<double>(11.53f), Norma::Vecchia, 17.29}, Caso{0, Norma::Nuova, 4}})
        EXPECT_DOUBLE_EQ(usura(c.media, c.norma), c.soglia) << c.media;
}

TEST(Soglie, ClassiDImporto) {
    struct Caso {
        int categoria;
        double accordato;
        Data inizio;
        bool lire;
        int classe;
    };
    // Advances: two classes up to 31/03/2010, three from 01/04/2010, the limits of 2017 from 01/04/2017.
    const Data nuove{2010, 1, 1}, vecchie{2009, 12, 31}, anticipi{2010, 4, 1}, anticipi17{2017, 4, 1};
    const Caso casi[] = {
        {0, 4999.99, nuove, false, 1},      {0, 5000, nuove, false, 2},           {1, 1499, nuove, false, 1},
        {1, 1500, nuove, false, 2},         {1, 1499, vecchie, false, 1},         {1, 4999.99, vecchie, false, 1},
        {1, 5000, vecchie, false, 2},       {2, 4999, anticipi, false, 1},        {2, 5000, anticipi, false, 2},
        {2, 99999, anticipi, false, 2},     {2, 100000, anticipi, false, 3},      {2, 100000, vecchie, false, 2},
        {2, 100000, nuove, false, 2},       {2, 100000, {2017, 3, 31}, false, 3}, {2, 49999, anticipi17, false, 1},
        {2, 50000, anticipi17, false, 2},   {2, 199999, anticipi17, false, 2},    {2, 200000, anticipi17, false, 3},
        {0, 9999999, nuove, true, 1},       {0, 10000000, nuove, true, 2},        {1, 2904404, nuove, true, 1},
        {1, 2904405, nuove, true, 2},       {2, 193626999, anticipi, true, 2},    {2, 193627000, anticipi, true, 3},
        {2, 96813499, anticipi17, true, 1}, {2, 387254000, anticipi17, true, 3},
    };
    for (const Caso& c : casi)
        EXPECT_EQ(classeImporto(c.categoria, c.accordato, c.inizio, c.lire), c.classe)
            << c.categoria << " " << c.accordato << " " << c.inizio.testo();
}

TEST_F(FinestraTaeg, PulsantiDelPeriodoEGiorni) {
    w->seleziona("Combo1", 17); // 2024
    EXPECT_EQ(t("ga"), "36600");
    w->clicca("Command6");
    EXPECT_EQ(t("dal"), "01/01/2024");
    EXPECT_EQ(t("al"), "31/12/2024");
    w->clicca("Command8");
    EXPECT_EQ(t("Giorni"), "366");
    w->clicca("Command4");
    EXPECT_EQ(t("dal"), "01/07/2024");
    EXPECT_EQ(t("al"), "30/09/2024");
    w->seleziona("Combo1", 16); // 2023
    EXPECT_EQ(t("ga"), "36500");
    w->clicca("Command2");
    ctx.stato.mascheraImporti = std::string(maschere::euro);
    campo("NumeriD", "900000");
    w->clicca("Command8");
    EXPECT_EQ(t("Giorni"), "90");
    EXPECT_EQ(t("IndMedio"), "10.000,00");
    EXPECT_EQ(t("indMed2"), "900.000,00");
    campo("Giorni", "0"); // "0" leaves the average debt alone
    EXPECT_EQ(t("IndMedio"), "10.000,00");
    campo("Giorni", "45");
    EXPECT_EQ(t("IndMedio"), "20.000,00");
    w->seleziona("Combo2", 1); // without a credit line: the average debt becomes the accordato
    EXPECT_TRUE((*w)["Option2"].selezionato);
    EXPECT_EQ(t("fido"), "20.000,00");
    EXPECT_EQ(t("Acc"), "20.000,00");
    w->incolla("al", "01/06/2023");
    w->incolla("dal", "02/06/2023");
    w->clicca("Command8");
    EXPECT_EQ(t("Giorni"), "0");
}

using Campi = std::vector<std::pair<const char*, const char*>>;
const Campi kBase = {{"NumeriD", "1.000.000"}, {"intDare", "100"}, {"ComMS", "0"},  {"extrafido", "0"},
                     {"speseN", "0"},          {"ComMS2", "0"},    {"ASpese", "0"}, {"fido", "10.000"}};

// Zero and empty go by the value, never by the text: "0" typed is "0,00" once the field is left.
TEST_F(FinestraTaeg, ZeroEVuotoSecondoIlValore) {
    periodo("12023", {10, 8, 12, 11, 9, 7, 6});
    struct Caso {
        const char* campo;
        const char* digitato; // typed key by key, then the field is left
        const char* formula;
        const char* messaggio; // the box that stops the formula, or none
        const char* teg;       // "x" when nothing is computed
        const char* cms;       // CMSc
    };
    // Interest 100 over 1.000.000 numeri x 36500 is 3,650; a CMS of 0,50 as interest adds
    // 0,50 x 36500 / 1.000.000 = 0,01825, as an expense 0,50 x 100 / 10.000 = 0,005.
    const Caso casi[] = {
        {"fido", "0", "OK", "non può essere zero", "x", ""},    {"fido", "0,00", "OK", "non può essere zero", "x", ""},
        {"Acc", "0,000", "OK", "non può essere zero", "x", ""}, {"fido", "", "OK", "non può essere vuoto", "x", ""},
        {"ComMS", "0,50", "OK", "", "3,668", "0,018"},          {"ComMS2", "0,50", "OK", "", "3,655", "0,005"},
        {"ComMS", "0,50", "Command9", "", "3,668", "0,018"},
    };
    for (const Caso& c : casi) {
        SCOPED_TRACE(std::string(c.campo) + " " + c.digitato);
        w->ricarica(false);
        w->clicca("euro");
        w->incolla("dal", "01/01/2023");
        for (const auto& [n, v] : kBase)
            campo(n, v);
        w->incolla(c.campo, "");
        for (const char k : std::string(c.digitato))
            w->digita(c.campo, std::string(1, k));
        w->esci(c.campo);
        risposte.dimentica();
        w->incolla("TegTXT", "x");
        w->clicca(c.formula);
        ASSERT_EQ(risposte.mostrati().size(), *c.messaggio ? 1u : 0u);
        if (*c.messaggio) {
            EXPECT_NE(risposte.mostrati()[0].testo.find(c.messaggio), std::string::npos);
            EXPECT_EQ(t("TS1"), "10"); // the rate grid is filled before the check
        }
        EXPECT_EQ(t("TegTXT"), c.teg);
        EXPECT_EQ(t("CMSc"), c.cms);
        if (!*c.messaggio) {
            EXPECT_EQ(t("SommaParziali"), c.teg);
        }
    }
    risposte.dimentica();
    w->incolla("fido", "");
    w->clicca("Command9"); // the global formula does not need it
    EXPECT_TRUE(risposte.mostrati().empty());
}

TEST_F(FinestraTaeg, GrigliaSogliaESupero) {
    periodo("12023", {7.12f, 6, 12, 11, 9, 8, 7});
    periodo("22023", {8.12f, 7, 13, 12, 10, 9, 8});
    periodo("12022", {1, 1, 1, 1, 1, 1, 1});
    w->clicca("euro");
    w->clicca("Option3");
    w->incolla("dal", "05/05/2023");
    w->incolla("al", "30/06/2023");
    for (const auto& [n, v] : kBase)
        campo(n, v);
    campo("intDare", "2.000");
    w->clicca("OK");
    EXPECT_EQ(t("TS1"), "7,12");
    EXPECT_EQ(t("TU1"), "10,68");
    EXPECT_EQ(t("TS2"), "8,12");
    EXPECT_EQ(t("TS3"), "0");
    EXPECT_EQ(t("TS1c"), "NN");
    EXPECT_EQ(t("TSM"), "7,620"); // the mean of the two quarters found
    EXPECT_EQ(t("TUM"), "11,430");
    EXPECT_EQ(t("soglia"), "10,5"); // second quarter, class 2 (accordato 10.000): 7 x 1,5
    EXPECT_EQ(t("TegTXT"), "73,000");
    EXPECT_EQ(t("Diff"), "62,5");

    campo("Acc", "4.999,99");
    w->clicca("OK");
    EXPECT_EQ(t("soglia"), "12,18"); // class 1: 8,12 x 1,5
    w->clicca("Option4");
    w->clicca("OK");
    EXPECT_EQ(t("TU2"), "14,15"); // 8,12 x 1,25 + 4
}

// The mean of the quarters is summed in double and kept in single precision: one rounding, at the end.
TEST_F(FinestraTaeg, MediaInSingolaPrecisioneArrotondataUnaVolta) {
    struct Caso {
        const char* anno;
        std::array<float, 4> medie;
        const char* tsm;
    };
    const Caso casi[] = {
        // 2014 advances: 36,49 / 4 = 9,1225; summed step by step in single precision it shows 9,122.
        {"2014", {8.92f, 8.9f, 9.37f, 9.3f}, "9,123"},
        // 20,001999 / 4 lies just under 5,0005 in double, on it in single precision.
        {"2015", {5.0005f, 5.0005f, 5.0005f, 5.000499f}, "5,001"},
    };
    for (const Caso& c : casi) {
        for (int q = 0; q < 4; ++q) {
            const float m = c.medie[static_cast<std::size_t>(q)];
            periodo(std::to_string(q + 1) + c.anno, {1, 1, 1, 1, m, 1, 1});
        }
        w->seleziona("Combo2", 2);
        w->incolla("dal", std::string("01/01/") + c.anno);
        w->incolla("al", std::string("31/03/") + c.anno);
        for (const auto& [n, v] : kBase)
            campo(n, v);
        w->clicca("OK");
        EXPECT_EQ(t("TSM"), c.tsm) << c.anno;
    }
}

TEST_F(FinestraTaeg, SogliaUgualeNonESupero) {
    periodo("32023", {2, 2, 2, 2, 2, 2, 2});
    w->clicca("euro");
    w->clicca("Option3");
    w->incolla("dal", "01/08/2023");
    w->incolla("al", "31/08/2023");
    for (const auto& [n, v] : kBase)
        campo(n, v);
    campo("intDare", "82,1917808219178"); // 3,000 over 36500 / 1.000.000
    w->clicca("OK");
    EXPECT_EQ(t("TegTXT"), "3,000");
    EXPECT_EQ(t("soglia"), "3");
    EXPECT_EQ(t("Diff"), "");
    w->clicca("via");
    const std::string riga = (*w)["List1"].voci.back();
    EXPECT_EQ(riga.size(), 139u);
    EXPECT_EQ(riga.substr(0, 7), " 03 23 ");
    EXPECT_EQ(riga.substr(29, 6), " 3,000");
    EXPECT_EQ(riga.substr(36, 6), "      "); // no excess
}

} // namespace
} // namespace vantrel
