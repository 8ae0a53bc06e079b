#include "teg/finestra_calcolo.h"

#include "teg/teg_controlli.h"

namespace vantrel {

void FinestraCalcolo::definisci(Schema& sc) {
    aggiungi(sc, ControlliTeg::kRighe);
    GrigliaTassi::definisci(sc);
    aggiungi(sc, ControlliReportTeg::kRighe);
    aggiungi(sc, ControlliMutuo::kRighe);
    aggiungi(sc, ControlliVerificaUsura::kRighe);
    sc.ordineTab(ordineTab(ControlliTeg::kRighe));
}

const Schema& FinestraCalcolo::schemaCalcolo() {
    static const Schema s = [] {
        Schema sc("Taeg", "T.E.G. maschera principale");
        definisci(sc);
        return sc;
    }();
    return s;
}

FinestraCalcolo::FinestraCalcolo(const Schema& s, Contesto& ctx)
    : FinestraComposta(s), report_(*this, ctx), calcolo_(*this, ctx, report_), mutuo_(*this, ctx),
      usura_(*this, ctx, mutuo_) {
    aggiungiParte(calcolo_);
    aggiungiParte(report_);
    aggiungiParte(mutuo_);
    aggiungiParte(usura_);
    mutuo_.bloccoInStampa(&usura_.esito().righe);
    report_.catenaSoglia = [this] {
        auto righe = calcolo_.righeCatenaSoglia();
        const auto cms = calcolo_.righeVerificaCms();
        righe.insert(righe.end(), cms.begin(), cms.end());
        return righe;
    };
}

FinestraCalcolo::FinestraCalcolo(Contesto& ctx, bool caricaTassi) : FinestraCalcolo(schemaCalcolo(), ctx) {
    caricaParti(caricaTassi);
}

void FinestraCalcolo::caricaParti(bool caricaTassi) {
    mutuo_.carica();
    usura_.carica();
    calcolo_.carica(caricaTassi);
}

void FinestraCalcolo::ricarica(bool caricaTassi) {
    ripristina();
    report_.chiudiFinestraTesto();
    caricaParti(caricaTassi);
}

} // namespace vantrel
