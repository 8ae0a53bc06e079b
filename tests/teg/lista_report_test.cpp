// The result list of the calculation window and of the report manager: its editing, the questions
// asked before rows are lost, and its file.
#include "reports/file_report.h"
#include "reports/finestra_testo.h"
#include "reports/gestore_report.h"
#include "support/ambiente.h"
#include "support/disco_guasto.h"
#include "support/messaggio.h"
#include "support/stato_finestra.h"
#include "teg/finestra_calcolo.h"

#include <gtest/gtest.h>
#include <map>
#include <sstream>
#include <string>
#include <vector>

namespace vantrel {
namespace {

using Righe = std::vector<std::string>;

/// One window's buttons for the same list operations.
using Nomi = std::map<std::string, std::string>;
const Nomi kTaeg = {{"giu", "SSCommand4"},      {"su", "SSCommand5"},   {"incolla", "Command3D1"},
                    {"testata", "SSCommand10"}, {"pulisci", "Pulisci"}, {"cima", "SSCommand7"},
                    {"coda", "SSCommand8"},     {"suSel", "SSCommand9"}};
const Nomi kGestore = {{"giu", "SSCommand1"},     {"su", "SSCommand3"},   {"incolla", "Command3D1"},
                       {"testata", "SSCommand7"}, {"pulisci", "Pulisci"}, {"cima", "SSCommand4"},
                       {"coda", "SSCommand6"},    {"suSel", "SSCommand5"}};

Righe& lista(Finestra& f) {
    return test::stato(f, "List1").voci;
}

/// Steps apart by blanks: "r2" clicks line 2, "d2" double clicks it, "=x" types x into testo, any other
/// word clicks that button of the window.
void esegui(Finestra& f, const Nomi& n, const std::string& passi) {
    std::istringstream in(passi);
    for (std::string p; in >> p;) {
        if (p[0] == 'r' || p[0] == 'd') {
            const int riga = std::stoi(p.substr(1));
            p[0] == 'r' ? f.seleziona("List1", riga) : f.doppioClic("List1", riga);
        } else if (p[0] == '=') {
            f.incolla("testo", p.substr(1));
        } else {
            f.clicca(n.at(p));
        }
    }
}

struct CasoModifica {
    const char* nome;
    Righe prima;
    const char* passi;
    Righe dopo;
    bool spostamenti, incolla;    // the move buttons and the paste button enabled at the end
    const char* buffer = nullptr; // the cut buffer testo2 at the end
};

// The paste button starts enabled on the calculation window and disabled on the report manager;
// the cases start from an enabled paste button.
TEST(ModificaLista, RegoleSuEntrambeLeFinestre) {
    const Righe abcde = {"a", "b", "c", "d", "e"};
    const std::string ris = testata::righeRisultato(), tr(150, '-');
    const CasoModifica casi[] = {
        {"giu sull'ultima riga non cambia nulla", abcde, "r4 giu", abcde, true, true},
        {"su porta la riga sopra e disabilita", abcde, "r4 su", {"a", "b", "c", "e", "d"}, false, true},
        {"giu porta la riga sotto", {"a", "b", "c"}, "r0 giu", {"b", "a", "c"}, false, true},
        {"pulisci, poi giu disabilita soltanto", {tr}, "r0 pulisci giu", {tr, testata::periodi(), tr}, false, true},
        {"taglia e incolla in cima", abcde, "d3 r0 incolla", {"d", "a", "b", "c", "e"}, true, false, "d"},
        {"incolla senza taglio: riga vuota", {"a", "b"}, "r1 incolla", {"a", "", "b"}, true, false, ""},
        {"inserisci su selezione senza selezione", {"a", "b"}, "=x suSel", {"a", "b"}, false, true},
        {"inserisci su selezione", {"a", "b"}, "=x r1 suSel", {"a", "x", "b"}, true, true},
        {"in cima e in fondo inseriscono sempre", {"a"}, "=x cima coda", {"x", "a", "x"}, false, true},
        {"la testata si impila", {"a"}, "testata testata", {tr, ris, tr, tr, ris, tr, "a"}, false, true},
    };
    for (const CasoModifica& c : casi) {
        for (int w = 0; w < 2; ++w) {
            SCOPED_TRACE(std::string(c.nome) + (w == 0 ? " (Taeg)" : " (STP2)"));
            test::Ambiente a;
            FinestraCalcolo t(a.ctx);
            GestoreReport g(a.ctx);
            Finestra& f = w == 0 ? static_cast<Finestra&>(t) : g;
            const Nomi& n = w == 0 ? kTaeg : kGestore;
            test::stato(f, n.at("incolla")).abilitato = true;
            lista(f) = c.prima;
            esegui(f, n, c.passi);
            EXPECT_EQ(lista(f), c.dopo);
            EXPECT_EQ(f[n.at("giu")].abilitato, c.spostamenti);
            EXPECT_EQ(f[n.at("su")].abilitato, c.spostamenti);
            EXPECT_EQ(f[n.at("incolla")].abilitato, c.incolla);
            if (c.buffer) {
                EXPECT_EQ(f.testo(f.id("testo2")), c.buffer);
            }
        }
    }
}

TEST(ModificaLista, StatoInizialeETaglio) {
    test::Ambiente a;
    FinestraCalcolo t(a.ctx);
    GestoreReport g(a.ctx);
    const std::string tr(150, '-'), ris = testata::righeRisultato();
    EXPECT_EQ(lista(t), (Righe{tr, ris, tr}));
    EXPECT_EQ(lista(g), lista(t));
    for (const char* b : {"SSCommand4", "SSCommand5"})
        EXPECT_FALSE(t[b].abilitato) << b;
    for (const char* b : {"SSCommand1", "SSCommand3", "Command3D1"})
        EXPECT_FALSE(g[b].abilitato) << b;
    EXPECT_TRUE(t["Command3D1"].abilitato);

    t.doppioClic("List1", 1); // the cut line goes into testo, and a paste leaves it there
    EXPECT_EQ(lista(t), (Righe{tr, tr}));
    t.seleziona("List1", 0);
    t.clicca("Command3D1");
    EXPECT_EQ(lista(t), (Righe{ris, tr, tr}));
    EXPECT_EQ(t.testo(t.id("testo")), ris);
}

TEST(FinestraTesto, InserimentiETaglio) {
    test::Ambiente a;
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

TEST(SpostaCms, ScambiaIlLato) {
    // ComMS and ComMS2 before the click, then after it.
    const std::tuple<const char*, const char*, const char*, const char*> casi[] = {{"1.250,00", "0", "0", "1.250,00"},
                                                                                   {"0", "1.250,00", "1.250,00", "0"},
                                                                                   {"0", "0", "0", "0"},
                                                                                   {"0,50", "12,00", "0", "0,50"},
                                                                                   {"", "7", "7", "0"}};
    for (const auto& [ComMS, ComMS2, dopo1, dopo2] : casi) {
        SCOPED_TRACE(std::string(ComMS) + " / " + ComMS2);
        test::Ambiente a;
        FinestraCalcolo t(a.ctx);
        t.imposta(t.id("ComMS"), ComMS);
        t.imposta(t.id("ComMS2"), ComMS2);
        t.clicca("cmscop");
        EXPECT_EQ(t.testo(t.id("ComMS")), dopo1);
        EXPECT_EQ(t.testo(t.id("ComMS2")), dopo2);
        ASSERT_EQ(a.risposte.mostrati().size(), 1u);
        EXPECT_NE(a.risposte.mostrati()[0].testo.find("rieseguire il calcolo"), std::string::npos);
        EXPECT_EQ(a.risposte.mostrati()[0].pulsanti, Pulsanti::Ok);
    }
}

// "elimina tutto" on a list with rows, and closing a window whose rows are not saved, ask first
// (Annulla by default); header lines alone, or rows as saved, close without a question.
// Each case: a row added to the header block (or none), saved after it or not, a row added after the
// save (or none), "elimina tutto" or else the window's "Chiudi", the answer, the question expected (or none).
struct CasoDomanda {
    const char *nome, *riga;
    bool salva;
    const char* aggiunta;
    bool pulisci;
    Risposta risposta;
    const char* domanda;
};

TEST(DomandeLista, EliminaTuttoEChiusura) {
    using R = Risposta;
    const CasoDomanda casi[] = {
        {"elimina tutto, annullato", "r1", false, nullptr, true, R::Annulla, testiReport::eliminaTutto},
        {"elimina tutto anche se salvato", "r1", true, nullptr, true, R::Ok, testiReport::eliminaTutto},
        {"elimina tutto di sole testate", nullptr, false, nullptr, true, R::Annulla, nullptr},
        {"chiusura non salvata, annullata", "r1", false, nullptr, false, R::Annulla, testiReport::righeNonSalvate},
        {"chiusura non salvata, confermata", "r1", false, nullptr, false, R::Ok, testiReport::righeNonSalvate},
        {"chiusura dopo il salvataggio", "r1", true, nullptr, false, R::Annulla, nullptr},
        {"riga aggiunta dopo il salvataggio", "r1", true, "r2", false, R::Annulla, testiReport::righeNonSalvate},
    };
    for (const CasoDomanda& c : casi) {
        for (const bool taeg : {true, false}) {
            SCOPED_TRACE(std::string(c.nome) + (taeg ? " (Taeg)" : " (STP2)"));
            test::Ambiente a;
            FinestraCalcolo t(a.ctx);
            GestoreReport g(a.ctx);
            Finestra* const f = taeg ? static_cast<Finestra*>(&t) : &g;
            auto& lista = test::stato(*f, "List1").voci;
            if (c.riga) lista.push_back(c.riga);
            if (c.salva) {
                f->incolla("nome", "prova");
                a.risposte.aggiungi(a.dir.file("prova.RKT"));
                f->clicca(taeg ? "SSCommand6" : "OK");
            }
            if (c.aggiunta) lista.push_back(c.aggiunta);
            const auto prima = lista;
            a.risposte.dimentica();
            a.risposte.aggiungi(c.risposta);
            f->clicca(c.pulisci ? "Pulisci" : taeg ? "SSCommand1" : "SSCommand2");

            ASSERT_EQ(a.risposte.mostrati().size(), c.domanda ? 1u : 0u);
            if (c.domanda)
                test::controllaMessaggio(a.risposte.mostrati()[0], {"AVVERTIMENTO!", c.domanda, Icona::Avviso,
                                                                    Pulsanti::OkAnnulla, Risposta::Annulla});
            const bool eseguita = !c.domanda || c.risposta == R::Ok;
            EXPECT_EQ(c.pulisci ? lista != prima : f->chiusa(), eseguita);
        }
    }
}

class FileReport : public ::testing::Test, protected test::Ambiente {};

// The rows written as the file's bytes, then bytes read back as rows.
TEST(ContenutoReport, ByteDelFileELettura) {
    struct Caso {
        const char* nome;
        Righe righe;
        std::string byte;
    };
    for (const Caso& c : {
             Caso{"nessuna riga", {}, "Fine\r\n"},
             Caso{"spazi e riga vuota", {"a", "", "  b  "}, "a\r\n\r\n  b  \r\nFine\r\n"},
             Caso{"Windows-1252", {"perché è così €"}, "perch\xE9 \xE8 cos\xEC \x80\r\nFine\r\n"},
             Caso{"Fine fra le righe", {"a", "Fine", "b"}, "a\r\nFine\r\nb\r\nFine\r\n"},
         }) {
        EXPECT_EQ(contenutoReport(c.righe), c.byte) << c.nome;
    }
    for (const Caso& c : {
             Caso{"vuoto", {}, ""},
             Caso{"Fine esatto ferma senza entrare", {"a"}, "a\r\nFine\r\nb\r\nFine\r\n"},
             Caso{"Fine con spazi entra e ferma", {"a", " Fine "}, "a\r\n Fine \r\nb\r\n"},
             Caso{"il tab non e uno spazio", {"\tFine", "b"}, "\tFine\r\nb\r\n"},
             Caso{"senza terminatore", {"a", "b"}, "a\r\nb"},
             Caso{"solo CR", {"a", "b"}, "a\rb\rFine\r"},
             Caso{"solo LF", {"a", "b"}, "a\nb\nFine\n"},
             Caso{"Windows-1252", {"perché €"}, "perch\xE9 \x80\r\nFine\r\n"},
         }) {
        EXPECT_EQ(righeReport(c.byte), c.righe) << c.nome;
    }
}

TEST_F(FileReport, SalvaERiapreDaTaeg) {
    FinestraCalcolo t(ctx);
    test::stato(t, "List1").voci = {"r1", "r2"};
    const Righe prima = t["List1"].voci;
    const std::string path = dir.file("prova.RKT");
    t.incolla("nome", "prova");
    risposte.aggiungi(path);
    t.clicca("SSCommand6");
    EXPECT_EQ(test::leggiTesto(path), contenutoReport(prima));

    risposte.aggiungi(Risposta::Ok);
    t.clicca("Pulisci");
    risposte.aggiungi(path);
    t.clicca("Command3D2");
    EXPECT_EQ(t["List1"].voci, prima);
    ASSERT_EQ(risposte.mostrati().size(), 1u); // only the question of "elimina tutto"
    EXPECT_EQ(risposte.mostrati()[0].testo, testiReport::eliminaTutto);
}

TEST_F(FileReport, NomeDiSoliSpaziMancante) {
    GestoreReport g(ctx);
    g.incolla("nome", "   ");
    g.clicca("OK");
    ASSERT_EQ(risposte.mostrati().size(), 1u);
    EXPECT_EQ(risposte.mostrati()[0].testo, "manca il nome del report, inserire il dato e riprovare");
}

// Over an existing report: Annulla keeps it, OK replaces it, a write that fails leaves it and says so.
TEST_F(FileReport, SovrascritturaChiestaEScritturaFallita) {
    const std::string path = dir.file("x.RKT"), vecchio = "vecchio\r\nFine\r\n";
    Disco* const sano = ctx.servizi.disco;
    test::DiscoGuasto guasto;
    for (const auto& [risposta, rotto] :
         {std::pair{Risposta::Annulla, false}, {Risposta::Ok, false}, {Risposta::Ok, true}}) {
        SCOPED_TRACE(rotto ? "disco guasto" : risposta == Risposta::Ok ? "OK" : "Annulla");
        test::scriviTesto(path, vecchio);
        ctx.servizi.disco = rotto ? &guasto : sano;
        GestoreReport g(ctx);
        g.incolla("nome", "x");
        risposte.dimentica();
        risposte.aggiungi(path);
        risposte.aggiungi(risposta);
        g.clicca("OK");
        const auto& m = risposte.mostrati();
        ASSERT_EQ(m.size(), rotto ? 2u : 1u);
        test::controllaMessaggio(m[0],
                                 {"AVVERTIMENTO!", "Esiste già un report con questo nome, vuoi sovrascrivere i dati?",
                                  Icona::Avviso, Pulsanti::OkAnnulla, Risposta::Annulla});
        const bool scritto = risposta == Risposta::Ok && !rotto;
        EXPECT_EQ(test::leggiTesto(path), scritto ? contenutoReport(g["List1"].voci) : vecchio);
        if (rotto) {
            EXPECT_NE(m[1].testo.find("Il report esistente non è stato modificato"), std::string::npos);
            EXPECT_EQ(m[1].icona, Icona::Critica);
        }
    }
}

TEST_F(FileReport, FileIlleggibileLasciaLaLista) {
    GestoreReport g(ctx);
    const Righe prima = g["List1"].voci;
    for (const std::string& p : {dir.file("manca.RKT"), dir.cartella()}) {
        risposte.aggiungi(p);
        g.clicca("Command3D2");
        EXPECT_EQ(g["List1"].voci, prima);
    }
}

} // namespace
} // namespace vantrel
