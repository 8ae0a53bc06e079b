#include "teg/controllo_periodo.h"

#include "teg/finestra_calcolo.h"

namespace vantrel {

ControlloPeriodi::ControlloPeriodi(Contesto& ctx) : ctx_(ctx), messaggi_(ctx.servizi.messaggi) {
    ctx_.servizi.messaggi = &risposte_;
}

ControlloPeriodi::~ControlloPeriodi() {
    finestra_.reset();
    ctx_.servizi.messaggi = messaggi_;
}

FinestraCalcolo& ControlloPeriodi::finestra() {
    if (!finestra_) finestra_ = std::make_unique<FinestraCalcolo>(ctx_, false);
    return *finestra_;
}

EsitoControllo ControlloPeriodi::controlla(const PeriodoDaControllare& p, bool riepilogo) {
    FinestraCalcolo& w = finestra();
    if (usata_) w.ricarica(false);
    usata_ = true;
    risposte_.dimentica();
    const auto& c = controlli<ControlliTeg>(w.schema());
    const auto& r = controlli<ControlliReportTeg>(w.schema());
    w.clicca(c.*p.valuta);
    w.seleziona(c.categoria, voceCategoria(*p.categoria));
    w.clicca(c.*p.accordato);
    w.clicca(c.*p.norma);
    // An empty cell is a field not given, as for the days: pasting nothing into the accordato would empty fido.
    for (std::size_t k = 0; k < kCampiPeriodo.size(); ++k)
        if (kCampiPeriodo[k].origine == OrigineCampo::Importo && !p.campi[k].empty()) {
            w.incolla(c.*kCampiPeriodo[k].controllo, p.campi[k]);
            w.esci(c.*kCampiPeriodo[k].controllo);
        }
    w.incolla(c.dataInizio, p.dal);
    w.incolla(c.dataFine, p.al);
    if (const std::string& giorni = p.campi[indiceCampo(&ControlliTeg::giorni)]; !giorni.empty()) {
        w.incolla(c.giorni, giorni);
        w.esci(c.giorni);
    } else {
        w.clicca(c.calcolaGiorni);
    }
    w.clicca(c.*p.formula);
    const auto& lista = w[r.risultati].voci;
    const std::size_t prima = lista.size();
    w.clicca(c.creaReport);
    if (riepilogo) w.clicca(c.creaReportTabellare);
    EsitoControllo e;
    if (lista.size() > prima) e.riga = lista.back();
    for (const auto& m : risposte_.mostrati())
        e.messaggi.push_back(m.testo);
    for (const auto& a : w.calcolo().avvisi())
        e.messaggi.push_back(a);
    return e;
}

} // namespace vantrel
