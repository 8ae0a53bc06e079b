// The separate test of the CMS against the cases worked out by hand in exact fractions
// (tests/data/cms_attesi.csv, written by tools/cms_attesa.py, which never calls the program): the
// function alone, and the calculation window as a user fills it.
#include "common/numeri.h"
#include "support/righe_attese.h"
#include "support/taeg_fixture.h"
#include "teg/cms_del_periodo.h"
#include "teg/verifica_cms.h"

#include <algorithm>
#include <gtest/gtest.h>

namespace vantrel {
namespace {

using Caso = test::RigaAttesa;

std::vector<Caso> casi() {
    return test::righeFile(VANTREL_TEST_DATA "/cms_attesi.csv");
}

DatiCms dati(const Caso& c) {
    const auto tasso = [&](const char* k) { return TassoEsatto::leggi(c.at(k)); };
    const auto importo = [&](const char* k) { return leggiNumero(c.at(k)); };
    return {.fine = leggiData(c.at("al")).value(),
            .bancaItalia = c.at("formula") == "bancaitalia",
            .interessi = importo("interessi"),
            .altriInteressi = importo("altri_interessi"),
            .spese = importo("spese"),
            .altriOneri = importo("altri_oneri"),
            .cmsInteressi = importo("cms_interessi"),
            .cmsSpese = importo("cms_spese"),
            .massimoScoperto = importo("massimo_scoperto"),
            .numeri = importo("numeri"),
            .divisore = importo("divisore"),
            .fido = importo("fido"),
            .soglia = tasso("soglia"),
            .cmsMedia = tasso("cms_media"),
            .norma = c.at("norma") == "vecchia" ? Norma::Vecchia : Norma::Nuova,
            .lettura = c.at("lettura") == "separata" ? LetturaCms::Separata : LetturaCms::NelTeg,
            .valuta = c.at("valuta") == "lire" ? Valuta::Lire : Valuta::Euro};
}

// The edges of the rule: the last day of 2009 is judged apart, the first of 2010 is not; an excess
// equal to the margin is compensated; a missing figure never gives a verdict, nor a CMS field left empty
// a test.
TEST(VerificaCms, Limiti) {
    const Caso base = casi().front(); // 2005, CMS 200 on 40.000, threshold 0,45, margin 125,15
    // The case, its change to the base, the verdict.
    const std::tuple<const char*, void (*)(DatiCms&), EsitoCms::Caso> righe[] = {
        {"31/12/2009 a parte", [](DatiCms& d) { d.fine = Data(2009, 12, 31); }, EsitoCms::Caso::Entro},
        {"01/01/2010 nel TEG", [](DatiCms& d) { d.fine = Data(2010, 1, 1); }, EsitoCms::Caso::CmsNelTeg},
        // 180 + 125,15 of CMS: the excess equals the margin.
        {"eccedenza pari al margine", [](DatiCms& d) { d.cmsInteressi = 305.15; }, EsitoCms::Caso::Entro},
        {"eccedenza di un centesimo oltre", [](DatiCms& d) { d.cmsInteressi = 305.16; }, EsitoCms::Caso::OltreCms},
        {"CMS al tasso soglia", [](DatiCms& d) { d.cmsInteressi = 180; }, EsitoCms::Caso::Entro},
        // No margin left: the excess of 20 euro is not compensated.
        {"TEG senza CMS pari alla soglia", [](DatiCms& d) { d.soglia = TassoEsatto::leggi("11,981"); },
         EsitoCms::Caso::OltreCms},
        {"soglia del periodo mancante", [](DatiCms& d) { d.soglia.reset(); }, EsitoCms::Caso::DaVerificare},
        {"numeri mancanti", [](DatiCms& d) { d.numeri.reset(); }, EsitoCms::Caso::DaVerificare},
        {"spese mancanti", [](DatiCms& d) { d.spese.reset(); }, EsitoCms::Caso::DaVerificare},
        {"accordato zero", [](DatiCms& d) { d.fido = 0.0; }, EsitoCms::Caso::DaVerificare},
        {"massimo scoperto zero", [](DatiCms& d) { d.massimoScoperto = 0.0; }, EsitoCms::Caso::DaVerificare},
        {"CMS media zero", [](DatiCms& d) { d.cmsMedia = TassoEsatto{}; }, EsitoCms::Caso::DaVerificare},
        {"CMS vuote", [](DatiCms& d) { d.cmsInteressi.reset(); }, EsitoCms::Caso::SenzaCms},
    };
    for (const auto& [nome, cambia, atteso] : righe) {
        SCOPED_TRACE(nome);
        DatiCms d = dati(base);
        cambia(d);
        const EsitoCms e = verificaCms(d);
        EXPECT_EQ(e.caso, atteso);
        EXPECT_EQ(e.esito == "CMS da verificare", atteso == EsitoCms::Caso::DaVerificare);
    }
}

// Every case typed into the calculation tab: the quarter's average and CMS average in the rate
// table, the figures pasted field by field, "giorni >>", the formula, "crea report".
class VerificaCmsFinestra : public test::FinestraTaeg {
protected:
    void calcola(const Caso& c) {
        ctx.stato.tassi = TabellaTassi{};
        ctx.stato.imposta.cmsNelTeg(c.at("lettura") == "nelteg");
        w = std::make_unique<FinestraCalcolo>(ctx, false);
        const auto dal = leggiData(c.at("dal")).value();
        periodo(chiavePeriodo(dal.trimestre(), dal.anno), {0, static_cast<float>(*leggiNumero(c.at("tegm")))});
        if (!c.at("cms_media").empty())
            ctx.stato.tassi.slot(1).TM[5] = static_cast<float>(*leggiNumero(c.at("cms_media")));
        w->clicca(c.at("valuta") == "lire" ? "Lira" : "euro");
        w->seleziona("Combo2", 0); // Conto Corrente: over the first class, the average TM2
        w->clicca("Option1a");
        w->clicca(c.at("norma") == "nuova" ? "Option4" : "Option5");
        for (const auto& [nome, colonna] : {std::pair{"fido", "fido"},
                                            {"NumeriD", "numeri"},
                                            {"intDare", "interessi"},
                                            {"ComMS", "cms_interessi"},
                                            {"extrafido", "altri_interessi"},
                                            {"speseN", "spese"},
                                            {"ComMS2", "cms_spese"},
                                            {"ASpese", "altri_oneri"},
                                            {"MaxScoperto", "massimo_scoperto"}})
            campo(nome, c.at(colonna));
        w->incolla("dal", c.at("dal"));
        w->incolla("al", c.at("al"));
        w->clicca("Command8");
        w->clicca(c.at("formula") == "globale" ? "Command9" : "OK");
        w->clicca("via");
    }
};

TEST_F(VerificaCmsFinestra, CasiCalcolatiAMano) {
    for (const Caso& c : casi()) {
        SCOPED_TRACE(c.at("caso"));
        calcola(c);
        EXPECT_EQ(t("soglia"), c.at("soglia"));
        EXPECT_EQ(t("TegTXT"), c.at("TegConCMS")); // the TEG with the CMS, as before
        for (const char* k : {"TegSenzaCMS", "TassoCMS", "SogliaCMS", "EccedenzaCMS", "MargineInteressi", "EsitoCMS"})
            EXPECT_EQ(t(k), c.at(k)) << k;
        // The result row ends with the verdict where the test was run, and is as before elsewhere.
        const std::string& riga = w->report().lista().righe().back();
        const bool separata = !c.at("TassoCMS").empty();
        EXPECT_EQ(riga.ends_with("  CMS: " + c.at("EsitoCMS")), separata) << riga;
        const auto& avvisi = w->calcolo().avvisi();
        EXPECT_EQ(std::count(avvisi.begin(), avvisi.end(), kCmsMediaMancante), c.at("SogliaCMS") == "n.d." ? 1 : 0);
        // The audit block: each figure with its formula and the judgment, the reading used.
        w->clicca("SSCommand2");
        std::string riepilogo;
        for (const auto& r : w->report().finestraTesto()->lista().righe())
            riepilogo += r + "\n";
        std::vector<std::string> attesi;
        if (separata)
            attesi = {c.at("TassoCMS"), c.at("EccedenzaCMS"), c.at("MargineInteressi"), "16303/2018",
                      "verifica CMS separata"};
        if (c.at("lettura") == "nelteg")
            attesi = {"CMS nel TEG, dalle impostazioni", "la CMS è nel T.E.G. confrontato con la soglia qui sopra"};
        for (const std::string& atteso : attesi)
            EXPECT_NE(riepilogo.find(atteso), std::string::npos) << atteso << "\n" << riepilogo;
    }
}

} // namespace
} // namespace vantrel
