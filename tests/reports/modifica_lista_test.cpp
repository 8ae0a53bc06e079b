#include "common/scripted_services.h"
#include "reports/finestre_report.h"
#include "teg/taeg.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace vantrel {
namespace {

using Righe = std::vector<std::string>;

/// One window's names for the same list operations.
struct Nomi {
    const char* giu;
    const char* su;
    const char* incolla;
    const char* testata;
    const char* pulisci;
    const char* inCima;
    const char* accoda;
    const char* suSelezione;
};
constexpr Nomi kTaeg{"SSCommand4", "SSCommand5", "Command3D1", "SSCommand10",
                     "Pulisci",    "SSCommand7", "SSCommand8", "SSCommand9"};
constexpr Nomi kGestore{"SSCommand1", "SSCommand3", "Command3D1", "SSCommand7",
                        "Pulisci",    "SSCommand4", "SSCommand6", "SSCommand5"};

struct Ambiente {
    Contesto ctx;
    RisposteProgrammate r;
    OrologioFisso clock{Data{2026, 3, 15}};
    Ambiente() {
        ctx.servizi.messaggi = &r;
        ctx.servizi.file = &r;
        ctx.servizi.orologio = &clock;
    }
};

Righe& lista(Finestra& f) {
    return f["List1"].voci;
}

// A step of a scenario: click a button, click a line, double click a line, or type into testo.
struct Passo {
    enum { Clic, Riga, Doppio, Testo } tipo;
    int indice = -1;
    const char* Nomi::*pulsante = nullptr;
    const char* testo = "";
};
Passo clic(const char* Nomi::*p) {
    return {Passo::Clic, -1, p, ""};
}
Passo riga(int i) {
    return {Passo::Riga, i, nullptr, ""};
}
Passo doppio(int i) {
    return {Passo::Doppio, i, nullptr, ""};
}
Passo testo(const char* t) {
    return {Passo::Testo, -1, nullptr, t};
}

struct Caso {
    const char* nome;
    Righe prima;
    std::vector<Passo> passi;
    Righe dopo;
    bool spostamenti; // move buttons enabled at the end
    bool incolla;     // paste button enabled at the end; -1 none
    const char* buffer = nullptr;
};

void esegui(Finestra& f, const Nomi& n, const Caso& c) {
    lista(f) = c.prima;
    for (const Passo& p : c.passi) {
        switch (p.tipo) {
        case Passo::Clic:
            f.clicca(n.*(p.pulsante));
            break;
        case Passo::Riga:
            f.seleziona("List1", p.indice);
            break;
        case Passo::Doppio:
            f.doppioClic("List1", p.indice);
            break;
        case Passo::Testo:
            f.incolla("testo", p.testo);
            break;
        }
    }
}

const std::vector<Caso>& casi() {
    static const std::vector<Caso> v = {
        {"giu sull'ultima riga non cambia nulla",
         {"a", "b", "c", "d", "e"},
         {riga(4), clic(&Nomi::giu)},
         {"a", "b", "c", "d", "e"},
         true,
         true},
        {"su porta la riga sopra e disabilita",
         {"a", "b", "c", "d", "e"},
         {riga(4), clic(&Nomi::su)},
         {"a", "b", "c", "e", "d"},
         false,
         true},
        {"giu porta la riga sotto", {"a", "b", "c"}, {riga(0), clic(&Nomi::giu)}, {"b", "a", "c"}, false, true},
        {"su sulla prima riga non cambia nulla", {"a", "b"}, {riga(0), clic(&Nomi::su)}, {"a", "b"}, true, true},
        {"spostare dopo pulisci disabilita soltanto",
         {"a"},
         {riga(0), clic(&Nomi::pulisci), clic(&Nomi::giu)},
         {std::string(150, '-'), testata::periodi(), std::string(150, '-')},
         false,
         true},
        {"taglia e incolla sopra la prima riga",
         {"-", "h", "-", "r1", "r2"},
         {doppio(3), riga(0), clic(&Nomi::incolla)},
         {"r1", "-", "h", "-", "r2"},
         true,
         false,
         "r1"},
        {"un secondo incolla non e possibile",
         {"a", "b", "c"},
         {doppio(1), riga(0), clic(&Nomi::incolla), riga(0), clic(&Nomi::incolla)},
         {"b", "a", "c"},
         true,
         false,
         "b"},
        {"incolla senza taglio inserisce una riga vuota",
         {"a", "b"},
         {riga(1), clic(&Nomi::incolla)},
         {"a", "", "b"},
         true,
         false,
         ""},
        {"inserisci su selezione senza selezione",
         {"a", "b"},
         {testo("x"), clic(&Nomi::suSelezione)},
         {"a", "b"},
         false,
         true},
        {"inserisci su selezione",
         {"a", "b"},
         {testo("x"), riga(1), clic(&Nomi::suSelezione)},
         {"a", "x", "b"},
         true,
         true},
        {"in cima e in fondo inseriscono sempre",
         {"a"},
         {testo("x"), clic(&Nomi::inCima), clic(&Nomi::accoda)},
         {"x", "a", "x"},
         false,
         true},
        {"testo vuoto inserisce righe vuote", {}, {clic(&Nomi::inCima), clic(&Nomi::accoda)}, {"", ""}, false, true},
        {"la testata si impila",
         {"a"},
         {clic(&Nomi::testata), clic(&Nomi::testata)},
         {std::string(150, '-'), testata::righeRisultato(), std::string(150, '-'), std::string(150, '-'),
          testata::righeRisultato(), std::string(150, '-'), "a"},
         false,
         true},
    };
    return v;
}

// The paste button starts enabled on the calculation window and disabled on the report manager;
// the cases start from an enabled paste button.
TEST(ModificaLista, RegoleSuEntrambeLeFinestre) {
    for (const Caso& c : casi()) {
        for (int w = 0; w < 2; ++w) {
            Ambiente a;
            Taeg t(a.ctx);
            FinestraReport g(a.ctx);
            Finestra& f = w == 0 ? static_cast<Finestra&>(t) : g;
            const Nomi& n = w == 0 ? kTaeg : kGestore;
            f[n.incolla].abilitato = true;
            esegui(f, n, c);
            SCOPED_TRACE(std::string(c.nome) + (w == 0 ? " (Taeg)" : " (STP2)"));
            EXPECT_EQ(lista(f), c.dopo);
            EXPECT_EQ(f[n.giu].abilitato, c.spostamenti);
            EXPECT_EQ(f[n.su].abilitato, c.spostamenti);
            EXPECT_EQ(f[n.incolla].abilitato, c.incolla);
            if (c.buffer) {
                EXPECT_EQ(f.testo(f.id("testo2")), c.buffer);
            }
        }
    }
}

TEST(ModificaLista, StatoIniziale) {
    Ambiente a;
    Taeg t(a.ctx);
    EXPECT_FALSE(t["SSCommand4"].abilitato);
    EXPECT_FALSE(t["SSCommand5"].abilitato);
    EXPECT_TRUE(t["Command3D1"].abilitato);
    EXPECT_EQ(lista(t), (Righe{std::string(150, '-'), testata::righeRisultato(), std::string(150, '-')}));

    FinestraReport g(a.ctx);
    EXPECT_FALSE(g["SSCommand1"].abilitato);
    EXPECT_FALSE(g["SSCommand3"].abilitato);
    EXPECT_FALSE(g["Command3D1"].abilitato);
    EXPECT_EQ(lista(g), lista(t));
}

TEST(ModificaLista, TaglioMetteLaRigaNelTesto) {
    Ambiente a;
    Taeg t(a.ctx);
    t.doppioClic("List1", 1);
    EXPECT_EQ(t.testo(t.id("testo")), testata::righeRisultato());
    EXPECT_EQ(lista(t).size(), 2u);
    t.seleziona("List1", 0);
    t.clicca("Command3D1");
    EXPECT_EQ(lista(t)[0], testata::righeRisultato());
    EXPECT_EQ(t.testo(t.id("testo")), testata::righeRisultato()); // the paste leaves testo alone
}

TEST(ModificaLista, PulisciLasciaLaTestataDeiPeriodi) {
    Ambiente a;
    Taeg t(a.ctx);
    t.clicca("Pulisci");
    ASSERT_EQ(lista(t).size(), 3u);
    EXPECT_EQ(lista(t)[1].size(), 140u);
    EXPECT_EQ(lista(t)[1].rfind("   dal      al       ind. medio TEG.Tot", 0), 0u);
    EXPECT_EQ(testata::righeRisultato().size(), 139u);
}

TEST(FinestraTesto, InserimentiETaglio) {
    Ambiente a;
    FinestraTesto s(a.ctx);
    lista(s) = {"a", "b"};
    s.incolla("testo", "x");
    s.clicca("SSCommand1"); // no selection: nothing
    s.clicca("Command3D1");
    s.clicca("SSCommand3");
    EXPECT_EQ(lista(s), (Righe{"x", "a", "b", "x"}));
    s.seleziona("List1", 2);
    s.clicca("SSCommand1");
    EXPECT_EQ(lista(s), (Righe{"x", "a", "x", "b", "x"}));
    s.doppioClic("List1", 3);
    EXPECT_EQ(s.testo(s.id("testo")), "b");
    EXPECT_EQ(lista(s), (Righe{"x", "a", "x", "x"}));
}

TEST(FinestraReport, NuovaMascheraEChiusura) {
    Ambiente a;
    FinestraReport g(a.ctx);
    int richieste = 0;
    g.nuovaFinestra = [&] { ++richieste; };
    g.clicca("SSCommand11");
    EXPECT_EQ(richieste, 1);
    g.clicca("SSCommand2");
    EXPECT_TRUE(g.chiusa());
}

struct CasoCms {
    const char* ComMS;
    const char* ComMS2;
    const char* dopo1;
    const char* dopo2;
};

TEST(SpostaCms, ScambiaIlLato) {
    for (const CasoCms& c :
         {CasoCms{"1.250,00", "0", "0", "1.250,00"}, CasoCms{"0", "1.250,00", "1.250,00", "0"},
          CasoCms{"0", "0", "0", "0"}, CasoCms{"0,50", "12,00", "12,00", "0"}, CasoCms{"", "7", "7", "0"}}) {
        SCOPED_TRACE(std::string(c.ComMS) + " / " + c.ComMS2);
        Ambiente a;
        Taeg t(a.ctx);
        t.imposta(t.id("ComMS"), c.ComMS);
        t.imposta(t.id("ComMS2"), c.ComMS2);
        t.clicca("cmscop");
        EXPECT_EQ(t.testo(t.id("ComMS")), c.dopo1);
        EXPECT_EQ(t.testo(t.id("ComMS2")), c.dopo2);
        ASSERT_EQ(a.r.mostrati().size(), 1u);
        EXPECT_EQ(a.r.mostrati()[0].testo,
                  "Attenzione, lo spostamento delle CMS comporta la necessità di rieseguire il "
                  "calcolo per avere il corretto valore");
        EXPECT_EQ(a.r.mostrati()[0].pulsanti, Pulsanti::Ok);
    }
}

} // namespace
} // namespace vantrel
