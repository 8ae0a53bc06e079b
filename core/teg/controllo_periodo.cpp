#include "teg/controllo_periodo.h"

#include "teg/taeg.h"

namespace vantrel {

ControlloPeriodi::ControlloPeriodi(Contesto& ctx) : ctx_(ctx), messaggi_(ctx.servizi.messaggi) {
    ctx_.servizi.messaggi = &risposte_;
}

ControlloPeriodi::~ControlloPeriodi() {
    finestra_.reset();
    ctx_.servizi.messaggi = messaggi_;
}

Taeg& ControlloPeriodi::finestra() {
    if (!finestra_) finestra_ = std::make_unique<Taeg>(ctx_, false);
    return *finestra_;
}

EsitoControllo ControlloPeriodi::controlla(const PeriodoDaControllare& p, bool riepilogo) {
    Taeg& w = finestra();
    if (usata_) w.ricarica(false);
    usata_ = true;
    risposte_.dimentica();
    w.clicca(p.valuta);
    w.seleziona("Combo2", p.categoria);
    w.clicca(p.accordato);
    w.clicca(p.norma);
    // An empty cell is a field not given, as for Giorni: pasting nothing into Acc would empty fido.
    for (std::size_t k = 0; k < kCampiPeriodo.size(); ++k)
        if (!p.campi[k].empty()) {
            w.incolla(kCampiPeriodo[k], p.campi[k]);
            w.esci(kCampiPeriodo[k]);
        }
    w.incolla("dal", p.dal);
    w.incolla("al", p.al);
    if (!p.Giorni.empty()) {
        w.incolla("Giorni", p.Giorni);
        w.esci("Giorni");
    } else {
        w.clicca("Command8");
    }
    w.clicca(p.formula);
    const auto& lista = w["List1"].voci;
    const std::size_t prima = lista.size();
    w.clicca("via");
    if (riepilogo) w.clicca("SSCommand2");
    EsitoControllo e;
    if (lista.size() > prima) e.riga = lista.back();
    for (const auto& m : risposte_.mostrati())
        e.messaggi.push_back(m.testo);
    for (const auto& a : w.calcolo().avvisi())
        e.messaggi.push_back(a);
    return e;
}

} // namespace vantrel
