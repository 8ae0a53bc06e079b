// "elimina tutto" on a list with rows, and closing a window whose rows are not saved, ask first
// (Annulla by default); header lines alone, or rows as saved, close without a question.
#include "reports/finestra_testo.h"
#include "reports/gestore_report.h"
#include "support/ambiente.h"
#include "support/messaggio.h"
#include "support/stato_finestra.h"
#include "teg/finestra_calcolo.h"

#include <gtest/gtest.h>
#include <memory>
#include <string>

namespace vantrel {
namespace {

struct Caso {
    const char* nome;
    const char* riga;     // a row added to the header block, or none
    bool salva;           // saved after the row was added
    const char* aggiunta; // a row added after the save, or none
    bool pulisci;         // "elimina tutto", else the window's "Chiudi"
    Risposta risposta;
    const char* domanda; // the question expected, or none
};

TEST(DomandeLista, EliminaTuttoEChiusura) {
    using R = Risposta;
    const Caso casi[] = {
        {"elimina tutto, annullato", "r1", false, nullptr, true, R::Annulla, testiReport::eliminaTutto},
        {"elimina tutto anche se salvato", "r1", true, nullptr, true, R::Ok, testiReport::eliminaTutto},
        {"elimina tutto di sole testate", nullptr, false, nullptr, true, R::Annulla, nullptr},
        {"chiusura non salvata, annullata", "r1", false, nullptr, false, R::Annulla, testiReport::righeNonSalvate},
        {"chiusura non salvata, confermata", "r1", false, nullptr, false, R::Ok, testiReport::righeNonSalvate},
        {"chiusura dopo il salvataggio", "r1", true, nullptr, false, R::Annulla, nullptr},
        {"riga aggiunta dopo il salvataggio", "r1", true, "r2", false, R::Annulla, testiReport::righeNonSalvate},
    };
    for (const Caso& c : casi) {
        for (const bool taeg : {true, false}) {
            SCOPED_TRACE(std::string(c.nome) + (taeg ? " (Taeg)" : " (STP2)"));
            test::Ambiente a;
            std::unique_ptr<Finestra> f;
            if (taeg)
                f = std::make_unique<FinestraCalcolo>(a.ctx);
            else
                f = std::make_unique<GestoreReport>(a.ctx);
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

} // namespace
} // namespace vantrel
