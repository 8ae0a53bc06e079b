#include "teg/lista_report.h"

#include "common/numeri.h"
#include "reports/stampa_report.h"
#include "teg/riepilogo.h"
#include "teg/teg_controlli.h"

namespace vantrel {
ListaReport::ListaReport(Finestra& f, Contesto& ctx)
    : f_(f), ctx_(ctx), c_(controlli<ControlliReportTeg>(f.schema())), lista_(f, listaCompleta(c_, c_.risultati), ctx) {
}

void ListaReport::accodaTestata() {
    accoda(testata::trattini());
    accoda(testata::righeRisultato());
    accoda(testata::trattini());
}

void ListaReport::accoda(std::string riga) {
    modifica(f_, c_.risultati).voci.push_back(std::move(riga));
}

void ListaReport::spostaCms() {
    const auto& c = controlli<ControlliTeg>(f_.schema());
    if (importoDiversoDaZero(f_.testo(c.cmsInteressi))) {
        f_.cambia(c.cmsSpese, f_.testo(c.cmsInteressi));
        f_.cambia(c.cmsInteressi, "0");
    } else {
        f_.cambia(c.cmsInteressi, f_.testo(c.cmsSpese));
        f_.cambia(c.cmsSpese, "0");
    }
    ctx_.messaggio({kTitoloProgramma, testiReport::spostamentoCms});
}

void ListaReport::riepilogo() {
    const bool nuova = finestraTesto() == nullptr;
    if (nuova) stp1_ = std::make_unique<FinestraTesto>(ctx_);
    stp1_->lista().righe() =
        riepilogoCalcolo(f_, ctx_.stato.mascheraImporti, catenaSoglia ? catenaSoglia() : std::vector<std::string>{});
    if (nuova && apertaFinestraTesto) apertaFinestraTesto(*stp1_);
}

bool ListaReport::cliccato(int id) {
    const auto& t = controlli<ControlliTeg>(f_.schema());
    if (id == t.spostaCms)
        spostaCms();
    else if (id == t.creaReportTabellare)
        riepilogo();
    else if (id == c_.salva)
        lista_.salva(f_.testo(c_.nomeReport));
    else if (id == c_.apri)
        lista_.apri();
    else if (id == c_.stampa)
        stampaRisultati(ctx_, lista_.righe(), "report-teg");
    else if (id == c_.chiudi) {
        if (lista_.chiusuraConfermata()) f_.chiudi();
    } else
        return lista_.cliccato(id);
    return true;
}

} // namespace vantrel
