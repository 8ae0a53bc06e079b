#include "reports/finestra_testo.h"

#include "reports/stampa_report.h"

namespace vantrel {
namespace {

ControlliLista controlliLista(const ControlliFinestraTesto& c) {
    return {.lista = c.righe,
            .testo = c.testoDaInserire,
            .inCima = c.rigaInTesta,
            .accoda = c.rigaInFondo,
            .suSelezione = c.rigaSuSelezione};
}

} // namespace

const Schema& FinestraTesto::schemaTesto() {
    static const Schema s = [] {
        Schema sc("STP1", "Anteprima stampa pagina prospetto tabellare");
        aggiungi(sc, ControlliFinestraTesto::kRighe);
        return sc;
    }();
    return s;
}

FinestraTesto::FinestraTesto(Contesto& ctx)
    : FinestraComposta(schemaTesto()), ctx_(ctx), c_(controlli<ControlliFinestraTesto>(schema())),
      lista_(*this, controlliLista(c_), ctx) {
    aggiungiParte(lista_);
}

void FinestraTesto::cliccato(int id) {
    if (id == c_.stampa)
        stampaTesto(ctx_, lista_.righe());
    else if (id == c_.chiudi)
        chiudi();
    else
        FinestraComposta::cliccato(id);
}

} // namespace vantrel
