// Figures the window must not show silently wrong: a threshold the rate table cannot give, a TEG
// that leaves out a charge typed as an empty field, a days-per-year factor of another year.
#include "support/taeg_fixture.h"
#include "teg/riepilogo.h"

#include <algorithm>

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
    struct Caso {
        const char* nome;
        const char* dal;
        int categoria;
        const char* formula;
        const char* avviso;
    };
    const Caso casi[] = {
        {"trimestre mancante", "01/04/2023", 0, "OK", "2° trimestre 2023"},
        // Neither formula leaves the grid of the 2023 calculation on screen for 2022.
        {"anno mancante, griglia di un altro anno", "01/02/2022", 0, "Command9", "1° trimestre 2022"},
        {"categoria senza media", "01/01/2009", 1, "OK", "\"Conto senza affidamento\""},
        {"tabella vuota", "01/01/2023", 0, "Command9", "1° trimestre 2023"},
    };
    for (const Caso& c : casi) {
        SCOPED_TRACE(c.nome);
        periodoDigitato("01/01/2023", c.categoria, kPeriodo);
        w->clicca(c.formula);
        ASSERT_NE(t("soglia"), "n.d."); // the quarter of 2023 has its rates
        if (std::string(c.nome) == "tabella vuota") ctx.stato.tassi.numPeriodi = 0;
        w->incolla("dal", c.dal);
        w->clicca(c.formula);
        EXPECT_EQ(t("soglia"), "n.d.");
        EXPECT_EQ(t("Diff"), "");
        if (std::string(c.formula) == "Command9") {
            EXPECT_EQ(t("TU1"), "0"); // no rate of 2023 is left on screen
        }
        EXPECT_NE(t("TegTXT"), "");
        EXPECT_TRUE(unMessaggioCon("Tassi del trimestre non disponibili")) << risposte.mostrati().size();
        EXPECT_TRUE(unMessaggioCon(c.avviso));
        EXPECT_TRUE(unMessaggioCon("Importa serie ufficiale"));
        w->clicca("via");
        const std::string riga = (*w)["List1"].voci.back();
        EXPECT_EQ(riga.substr(29, 13), "  n.d.       "); // no threshold, no excess
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
    struct Caso {
        const char* vuoto;
        const char* formula;
        bool riempi;
        const char* teg;
        const char* aiuto;
    };
    const Caso casi[] = {
        {"extrafido", "OK", true, "4,450", "altri interessi"},
        {"speseN", "OK", true, "4,315", "spese, C.M.S. (spese)"},
        {"intDare", "Command9", true, "3,285", "Interessi Dare, C.M.S. (interessi)"},
        {"ASpese", "OK", true, "4,515", "altri oneri"},
        // The command line reads an empty cell as a field not given: the headline TEG loses the term.
        {"extrafido", "OK", false, "0,000", ""},
    };
    for (const Caso& c : casi) {
        SCOPED_TRACE(std::string(c.vuoto) + " " + c.formula);
        auto campi = tutti;
        std::erase_if(campi, [&](const auto& p) { return std::string(p.first) == c.vuoto; });
        periodoDigitato("01/01/2023", 0, campi);
        w->calcolo().vuotiAZero(c.riempi);
        w->clicca(c.formula);
        EXPECT_EQ(t("TegTXT"), c.teg);
        if (c.riempi) {
            EXPECT_EQ(t("SommaParziali"), c.teg);
            EXPECT_EQ(t(c.vuoto), "0");
            EXPECT_NE(t("StatoCalcolo").find(c.aiuto), std::string::npos) << t("StatoCalcolo");
        } else {
            EXPECT_EQ(t(c.vuoto), "");
        }
    }
    w->calcolo().vuotiAZero(true);
}

TEST_F(CifreMancanti, LAnnoSegueLaDataDelPeriodo) {
    periodo("41997", {10, 8, 12, 11, 9, 7, 6});
    w->ricarica(false);
    const auto& anni = (*w)["Combo1"].voci;
    EXPECT_EQ(anni.front(), "1997"); // every year of the rate table
    EXPECT_EQ(anni.back(), "2027");  // and the next one, whose first rates come out in December
    EXPECT_EQ(t("Combo1"), "2026");  // the year of today's dates
    struct Caso {
        const char* dal;
        const char* anno;
        const char* ga;
    };
    for (const Caso& c : {Caso{"01/02/2024", "2024", "36600"}, Caso{"31/12/2023", "2023", "36500"},
                          Caso{"01/02/1988", "2023", "36600"},    // a year not listed still sets the factor
                          Caso{"01/04/2029", "2029", "36500"}}) { // a later one joins the list
        w->incolla("dal", c.dal);
        EXPECT_EQ(t("Combo1"), c.anno) << c.dal;
        EXPECT_EQ(t("ga"), c.ga) << c.dal;
        // The summary writes the factor the calculation used.
        const std::string fattore = std::string(c.ga).insert(2, ".") + " x Totale interessi";
        const auto r = riepilogoCalcolo(*w, "", {});
        EXPECT_TRUE(std::ranges::any_of(r, [&](const std::string& x) { return x.find(fattore) != std::string::npos; }))
            << c.dal;
    }
    EXPECT_EQ(anni.back(), "2029");
    EXPECT_EQ(anni[anni.size() - 2], "2028");
    w->seleziona("Combo1", static_cast<int>(anni.size()) - 3);
    w->clicca("Command2");
    EXPECT_EQ(t("dal"), "01/01/2027");
}

TEST_F(CifreMancanti, CreaReportSenzaCalcoloNonAccodaNulla) {
    periodoDigitato("01/01/2023", 0, kPeriodo);
    const std::size_t righe = (*w)["List1"].voci.size();
    w->clicca("via");
    EXPECT_EQ((*w)["List1"].voci.size(), righe);
    EXPECT_TRUE(unMessaggioCon("nessun calcolo da aggiungere"));
}

} // namespace
} // namespace vantrel
