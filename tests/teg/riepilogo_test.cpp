#include "rates/fonti_tassi.h"
#include "support/stato_finestra.h"
#include "support/taeg_fixture.h"
#include "teg/riepilogo.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace vantrel {
namespace {

using test::FinestraTaeg;
using Righe = std::vector<std::string>;

TEST(Riepilogo, RigheDopoOgniFormula) {
    // The formula, the row of the threshold's block after the summary's own lines, the formula's first row.
    const std::tuple<const char*, std::size_t, const char*> casi[] = {
        {"OK", 43, "              36.500 x Totale interessi           Totale spese x 100"},
        {"Command9", 44, "              36.500 x Totale interessi + totale spese "}};
    const std::pair<const char*, const char*> campi[] = {
        {"NumeriD", "9.000.000"}, {"intDare", "1.234,56"}, {"ComMS", "50"}, {"speseN", "30"}, {"fido", "100.000"}};
    for (const auto& [formula, sogliaDa, primaRigaFormula] : casi) {
        SCOPED_TRACE(formula);
        test::Ambiente a;
        FinestraCalcolo t(a.ctx);
        int aperture = 0;
        t.report().apertaFinestraTesto = [&](FinestraTesto&) { ++aperture; };
        t.clicca("euro");
        t.incolla("dal", "01/01/2025");
        t.incolla("al", "31/03/2025");
        for (const auto& [campo, testo] : campi) {
            t.incolla(campo, testo);
            t.esci(campo);
        }
        t.clicca("Command8");
        t.clicca(formula);
        t.clicca("SSCommand2");
        ASSERT_NE(t.report().finestraTesto(), nullptr);
        FinestraTesto* stp1 = t.report().finestraTesto();
        const Righe righe = stp1->lista().righe();
        ASSERT_GT(righe.size(), sogliaDa);
        EXPECT_EQ(righe[sogliaDa], "   CALCOLO DEL TASSO SOGLIA");
        EXPECT_EQ(righe[21], primaRigaFormula);

        stp1->lista().righe().push_back("aggiunta a mano");
        t.clicca("SSCommand2"); // rebuilt from scratch in the same window
        EXPECT_EQ(t.report().finestraTesto(), stp1);
        EXPECT_EQ(stp1->lista().righe(), righe);
        EXPECT_EQ(aperture, 1);
    }
}

TEST(Riepilogo, CommissioniSuEntrambiILati) {
    // ComMS, ComMS2 and tspe as the window holds them; the summary's commissions and expenses.
    const std::tuple<const char*, const char*, const char*, std::string, std::string> casi[] = {
        {"0", "12,50", "100,00", "12,50", "87,50"},
        {"12,50", "0", "100,00", "12,50", "100,00"},
        {"0", "0", "", "0,00", ""},
        {"0,50", "12,00", "100", "0,50", "88,00"}};
    for (const auto& [ComMS, ComMS2, tspe, commissioni, spese] : casi) {
        SCOPED_TRACE(std::string(ComMS) + " / " + ComMS2);
        test::Ambiente a;
        FinestraCalcolo t(a.ctx);
        t.imposta(t.id("ComMS"), ComMS);
        t.imposta(t.id("ComMS2"), ComMS2);
        t.imposta(t.id("tspe"), tspe);
        const Righe r = riepilogoCalcolo(t, "###,###,##0.00");
        EXPECT_EQ(r[11], "   Commissioni Max scoperto   " + std::string(16 - commissioni.size(), ' ') + commissioni);
        EXPECT_EQ(r[13], "   Totale Spese               " + std::string(16 - spese.size(), ' ') + spese);
    }
}

TEST(Riepilogo, FormulaDisegnata) {
    test::Ambiente a;
    FinestraCalcolo t(a.ctx);
    test::stato(t, "TotalSpese").visibile = true;
    const std::pair<const char*, const char*> campi[] = {
        {"totInt", "1234,56"}, {"tspe", "30"}, {"indMed2", " 9.000.000 "}, {"fido", "100.000"}, {"TegTXT", "5,4321"}};
    for (const auto& [campo, testo] : campi)
        t.imposta(t.id(campo), testo);
    const Righe r = riepilogoCalcolo(t, "###,###,##0.00");
    ASSERT_EQ(r.size(), 43u);
    EXPECT_EQ(r[15], "   T.E.G.                                5,432");
    // Each side centred over its rule, after a margin of 10.
    EXPECT_EQ(r[28], std::string(16, ' ') + "36.500 x 1.234,56" + std::string(15, ' ') + "30,00 x 100");
    EXPECT_EQ(r[29], "   T.E.G. = --------------------------  +  ---------------------- = 5,432");
    EXPECT_EQ(r[30], std::string(20, ' ') + "9.000.000" + std::string(22, ' ') + "100.000");

    test::stato(t, "TotalSpese").visibile = false;
    t.imposta(t.id("totint2"), "1234567890123456789012,5");
    const Righe g = riepilogoCalcolo(t, "");
    ASSERT_EQ(g.size(), 44u);
    EXPECT_EQ(g[28].substr(0, 19), std::string(10, ' ') + "36.500 x "); // 30 characters or more: no centring
    EXPECT_EQ(g[29], "   T.E.G. = --------------------------  = 5,432");
}

// The threshold's chain from the quarter's averages to the rule of the period's dates, with the source
// of the rates once it is recorded.
TEST_F(FinestraTaeg, IlRiepilogoMostraLaCatenaDellaSoglia) {
    periodo("12018", {11.0154f, 8.8307f, 16.0275f, 14.7047f, 7.3839f, 5.2984f, 3.3274f});
    w->ricarica(false);
    w->clicca("euro");
    w->seleziona("Combo2", 2);
    w->clicca("Option1a");
    campo("fido", "30.000");
    campo("NumeriD", "1.000.000");
    campo("intDare", "100");
    w->incolla("dal", "01/01/2018");
    w->incolla("al", "31/03/2018");
    w->clicca("Command9");
    const auto riepilogo = [&] {
        w->clicca("SSCommand2");
        std::string s;
        for (const auto& r : w->report().finestraTesto()->lista().righe())
            s += r + "\n";
        return s;
    };
    const std::string r = riepilogo();
    for (const char* atteso : {"1° trimestre 2018", "Conto anticipi", "1° scaglione, fino a 50.000 euro",
                               "7,3839 x 1,25 + 4 = 13,229875", "nuova norma, secondo la data", fonti::nonRegistrata})
        EXPECT_NE(r.find(atteso), std::string::npos) << atteso << "\n" << r;

    ASSERT_TRUE(registraFontiTassi(ctx.stato.cartellaDati, {{"12018", "decreto MEF del trimestre"}}));
    EXPECT_NE(riepilogo().find("decreto MEF del trimestre"), std::string::npos);
}

} // namespace
} // namespace vantrel
