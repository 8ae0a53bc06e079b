#include "composizione.h"

#include "common/file_sicuro.h"
#include "vista_principale.h"

namespace vantrel::app {

Programma::Programma(const Cartelle& cartelle, const Risponditori& r) {
    ServizioMessaggi& messaggi = r.messaggi ? *r.messaggi : messaggi_;
    stampante_ =
        std::make_unique<gui::StampanteDialogo>(printer_, r.stampa ? *r.stampa : sceltaStampa_, messaggi, cartelle.pdf);
    Servizi& s = ctx_.servizi;
    s.messaggi = &messaggi;
    s.file = r.file ? r.file : &file_;
    s.stampante = stampante_.get();
    s.processi = &calcolatrice_;
    s.orologio = r.orologio ? r.orologio : &orologio_;
    s.rete = &rete_;
    s.connessione = r.connessione ? r.connessione : &connessione_;
    s.disco = &disco_;
    impostaDiscoPredefinito(&disco_); // the safe writes no window passes a disk to
    s.zip = &zip_;
    s.xlsx = &xlsx_;
    s.odt = &odt_;
    s.grafico = &grafico_;
    s.pdf = &pdf_;
    s.bancheDati = &sqlite_;
    s.lettoreXlsx = &lettoreXlsx_;
    s.datiPubblici = &datiPubblici_;
    finestra_ = std::make_unique<gui::VistaPrincipale>(ctx_, cartelle.programma, &printer_);
    finestra_->modello().cartellaReport(cartelle.report);
}

// The main window goes first: its views still use the services while they close.
Programma::~Programma() {
    finestra_.reset();
    impostaDiscoPredefinito(nullptr);
}

} // namespace vantrel::app
