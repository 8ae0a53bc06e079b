#include "teg/finestra_calcolo.h"

namespace vantrel {

void FinestraCalcolo::definisci(Schema& sc) {
    sc.aggiungi("HELP", Tipo::Testo,
                "Aiuto contestuale, muovendo il puntatore sopra gli elementi della maschera comparirà la "
                "spiegazione dell'elemento puntato.\n")
        .solaLettura = true;
    TegCalcolo::definisci(sc);
    ListaReport::definisci(sc);
    PannelloMutuo::definisci(sc);
    VerificaUsura::definisci(sc);
    sc.ordineTab({"dal",       "al",     "Combo1",   "Command8", "Giorni",    "NumeriD", "intDare", "ComMS",
                  "extrafido", "totInt", "speseN",   "ComMS2",   "ASpese",    "tspe",    "SpeInt",  "Option2",
                  "Option1a",  "fido",   "Acc",      "Combo2",   "Lira",      "euro",    "Option3", "Option4",
                  "Option5",   "OK",     "Command9", "via",      "SSCommand2"});
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
    : FinestraComposta(s), ctx_(ctx), report_(*this, ctx), calcolo_(*this, ctx, report_), mutuo_(*this, ctx),
      usura_(*this, ctx, mutuo_) {
    aggiungiParte(calcolo_);
    aggiungiParte(report_);
    aggiungiParte(mutuo_);
    aggiungiParte(usura_);
    mutuo_.bloccoInStampa(&usura_.esito().righe);
    report_.catenaSoglia = [this] { return calcolo_.righeCatenaSoglia(); };
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
