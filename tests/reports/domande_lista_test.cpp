// "elimina tutto" and closing a window whose list holds unsaved rows ask first; Cancel changes nothing.
#include "reports/finestre_report.h"
#include "support/ambiente.h"
#include "support/messaggio.h"
#include "teg/taeg.h"

#include <gtest/gtest.h>
#include <memory>
#include <string>
#include <vector>

namespace vantrel {
namespace {

using Righe = std::vector<std::string>;

struct Caso {
    const char* nome;
    Righe righe;          // lines after the window's own header block
    bool salva;           // saved before the action
    const char* aggiunta; // a line added after the save, or nothing
    const char* azione;   // "pulisci" or "chiudi"
    Risposta risposta;    // answer to the question, if one comes
    const char* domanda;  // the question expected, or nothing
    bool eseguita;        // the list was cleared or the window closed
};

TEST(DomandeLista, EliminaTuttoEChiusura) {
    const Caso casi[] = {
        {"elimina tutto, annullato",
         {"riga 1"},
         false,
         nullptr,
         "pulisci",
         Risposta::Annulla,
         testiReport::eliminaTutto,
         false},
        {"elimina tutto, confermato",
         {"riga 1"},
         false,
         nullptr,
         "pulisci",
         Risposta::Ok,
         testiReport::eliminaTutto,
         true},
        {"elimina tutto anche se salvato",
         {"riga 1"},
         true,
         nullptr,
         "pulisci",
         Risposta::Annulla,
         testiReport::eliminaTutto,
         false},
        {"elimina tutto di sole testate", {}, false, nullptr, "pulisci", Risposta::Annulla, nullptr, true},
        {"chiusura con righe non salvate, annullata",
         {"riga 1"},
         false,
         nullptr,
         "chiudi",
         Risposta::Annulla,
         testiReport::righeNonSalvate,
         false},
        {"chiusura con righe non salvate, confermata",
         {"riga 1"},
         false,
         nullptr,
         "chiudi",
         Risposta::Ok,
         testiReport::righeNonSalvate,
         true},
        {"chiusura dopo il salvataggio", {"riga 1"}, true, nullptr, "chiudi", Risposta::Annulla, nullptr, true},
        {"chiusura con una riga aggiunta dopo il salvataggio",
         {"riga 1"},
         true,
         "riga 2",
         "chiudi",
         Risposta::Annulla,
         testiReport::righeNonSalvate,
         false},
        {"chiusura di sole testate", {}, false, nullptr, "chiudi", Risposta::Annulla, nullptr, true},
    };
    for (const Caso& c : casi) {
        for (int w = 0; w < 2; ++w) {
            SCOPED_TRACE(std::string(c.nome) + (w == 0 ? " (Taeg)" : " (STP2)"));
            test::Ambiente a;
            std::unique_ptr<Finestra> f;
            if (w == 0)
                f = std::make_unique<Taeg>(a.ctx);
            else
                f = std::make_unique<FinestraReport>(a.ctx);
            Righe& lista = (*f)["List1"].voci;
            lista.insert(lista.end(), c.righe.begin(), c.righe.end());
            const std::string salva = w == 0 ? "SSCommand6" : "OK";
            if (c.salva) {
                f->incolla("nome", "prova");
                a.risposte.aggiungi(a.dir.file("prova.RKT"));
                f->clicca(salva);
            }
            if (c.aggiunta) lista.push_back(c.aggiunta);
            const Righe prima = lista;
            a.risposte.dimentica();
            a.risposte.aggiungi(c.risposta);
            const bool pulisci = std::string(c.azione) == "pulisci";
            f->clicca(pulisci ? "Pulisci" : (w == 0 ? "SSCommand1" : "SSCommand2"));

            if (c.domanda) {
                ASSERT_EQ(a.risposte.mostrati().size(), 1u);
                test::controllaMessaggio(a.risposte.mostrati()[0], {"AVVERTIMENTO!", c.domanda, Icona::Avviso,
                                                                    Pulsanti::OkAnnulla, Risposta::Annulla});
            } else {
                EXPECT_TRUE(a.risposte.mostrati().empty());
            }
            if (pulisci)
                EXPECT_EQ(lista == prima, !c.eseguita);
            else
                EXPECT_EQ(f->chiusa(), c.eseguita);
        }
    }
}

} // namespace
} // namespace vantrel
