// The separate test of the CMS against the cases worked out by hand in exact fractions
// (tests/data/cms_attesi.csv, written by tools/cms_attesa.py, which never calls the program).
#include "common/numeri.h"
#include "teg/verifica_cms.h"

#include <fstream>
#include <gtest/gtest.h>
#include <map>
#include <sstream>

namespace vantrel {
namespace {

using Caso = std::map<std::string, std::string>;

std::vector<Caso> casi() {
    std::ifstream in(VANTREL_TEST_DATA "/cms_attesi.csv");
    std::vector<std::string> colonne;
    std::vector<Caso> r;
    for (std::string riga; std::getline(in, riga);) {
        std::vector<std::string> campi;
        std::istringstream s(riga);
        for (std::string campo; std::getline(s, campo, ';');)
            campi.push_back(campo);
        if (riga.ends_with(';')) campi.emplace_back();
        if (colonne.empty()) {
            colonne = campi;
            continue;
        }
        Caso& c = r.emplace_back();
        for (std::size_t k = 0; k < colonne.size() && k < campi.size(); ++k)
            c[colonne[k]] = campi[k];
    }
    return r;
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

TEST(VerificaCms, CasiCalcolatiAMano) {
    const auto tutti = casi();
    ASSERT_GE(tutti.size(), 9u);
    for (const Caso& c : tutti) {
        SCOPED_TRACE(c.at("caso"));
        const EsitoCms e = verificaCms(dati(c));
        EXPECT_EQ(e.tegSenzaCms, c.at("TegSenzaCMS"));
        EXPECT_EQ(e.tassoCms, c.at("TassoCMS"));
        EXPECT_EQ(e.sogliaCms, c.at("SogliaCMS"));
        EXPECT_EQ(e.eccedenza, c.at("EccedenzaCMS"));
        EXPECT_EQ(e.margine, c.at("MargineInteressi"));
        EXPECT_EQ(e.esito, c.at("EsitoCMS"));
    }
}

// The edges of the rule: the last day of 2009 is judged apart, the first of 2010 is not; an excess
// equal to the margin is compensated; a missing figure never gives a verdict, nor a CMS field left empty
// a test.
TEST(VerificaCms, Limiti) {
    const Caso base = casi().front(); // 2005, CMS 200 on 40.000, threshold 0,45, margin 125,15
    struct Riga {
        const char* nome;
        void (*cambia)(DatiCms&);
        EsitoCms::Caso atteso;
    };
    const Riga righe[] = {
        {"31/12/2009 a parte",
         [](DatiCms& d) {
             d.fine = Data{2009, 12, 31};
         },
         EsitoCms::Caso::Entro},
        {"01/01/2010 nel TEG",
         [](DatiCms& d) {
             d.fine = Data{2010, 1, 1};
         },
         EsitoCms::Caso::CmsNelTeg},
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
    for (const Riga& r : righe) {
        SCOPED_TRACE(r.nome);
        DatiCms d = dati(base);
        r.cambia(d);
        const EsitoCms e = verificaCms(d);
        EXPECT_EQ(e.caso, r.atteso);
        if (r.atteso == EsitoCms::Caso::DaVerificare) {
            EXPECT_EQ(e.esito, "CMS da verificare");
        }
    }
}

} // namespace
} // namespace vantrel
