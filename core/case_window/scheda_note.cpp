#include "case_window/scheda_note.h"

#include "case_window/controlli_addebiti_pratica.h"
#include "case_window/finestra_pratica.h"

namespace vantrel {

SchedaNote::SchedaNote(FinestraPratica& f) : f_(f), c_(controlli<ControlliAddebitiPratica>(f.schema())) {
    carica();
}

void SchedaNote::carica() {
    note_ = f_.pratica().note();
    ++versione_;
    const bool scrivibile = !f_.pratica().soloLettura();
    modifica(f_, c_.testoNota).abilitato = scrivibile;
    modifica(f_, c_.aggiungiNota).abilitato = scrivibile;
}

std::string SchedaNote::cella(std::size_t riga, std::size_t colonna) const {
    return colonna == kData ? note_[riga].giorno.testo() : note_[riga].testo;
}

void SchedaNote::aggiungi() {
    const std::string errore = f_.pratica().aggiungiNota(f_.contesto().oggi(), f_[c_.testoNota].testo);
    if (!errore.empty()) {
        f_.contesto().messaggio({.titolo = "Note", .testo = errore, .icona = Icona::Avviso});
        return;
    }
    f_.imposta(c_.testoNota, "");
    carica();
    f_.cambiata();
}

bool SchedaNote::cliccato(int id) {
    if (id != c_.aggiungiNota) return false;
    aggiungi();
    return true;
}

} // namespace vantrel
