#include "common/maschera_formato.h"
#include "rates/categoria_conto.h"
#include "support/taeg_fixture.h"
#include "teg/riepilogo.h"

#include <algorithm>
#include <array>
#include <filesystem>

namespace vantrel {
namespace {

using Campi = std::vector<std::pair<const char*, const char*>>;
const Campi kBase = {{"NumeriD", "1.000.000"}, {"intDare", "100"}, {"ComMS", "0"},  {"extrafido", "0"},
                     {"speseN", "0"},          {"ComMS2", "0"},    {"ASpese", "0"}, {"fido", "10.000"}};

class FinestraTaeg : public test::FinestraTaeg {
protected:
    /// The period's dates, the common figures, then the case's own.
    void compila(const std::string& dal, const std::string& al, const Campi& proprie = {}) {
        w->incolla("dal", dal);
        if (!al.empty()) w->incolla("al", al);
        for (const auto& [n, v] : kBase)
            campo(n, v);
        for (const auto& [n, v] : proprie)
            campo(n, v);
    }
    /// Types a text key by key into an emptied field, then leaves it.
    void digitaELascia(const char* nome, const std::string& testo) {
        w->incolla(nome, "");
        for (const char k : testo)
            w->digita(nome, std::string(1, k));
        w->esci(nome);
    }
    /// Every field of the table shows its expected text.
    void controlla(const Campi& attesi) {
        for (const auto& [n, v] : attesi)
            EXPECT_EQ(t(n), v) << n;
    }
};

// The rule on the average as written, in exact decimals, never rounded (the decrees' figures).
TEST(Soglie, RegoleVecchiaENuova) {
    using enum Norma;
    const std::tuple<const char*, Norma, const char*> casi[] = {
        {"7,12", Vecchia, "10,68"}, {"7,12", Nuova, "12,9"},        {"18", Nuova, "26"},
        {"16", Nuova, "24"},        {"15,99", Nuova, "23,9875"},    {"9,87", Vecchia, "14,805"},
        {"0", Nuova, "4"},          {"11,0154", Nuova, "17,76925"}, {"7,3839", Nuova, "13,229875"},
    };
    for (const auto& [media, norma, soglia] : casi)
        EXPECT_EQ(sogliaDelTesto(media, norma)->testo(), soglia) << media;
    EXPECT_FALSE(sogliaDelTesto("NN", Vecchia));
}

// "fino a" holds its limit: both sides of every limit of the account categories, in euro and in lire
// (10 milioni for 5.000 euro, the exact conversions of 1.500, 50.000, 100.000 and 200.000 euro).
TEST(Soglie, ClassiDImporto) {
    using enum Valuta;
    // Advances: two classes up to 31/03/2010, three from 01/04/2010, the limits of 2017 from 01/04/2017.
    const Data nuove{2010, 1, 1}, vecchie{2009, 12, 31}, anticipi{2010, 4, 1}, anticipi17{2017, 4, 1};
    // The category, the accordato, the start of the period, its currency, the class.
    const std::tuple<int, double, Data, Valuta, int> casi[] = {
        {0, 5000, nuove, Euro, 1},           {0, 5000.01, nuove, Euro, 2},
        {1, 1500, nuove, Euro, 1},           {1, 1500.01, nuove, Euro, 2},
        {1, 1500.01, vecchie, Euro, 1},      {1, 5000, vecchie, Euro, 1},
        {1, 5000.01, vecchie, Euro, 2},      {2, 5000, anticipi, Euro, 1},
        {2, 5000.01, anticipi, Euro, 2},     {2, 100000, anticipi, Euro, 2},
        {2, 100000.01, anticipi, Euro, 3},   {2, 100000.01, vecchie, Euro, 2},
        {2, 100000.01, nuove, Euro, 2},      {2, 100000.01, {2017, 3, 31}, Euro, 3},
        {2, 50000, anticipi17, Euro, 1},     {2, 50000.01, anticipi17, Euro, 2},
        {2, 200000, anticipi17, Euro, 2},    {2, 200000.01, anticipi17, Euro, 3},
        {0, 10000000, nuove, Lire, 1},       {0, 10000001, nuove, Lire, 2},
        {1, 2904405, nuove, Lire, 1},        {1, 2904406, nuove, Lire, 2},
        {2, 193627000, anticipi, Lire, 2},   {2, 193627001, anticipi, Lire, 3},
        {2, 96813500, anticipi17, Lire, 1},  {2, 96813501, anticipi17, Lire, 2},
        {2, 387254000, anticipi17, Lire, 2}, {2, 387254001, anticipi17, Lire, 3},
    };
    for (const auto& [categoria, accordato, inizio, valuta, classe] : casi)
        EXPECT_EQ(categoriaConto(categoria).classe(accordato, inizio, valuta), classe)
            << categoria << " " << accordato << " " << inizio.testo();
}

TEST_F(FinestraTaeg, PulsantiDelPeriodoEGiorni) {
    w->seleziona("Combo1", 17); // 2024
    EXPECT_EQ(t("ga"), "36600");
    w->clicca("Command6");
    controlla({{"dal", "01/01/2024"}, {"al", "31/12/2024"}});
    w->clicca("Command8");
    EXPECT_EQ(t("Giorni"), "366");
    w->clicca("Command4");
    controlla({{"dal", "01/07/2024"}, {"al", "30/09/2024"}});
    ctx.stato.imposta.divisoreSempre365(true); // the setting "36.500 sempre"
    w->seleziona("Combo1", 17);
    EXPECT_EQ(t("ga"), "36500");
    ctx.stato.imposta.divisoreSempre365(false);
    w->seleziona("Combo1", 16); // 2023
    EXPECT_EQ(t("ga"), "36500");
    w->clicca("Command2");
    ctx.stato.mascheraImporti = std::string(maschere::euro);
    campo("NumeriD", "900000");
    w->clicca("Command8");
    controlla({{"Giorni", "90"}, {"IndMedio", "10.000,00"}, {"indMed2", "900.000,00"}});
    campo("Giorni", "0"); // "0" leaves the average debt alone
    EXPECT_EQ(t("IndMedio"), "10.000,00");
    campo("Giorni", "45");
    EXPECT_EQ(t("IndMedio"), "20.000,00");
    w->seleziona("Combo2", 1); // without a credit line: the average debt becomes the accordato
    EXPECT_TRUE((*w)["Option2"].selezionato);
    controlla({{"fido", "20.000,00"}, {"Acc", "20.000,00"}});
    w->incolla("al", "01/06/2023");
    w->incolla("dal", "02/06/2023");
    w->clicca("Command8");
    EXPECT_EQ(t("Giorni"), "0");
}

// Zero and empty go by the value, never by the text: "0" typed is "0,00" once the field is left.
TEST_F(FinestraTaeg, ZeroEVuotoSecondoIlValore) {
    periodo("12023", {10, 8, 12, 11, 9, 7, 6});
    // The field, the text typed key by key before it is left, the formula, the box that stops the formula
    // (or none), the TEG ("x" when nothing is computed) and CMSc.
    // Interest 100 over 1.000.000 numeri x 36500 is 3,650; a CMS of 0,50 as interest adds
    // 0,50 x 36500 / 1.000.000 = 0,01825, as an expense 0,50 x 100 / 10.000 = 0,005.
    const std::tuple<const char*, const char*, const char*, const char*, const char*, const char*> casi[] = {
        {"fido", "0", "OK", "non può essere zero", "x", ""},    {"fido", "0,00", "OK", "non può essere zero", "x", ""},
        {"Acc", "0,000", "OK", "non può essere zero", "x", ""}, {"fido", "", "OK", "non può essere vuoto", "x", ""},
        {"ComMS", "0,50", "OK", "", "3,668", "0,018"},          {"ComMS2", "0,50", "OK", "", "3,655", "0,005"},
        {"ComMS", "0,50", "Command9", "", "3,668", "0,018"},
    };
    for (const auto& [nome, digitato, formula, messaggio, teg, cms] : casi) {
        SCOPED_TRACE(std::string(nome) + " " + digitato);
        w->ricarica(false);
        w->clicca("euro");
        compila("01/01/2023", "");
        digitaELascia(nome, digitato);
        risposte.dimentica();
        w->incolla("TegTXT", "x");
        w->clicca(formula);
        ASSERT_EQ(risposte.mostrati().size(), *messaggio ? 1u : 0u);
        if (*messaggio) {
            EXPECT_NE(risposte.mostrati()[0].testo.find(messaggio), std::string::npos);
            EXPECT_EQ(t("TS1"), "10"); // the rate grid is filled before the check
        }
        controlla({{"TegTXT", teg}, {"CMSc", cms}});
        if (!*messaggio) {
            EXPECT_EQ(t("SommaParziali"), teg);
        }
    }
    risposte.dimentica();
    w->incolla("fido", "");
    w->clicca("Command9"); // the global formula does not need it
    EXPECT_TRUE(risposte.mostrati().empty());
}

// A figure typed and left shows in the window's format, in its own field and in the one fed from it.
TEST_F(FinestraTaeg, UnaCifraLasciataSiMostraFormattataAncheNelCampoCheAlimenta) {
    const std::pair<const char*, const char*> casi[] = {{"fido", "Acc"}, {"Acc", "fido"}, {"NumeriD", "indMed2"}};
    for (const auto& [campo, gemello] : casi) {
        SCOPED_TRACE(campo);
        w->ricarica(false);
        w->clicca("euro");
        digitaELascia(campo, "12345,6");
        controlla({{campo, "12.345,60"}, {gemello, "12.345,60"}});
    }
}

TEST_F(FinestraTaeg, GrigliaSogliaESupero) {
    periodo("12023", {7.12f, 6, 12, 11, 9, 8, 7});
    periodo("22023", {8.12f, 7, 13, 12, 10, 9, 8});
    periodo("12022", {1, 1, 1, 1, 1, 1, 1});
    w->clicca("euro");
    w->clicca("Option3");
    compila("05/05/2023", "30/06/2023", {{"intDare", "2.000"}});
    w->clicca("OK");
    controlla({{"TS1", "7,12"}, {"TU1", "10,68"}, {"TS2", "8,12"}, {"TS3", "0"}, {"TS1c", "NN"}});
    // The mean of the two quarters found; the second quarter's threshold, class 2 (accordato 10.000): 7 x 1,5.
    controlla({{"TSM", "7,620"}, {"TUM", "11,430"}, {"soglia", "10,5"}, {"TegTXT", "73,000"}, {"Diff", "62,5"}});

    campo("Acc", "4.999,99");
    w->clicca("OK");
    EXPECT_EQ(t("soglia"), "12,18"); // class 1: 8,12 x 1,5
    w->clicca("Option4");
    w->clicca("OK");
    EXPECT_EQ(t("TU2"), "14,15"); // 8,12 x 1,25 + 4

    w->incolla("dal", "01/01/2021"); // a year the table does not hold: no mean, rather than 0
    w->incolla("al", "31/03/2021");
    w->clicca("OK");
    controlla({{"TSM", "n.d."}, {"TUM2", "n.d."}});
}

// The mean of the quarters is summed in double and kept in single precision: one rounding, at the end.
TEST_F(FinestraTaeg, MediaInSingolaPrecisioneArrotondataUnaVolta) {
    const std::tuple<const char*, std::array<float, 4>, const char*> casi[] = {
        // 2014 advances: 36,49 / 4 = 9,1225; summed step by step in single precision it shows 9,122.
        {"2014", {8.92f, 8.9f, 9.37f, 9.3f}, "9,123"},
        // 20,001999 / 4 lies just under 5,0005 in double, on it in single precision.
        {"2015", {5.0005f, 5.0005f, 5.0005f, 5.000499f}, "5,001"},
    };
    for (const auto& [anno, medie, tsm] : casi) {
        for (std::size_t q = 0; q < 4; ++q)
            periodo(std::to_string(q + 1) + anno, {1, 1, 1, 1, medie[q], 1, 1});
        w->seleziona("Combo2", 2);
        compila(std::string("01/01/") + anno, std::string("31/03/") + anno);
        w->clicca("OK");
        EXPECT_EQ(t("TSM"), tsm) << anno;
    }
}

// The audit block names what the threshold stands on: the official category and the threshold
// published for the class beside the exact one (the decrees' figures: 3rd quarter 2008 "oltre 5.000
// euro" TEGM 9,87, threshold 14,805; 1st quarter 2012 "fino a 5.000 euro" TEGM 11, threshold 17,75),
// and the days of the year with the reason.
TEST_F(FinestraTaeg, BloccoDellaSogliaNominaCategoriaPubblicataEGiorni) {
    struct Caso {
        const char *chiave, *dal, *al, *norma, *accordato;
        float tm1, tm2;
        bool sempre365;
        const char *ga, *soglia, *pubblicata, *giorni;
    };
    const Caso casi[] = {
        {"32008", "01/07/2008", "30/09/2008", "Option3", "10.000", 12.97f, 9.87f, false, "36600", "14,805",
         "14,805 (oltre 5.000 euro)", "36.600: il 2008 è bisestile"},
        {"12012", "01/01/2012", "31/03/2012", "Option5", "5.000", 11, 9.31f, true, "36500", "17,75",
         "17,75 (fino a 5.000 euro)", "36.500: impostazione \"Divisore dell'anno: 36.500 sempre\""},
        {"12013", "01/01/2013", "31/03/2013", "Option5", "5.000", 11, 9.31f, false, "36500", "17,75",
         "18,15 (fino a 5.000 euro)", "36.500: il 2013 non è bisestile"},
    };
    std::filesystem::copy_file(VANTREL_DATA_DIR "/serie-ufficiale-completa.csv", dir.file("serie-ufficiale.csv"));
    for (const Caso& c : casi) {
        SCOPED_TRACE(c.dal);
        periodo(c.chiave, {c.tm1, c.tm2});
        ctx.stato.imposta.divisoreSempre365(c.sempre365);
        w->clicca("euro");
        w->clicca(c.norma);
        compila(c.dal, c.al, {{"fido", c.accordato}});
        w->clicca("OK");
        EXPECT_EQ(t("ga"), c.ga);
        const auto righe = w->calcolo().righeCatenaSoglia();
        const auto riga = [&](const std::string& etichetta) {
            for (const std::string& r : righe)
                if (r.starts_with("   " + etichetta)) return r.substr(30);
            return std::string("(assente)");
        };
        EXPECT_EQ(riga("Tasso soglia"), std::string(c.soglia) + " (esatto, secondo la regola)");
        EXPECT_TRUE(std::ranges::any_of(riepilogoCalcolo(*w, maschere::euro), [&](const std::string& r) {
            return r.find("Tasso soglia del periodo:") != std::string::npos && r.ends_with(" " + std::string(c.soglia));
        })) << "the summary's threshold line, exact";
        EXPECT_EQ(riga("Soglia pubblicata"), c.pubblicata);
        EXPECT_EQ(riga("Giorni dell'anno"), c.giorni);
        EXPECT_EQ(riga("Categoria"), "Conto Corrente");
        EXPECT_TRUE(std::ranges::count(righe, std::string(30, ' ') +
                                                  "categoria ufficiale: APERTURE DI CREDITO IN CONTO CORRENTE"));
    }
}

TEST_F(FinestraTaeg, SogliaUgualeNonESupero) {
    periodo("32023", {2, 2, 2, 2, 2, 2, 2});
    w->clicca("euro");
    w->clicca("Option3");
    compila("01/08/2023", "31/08/2023", {{"intDare", "82,1917808219178"}}); // 3,000 over 36500 / 1.000.000
    w->clicca("OK");
    controlla({{"TegTXT", "3,000"}, {"soglia", "3"}, {"Diff", ""}});
    w->clicca("via");
    const std::string riga = (*w)["List1"].voci.back();
    EXPECT_EQ(riga.size(), 139u);
    EXPECT_EQ(riga.substr(0, 7), " 03 23 ");
    EXPECT_EQ(riga.substr(29, 6), " 3,000");
    EXPECT_EQ(riga.substr(36, 6), "      "); // no excess
}

} // namespace
} // namespace vantrel
