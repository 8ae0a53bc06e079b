#include "shell/accesso.h"
#include "shell/finestra_principale.h"
#include "shell/impostazioni.h"
#include "support/ambiente.h"
#include "support/messaggio.h"

// GCC 12 warns wrongly about the string alternative of an answer holding a button.
#pragma GCC diagnostic ignored "-Wmaybe-uninitialized"
#include <gtest/gtest.h>

namespace vantrel {
namespace {

// Records what the main window asks of its desktop.
class OspiteRegistrato : public OspiteFinestre {
public:
    bool disponibile(TipoFinestra t) const override { return t != TipoFinestra::Usurari; }
    void crea(TipoFinestra t, int scheda) override { eventi.push_back("crea " + nome(t) + schedaTesto(scheda)); }
    void primoPiano(TipoFinestra t, int i, int scheda) override {
        eventi.push_back("primoPiano " + nome(t) + " " + std::to_string(i) + schedaTesto(scheda));
    }
    void disponi(Disposizione d) override { eventi.push_back("disponi " + std::to_string(static_cast<int>(d))); }
    void impostaStampante() override { eventi.push_back("stampante"); }
    void mostraLogo() override { eventi.push_back("logo"); }
    void mostraPrincipale() override { eventi.push_back("principale"); }
    void login(Accesso& w) override {
        eventi.push_back("login");
        for (const auto& [u, p] : credenziali) {
            w.incolla("txtUserName", u);
            w.incolla("txtPassword", p);
            w.clicca("cmdOK");
            if (w.chiusa()) return;
        }
        w.chiusuraDaCornice();
    }
    void termina() override { eventi.push_back("termina"); }
    std::vector<ListaAperta> listeAperte() override {
        std::vector<ListaAperta> l;
        for (std::size_t k = 0; k < nonSalvate.size(); ++k)
            l.push_back({[this, k] { return nonSalvate[k]; },
                         [this, k] {
                             eventi.push_back("salva " + std::to_string(k));
                             return salvataggiRiusciti;
                         }});
        return l;
    }

    static std::string nome(TipoFinestra t) {
        static const char* const nomi[] = {"Taeg", "usurari", "STP2", "Calendario", "Form23"};
        return nomi[static_cast<int>(t)];
    }
    static std::string schedaTesto(int s) { return s >= 0 ? " scheda " + std::to_string(s) : ""; }

