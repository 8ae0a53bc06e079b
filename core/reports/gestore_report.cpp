#include "reports/gestore_report.h"

#include "reports/stampa_report.h"

namespace vantrel {
const Schema& GestoreReport::schemaReport() {
    static const Schema s = [] {
        Schema sc("STP2", "Anteprima stampa reporto dati");
        aggiungi(sc, ControlliGestioneReport::kRighe);
        sc.ordineTab(ordineTab(ControlliGestioneReport::kRighe));
        return sc;
    }();
    return s;
}

GestoreReport::GestoreReport(Contesto& ctx)
    : FinestraComposta(schemaReport()), ctx_(ctx), c_(controlli<ControlliGestioneReport>(schema())),
      lista_(*this, listaCompleta(c_, c_.righe), ctx) {
    aggiungiParte(lista_);
    auto& v = lista_.righe();
    v = {testata::trattini(), testata::righeRisultato(), testata::trattini()};
}

void GestoreReport::cliccato(int id) {
    if (id == c_.salva)
        lista_.salva(testo(c_.nomeReport));
    else if (id == c_.apri)
        lista_.apri();
    else if (id == c_.nuovaFinestra) {
        if (nuovaFinestra) nuovaFinestra();
    } else if (id == c_.stampa)
        stampaRisultati(ctx_, lista_.righe(), "report");
    else if (id == c_.chiudi) {
        if (lista_.chiusuraConfermata()) chiudi();
    } else
        FinestraComposta::cliccato(id);
}

} // namespace vantrel
