#include "teg/taeg.h"

namespace vantrel {

const Schema& Taeg::schemaTaeg() {
    static const Schema s = [] {
        Schema sc("Taeg", "T.E.G. maschera principale");
        sc.aggiungi("HELP", Tipo::Testo,
                    "Aiuto contestuale, muovendo il puntatore sopra gli elementi della maschera comparirà la "
                    "spiegazione dell'elemento puntato.\n")
            .solaLettura = true;
        TegCalcolo::definisci(sc);
        ListaReport::definisci(sc);
        PannelloMutuo::definisci(sc);
        VerificaUsura::definisci(sc);
        RiepilogoPratica::definisci(sc);
        sc.ordineTab({"dal",       "al",     "Combo1",   "Command8", "Giorni",    "NumeriD", "intDare", "ComMS",
                      "extrafido", "totInt", "speseN",   "ComMS2",   "ASpese",    "tspe",    "SpeInt",  "Option2",
                      "Option1a",  "fido",   "Acc",      "Combo2",   "Lira",      "euro",    "Option3", "Option4",
                      "Option5",   "OK",     "Command9", "via",      "SSCommand2"});
        return sc;
    }();
    return s;
}

Taeg::Taeg(Contesto& ctx, bool caricaTassi)
    : FinestraComposta(schemaTaeg()), ctx_(ctx), report_(*this, ctx), calcolo_(*this, ctx, report_), mutuo_(*this, ctx),
      usura_(*this, ctx, mutuo_), pratica_(*this, ctx, report_) {
    aggiungiParte(calcolo_);
    aggiungiParte(report_);
    aggiungiParte(mutuo_);
    aggiungiParte(usura_);
    aggiungiParte(pratica_);
    mutuo_.bloccoInStampa(&usura_.esito().righe);
    report_.catenaSoglia = [this] { return calcolo_.righeCatenaSoglia(); };
    mutuo_.carica();
    usura_.carica();
    calcolo_.carica(caricaTassi);
    pratica_.carica();
}

void Taeg::ricarica(bool caricaTassi) {
    ripristina();
    report_.chiudiFinestraTesto();
    mutuo_.carica();
    usura_.carica();
    calcolo_.carica(caricaTassi);
    pratica_.carica();
}

} // namespace vantrel