    std::vector<std::string> eventi;
    std::vector<std::pair<std::string, std::string>> credenziali;
    std::vector<bool> nonSalvate; // the open lists
    bool salvataggiRiusciti = true;
};

class AvviaCalcolatrice : public AvvioProcessi {
public:
    bool avviaCalcolatrice() override { return riesce; }
    bool riesce = true;
};

class ProvaPrincipale : public ::testing::Test, protected test::Ambiente {
protected:
    ProvaPrincipale() {
        ctx.servizi.processi = &calcolatrice;
        ctx.stato.cartellaDati.clear(); // the start-up sets both folders
        ctx.stato.cartellaReport.clear();
    }
    AvviaCalcolatrice calcolatrice;
    OspiteRegistrato ospite;
};

TEST_F(ProvaPrincipale, PrimoAvvioInUnaCartellaVuotaPoiLaCalcolatrice) {
    std::string senza = dir.cartella(); // the folder gets its trailing separator
    senza.pop_back();
    FinestraPrincipale m(ctx, ospite, senza);
    EXPECT_TRUE(m.avvio());
    EXPECT_EQ(ospite.eventi, (std::vector<std::string>{"logo", "principale", "crea Taeg"}));
    EXPECT_EQ(ctx.stato.cartellaDati, dir.cartella());
    EXPECT_EQ(ctx.stato.cartellaReport, dir.cartella());
    EXPECT_EQ(ctx.stato.mascheraImporti, "#,###,###,##0.00"); // cents from the first start
    // Reading the settings makes no file: they are written when the user saves them.
    EXPECT_FALSE(std::filesystem::exists(dir.file(kFileImposta)));
    EXPECT_FALSE(std::filesystem::exists(dir.file(kFileOpzStampa)));
    ASSERT_EQ(risposte.mostrati().size(), 1u) << "only the missing rate set is said";
    EXPECT_NE(risposte.mostrati()[0].testo.find("Per avere i tassi"), std::string::npos);
    // The system calculator that does not start is said.
    m.clicca("calco");
    EXPECT_EQ(risposte.mostrati().size(), 1u);
    calcolatrice.riesce = false;
    m.clicca("SSCommand25");
    ASSERT_EQ(risposte.mostrati().size(), 2u);
    EXPECT_EQ(risposte.mostrati()[1].testo, "Impossibile avviare la calcolatrice di sistema.");
}

TEST_F(ProvaPrincipale, AccessoSoloConIlSegnaleMenoUno) {
    struct Caso {
        int flag;
        std::vector<std::pair<std::string, std::string>> credenziali;
        bool continua;
        std::vector<std::string> eventi;
    } casi[] = {
        {0, {}, true, {"logo", "principale", "crea Taeg"}},
        {1, {}, true, {"logo", "principale", "crea Taeg"}},
        {-1, {{"MARIO", "pw"}}, true, {"logo", "principale", "login", "crea Taeg"}},
        {-1, {}, false, {"logo", "principale", "login", "termina"}},
    };
    for (const Caso& c : casi) {
        ImpostaRecord r;
        r.accesso(static_cast<std::int16_t>(c.flag));
        r.utente("MARIO");
        r.password("pw");
        test::scriviByte(dir.file(kFileImposta), std::vector<unsigned char>(r.byte.begin(), r.byte.end()));
        OspiteRegistrato o;
        o.credenziali = c.credenziali;
        FinestraPrincipale m(ctx, o, dir.cartella());
        EXPECT_EQ(m.avvio(), c.continua) << c.flag;
        EXPECT_EQ(o.eventi, c.eventi);
    }
}

// "Uscita", "Esci" and the frame, with and without rows not saved in the open lists: the box asked,
// and what each answer does. The real window's close event is driven by the composition test.
TEST_F(ProvaPrincipale, LUscitaSalvaLeRigheOChiede) {
    constexpr const char* righe = testiPrincipale::righeNonSalvate;
    struct Caso {
        const char* comando; // "cornice": the frame's close button or Alt+F4
        std::vector<bool> nonSalvate;
        std::vector<Risposta> risposte;
        bool salvataggiRiusciti;
        const char* domanda; // null: none
        std::vector<std::string> eventi;
    } casi[] = {
        {"SSCommand2", {}, {Risposta::Annulla}, true, testiPrincipale::uscita, {}},
        {"Esci", {false}, {Risposta::Ok}, true, testiPrincipale::uscita, {"termina"}},
        {"cornice", {false}, {}, true, nullptr, {"termina"}},
        {"Esci", {true, false, true}, {Risposta::Si}, true, righe, {"salva 0", "salva 2", "termina"}},
        {"SSCommand2", {true}, {Risposta::No}, true, righe, {"termina"}},
        {"Esci", {true}, {Risposta::Annulla}, true, righe, {}},
        {"Esci", {true, true}, {Risposta::Si}, false, righe, {"salva 0"}}, // a save not made: the program stays
        {"cornice", {true}, {Risposta::Annulla}, true, righe, {}},
        {"cornice", {true}, {Risposta::Si}, true, righe, {"salva 0", "termina"}},
    };
    for (const Caso& c : casi) {
        OspiteRegistrato o;
        o.nonSalvate = c.nonSalvate;
        o.salvataggiRiusciti = c.salvataggiRiusciti;
        FinestraPrincipale m(ctx, o, dir.cartella());
        risposte.dimentica();
        for (Risposta r : c.risposte)
            risposte.aggiungi(r);
        const bool termina = !c.eventi.empty() && c.eventi.back() == "termina";
        if (c.comando == std::string("cornice")) {
            EXPECT_EQ(m.chiudiDallaCornice(), termina);
        } else {
            m.clicca(c.comando);
        }
        EXPECT_EQ(o.eventi, c.eventi) << c.comando;
        ASSERT_EQ(risposte.mostrati().size(), c.domanda ? 1u : 0u) << c.comando;
        if (!c.domanda) continue;
        const bool tre = c.domanda == righe;
        test::controllaMessaggio(risposte.mostrati()[0], {"AVVERTIMENTO!", c.domanda, Icona::Avviso,
                                                          tre ? Pulsanti::SiNoAnnulla : Pulsanti::OkAnnulla,
                                                          tre ? Risposta::Si : Risposta::Annulla});
    }
}

TEST_F(ProvaPrincipale, IComandiChiedonoUnaFinestraPerTipo) {
    // Each command and the events after two clicks on it.
    const std::pair<const char*, std::vector<std::string>> casi[] = {
        {"SSCommand5", {"crea Taeg", "primoPiano Taeg 0"}},
        {"SSCommand19", {"crea Taeg scheda 2", "primoPiano Taeg 0 scheda 2"}},
        {"SSCommand23", {"crea Calendario", "primoPiano Calendario 0"}},
        {"pref", {"crea Form23", "primoPiano Form23 0"}},
        {"SSCommand11", {"crea STP2", "primoPiano STP2 0"}},
        {"SSCommand13", {}}, // no view for this kind: the button is disabled
        {"ImpStamp", {"stampante", "stampante"}},
        {"Sovra", {"disponi 0", "disponi 0"}},
        {"DispIcon", {"disponi 3", "disponi 3"}},
    };
    for (const auto& [comando, eventi] : casi) {
        OspiteRegistrato o;
        FinestraPrincipale m(ctx, o, dir.cartella());
        m.clicca(comando);
        m.clicca(comando);
        EXPECT_EQ(o.eventi, eventi) << comando;
    }
}

} // namespace
} // namespace vantrel
