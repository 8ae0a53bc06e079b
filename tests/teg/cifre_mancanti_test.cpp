// Figures the window must not show silently wrong: a threshold the rate table cannot give, a TEG
// that leaves out a charge typed as an empty field, a days-per-year factor of another year.
#include "support/taeg_fixture.h"
#include "teg/controllo_periodo.h"
#include "teg/riepilogo.h"

#include <algorithm>
#include <random>

namespace vantrel {
namespace {

class CifreMancanti : public test::FinestraTaeg {
protected:
    /// A fresh window on the table in memory, with a period of one quarter typed in.
    void periodoDigitato(const char* dal, int categoria, std::vector<std::pair<const char*, const char*>> campi) {
        w->ricarica(false);
        w->clicca("euro");
        w->seleziona("Combo2", categoria);
        w->incolla("dal", dal);
        for (const auto& [nome, testo] : campi)
            campo(nome, testo);
        risposte.dimentica();
    }
    bool unMessaggioCon(const std::string& parte) const {
        const auto& m = risposte.mostrati();
        return m.size() == 1 && m[0].testo.find(parte) != std::string::npos;
    }
};

const std::vector<std::pair<const char*, const char*>> kPeriodo = {
    {"NumeriD", "1.000.000"}, {"intDare", "100"}, {"speseN", "50"}, {"fido", "10.000"}};

TEST_F(CifreMancanti, SenzaTassiDelTrimestreNienteSogliaNeSupero) {
    periodo("12023", {10, 8, 12, 11, 9, 7, 6});
    periodo("12009", {10, 8, 0, 0, 9, 7, 0}); // no overdraft averages before 2010
    // The case, the period's new start, the category, the formula, the period the warning names.
    const std::tuple<const char*, const char*, int, const char*, const char*> casi[] = {
        {"trimestre mancante", "01/04/2023", 0, "OK", "2° trimestre 2023"},
        // Neither formula leaves the grid of the 2023 calculation on screen for 2022.
        {"anno mancante, griglia di un altro anno", "01/02/2022", 0, "Command9", "1° trimestre 2022"},
        {"categoria senza media", "01/01/2009", 1, "OK", "\"Conto senza affidamento\""},
        {"tabella vuota", "01/01/2023", 0, "Command9", "1° trimestre 2023"},
    };
    for (const auto& [nome, dal, categoria, formula, avviso] : casi) {
        SCOPED_TRACE(nome);
        periodoDigitato("01/01/2023", categoria, kPeriodo);
        w->clicca(formula);
        ASSERT_NE(t("soglia"), "n.d."); // the quarter of 2023 has its rates
        if (std::string(nome) == "tabella vuota") ctx.stato.tassi.numPeriodi = 0;
        w->incolla("dal", dal);
        w->clicca(formula);
        EXPECT_EQ(t("soglia"), "n.d.");
        EXPECT_EQ(t("Diff"), "");
        if (std::string(formula) == "Command9") {
            EXPECT_EQ(t("TU1"), "0"); // no rate of 2023 is left on screen
        }
        EXPECT_NE(t("TegTXT"), "");
        for (const char* parte : {"Tassi del trimestre non disponibili", avviso, "Importa serie ufficiale"})
            EXPECT_TRUE(unMessaggioCon(parte)) << parte << " in " << risposte.mostrati().size() << " messaggi";
        w->clicca("via");
        EXPECT_EQ((*w)["List1"].voci.back().substr(29, 13), "  n.d.       "); // no threshold, no excess
        ctx.stato.tassi.numPeriodi = 2;
    }
}

TEST_F(CifreMancanti, LeFormuleContanoOgniOnereAncheSeIlCampoEVuoto) {
    periodo("12023", {10, 8, 12, 11, 9, 7, 6});
    // Interest 100 + other interest 10 over 1.000.000 numeri x 36500; expenses 50 + other charges 30
    // over the accordato 10.000 x 100 (or, in the global formula, with the interest).
    const std::vector<std::pair<const char*, const char*>> tutti = {{"NumeriD", "1.000.000"}, {"intDare", "100"},
                                                                    {"extrafido", "10"},      {"speseN", "50"},
                                                                    {"ASpese", "30"},         {"fido", "10.000"}};
    // The field left empty, the formula, the TEG, the charge the status line names.
    const std::tuple<const char*, const char*, const char*, const char*> casi[] = {
        {"extrafido", "OK", "4,450", "altri interessi"},
        {"speseN", "OK", "4,315", "spese, C.M.S. (spese)"},
        {"intDare", "Command9", "3,285", "Interessi Dare, C.M.S. (interessi)"},
        {"ASpese", "OK", "4,515", "altri oneri"},
    };
    for (const auto& [vuoto, formula, teg, aiuto] : casi) {
        SCOPED_TRACE(std::string(vuoto) + " " + formula);
        auto campi = tutti;
        std::erase_if(campi, [&](const auto& p) { return std::string(p.first) == vuoto; });
        periodoDigitato("01/01/2023", 0, campi);
        const std::size_t righe = (*w)["List1"].voci.size();
        w->clicca("via"); // nothing worked out yet: no row to add
        EXPECT_EQ((*w)["List1"].voci.size(), righe);
        EXPECT_TRUE(unMessaggioCon("nessun calcolo da aggiungere"));
        w->clicca(formula);
        EXPECT_EQ(t("TegTXT"), teg);
        EXPECT_EQ(t("SommaParziali"), teg);
        EXPECT_EQ(t(vuoto), "0");
        EXPECT_NE(t("StatoCalcolo").find(aiuto), std::string::npos) << t("StatoCalcolo");
        // A batch hears it with the result.
        ASSERT_FALSE(w->calcolo().avvisi().empty());
        EXPECT_EQ(w->calcolo().avvisi().front(), t("StatoCalcolo"));
    }
}

// Whatever a period holds, through the batch check that the command line, the account import and
// scripts share: a non-zero charge never ends in a TEG of 0,000, nor a TEG in a threshold left empty
// without a word. Charges of 1 to 5.000 over at most 10^7 debit numbers or 10^5 of accordato are
// rates of 0,001 at least, and an empty cell is a field not given.
TEST_F(CifreMancanti, UnOnereNonDaMaiUnTegNulloNeUnaSogliaMuta) {
    using C = ControlliTeg;
    constexpr int C::*kOneri[] = {&C::interessiDare, &C::cmsInteressi, &C::altriInteressi,
                                  &C::spese,         &C::cmsSpese,     &C::altriOneri};
    for (int anno = 2009; anno <= 2012; ++anno)
        for (int q = 1; q <= 4; ++q)
            periodo(std::to_string(q) + std::to_string(anno), {10, 8, q == 2 ? 0.f : 12, 11, 9, 7, 6});
    std::mt19937 rng(18);
    const auto tra = [&](int a, int b) { return std::uniform_int_distribution<int>(a, b)(rng); };
    const auto importo = [&](int minimo, int massimo) {
        const int k = tra(0, 5);
        if (k == 0) return std::string();
        if (k == 1) return std::string(tra(0, 1) ? "0" : "0,00");
        const int euro = tra(minimo, massimo); // two decimals or none
        return std::to_string(euro) + (tra(0, 1) ? "," + std::to_string(tra(10, 99)) : "");
    };
    constexpr int C::*kNorme[] = {&C::normaPerData, &C::vecchiaNorma, &C::nuovaNorma};
    ControlloPeriodi controllo(ctx);
    for (int i = 0; i < 3000; ++i) {
        PeriodoDaControllare p;
        const int anno = tra(2008, 2013), q = tra(0, 3); // 2008 and 2013 are not in the table
        p.dal = Data{anno, q * 3 + 1, 1}.testo();
        p.al = aggiungiGiorni(Data{anno, q * 3 + 4 > 12 ? 12 : q * 3 + 4, 1}, q == 3 ? 30 : -1).testo();
        const auto campo = [&](int C::*c) -> std::string& { return p.campi[indiceCampo(c)]; };
        campo(&C::numeriDebitori) = importo(10000, 10000000);
        for (auto c : kOneri)
            campo(c) = importo(1, 5000);
        campo(&C::fido) = campo(&C::accordato) = importo(100, 100000);
        p.categoria = &categoriaConto(tra(0, 2));
        p.accordato = tra(0, 3) ? &C::accordatoFido : &C::accordatoIndebitamento;
        p.norma = kNorme[tra(0, 2)];
        p.formula = tra(0, 1) ? &C::calcolaBancaItalia : &C::calcolaGlobale;
        const EsitoControllo e = controllo.controlla(p);
        const FinestraCalcolo& f = controllo.finestra();
        const bool onere = std::any_of(std::begin(kOneri), std::end(kOneri), [&](auto c) {
            const std::string& x = campo(c);
            return !x.empty() && x != "0" && x != "0,00";
        });
        const std::string& teg = f.testo(f.id("TegTXT"));
        SCOPED_TRACE(p.dal + " " + campo(&C::numeriDebitori) + " | " + campo(&C::interessiDare) + " | " +
                     campo(&C::spese) + " | " + campo(&C::fido));
        ASSERT_FALSE(onere && teg == "0,000");
        ASSERT_FALSE(!teg.empty() && f.testo(f.id("soglia")).empty() && e.messaggi.empty()) << "a silent threshold";
        ASSERT_FALSE(teg.empty() && e.messaggi.empty()) << "a calculation that stops says why";
    }
}

TEST_F(CifreMancanti, LAnnoSegueLaDataDelPeriodo) {
    periodo("41997", {10, 8, 12, 11, 9, 7, 6});
    w->ricarica(false);
    const auto& anni = (*w)["Combo1"].voci;
    EXPECT_EQ(anni.front(), "1997"); // every year of the rate table
    EXPECT_EQ(anni.back(), "2027");  // and the next one, whose first rates come out in December
    EXPECT_EQ(t("Combo1"), "2026");  // the year of today's dates
    // The period's start, the year shown, the days-per-year factor.
    const std::tuple<const char*, const char*, const char*> casi[] = {
        {"01/02/2024", "2024", "36600"},
        {"31/12/2023", "2023", "36500"},
        {"01/02/1988", "2023", "36600"}, // a year not listed still sets the factor
        {"01/04/2029", "2029", "36500"}, // a later one joins the list
    };
    for (const auto& [dal, anno, ga] : casi) {
        w->incolla("dal", dal);
        EXPECT_EQ(t("Combo1"), anno) << dal;
        EXPECT_EQ(t("ga"), ga) << dal;
        // The summary writes the factor the calculation used.
        const std::string fattore = std::string(ga).insert(2, ".") + " x Totale interessi";
        const auto r = riepilogoCalcolo(*w, "", {});
        EXPECT_TRUE(std::ranges::any_of(r, [&](const std::string& x) { return x.find(fattore) != std::string::npos; }))
            << dal;
    }
    EXPECT_EQ(anni.back(), "2029");
    EXPECT_EQ(anni[anni.size() - 2], "2028");
    w->seleziona("Combo1", static_cast<int>(anni.size()) - 3);
    w->clicca("Command2");
    EXPECT_EQ(t("dal"), "01/01/2027");
}

} // namespace
} // namespace vantrel
