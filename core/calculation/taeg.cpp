#include "calculation/taeg.h"

namespace vantrel {

const Schema& Taeg::schemaTaeg() {
    static const Schema s = [] {
        Schema sc("Taeg", "T.E.G. maschera principale");
        FinestraCalcolo::definisci(sc);
        aggiungi(sc, ControlliPratica::kRighe);
        return sc;
    }();
    return s;
}

Taeg::Taeg(Contesto& ctx, bool caricaTassi) : FinestraCalcolo(schemaTaeg(), ctx), pratica_(*this, ctx, report()) {
    aggiungiParte(pratica_);
    caricaParti(caricaTassi);
    pratica_.carica();
}

void Taeg::ricarica(bool caricaTassi) {
    FinestraCalcolo::ricarica(caricaTassi);
    pratica_.carica();
}

} // namespace vantrel
