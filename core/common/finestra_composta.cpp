#include "common/finestra_composta.h"

namespace vantrel {

std::optional<std::string> FinestraComposta::tasto(int id, const Battuta& b) {
    std::optional<std::string> r;
    for (auto* p : parti_)
        if (p->tasto(id, b, r)) return r;
    return Finestra::tasto(id, b);
}

void FinestraComposta::cambiato(int id) {
    for (auto* p : parti_)
        if (p->cambiato(id)) return;
}

void FinestraComposta::uscito(int id) {
    for (auto* p : parti_)
        if (p->uscito(id)) return;
}

void FinestraComposta::cliccato(int id) {
    for (auto* p : parti_)
        if (p->cliccato(id)) return;
}

void FinestraComposta::selezionato(int id) {
    for (auto* p : parti_)
        if (p->selezionato(id)) return;
}

void FinestraComposta::doppioCliccato(int id, int indice) {
    for (auto* p : parti_)
        if (p->doppioCliccato(id, indice)) return;
}

} // namespace vantrel
