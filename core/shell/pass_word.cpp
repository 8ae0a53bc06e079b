#include "shell/pass_word.h"

#include "common/text.h"

namespace vantrel {

const Schema& passWord::schemaPassWord() {
    static const Schema s = [] {
        Schema sc("passWord", "Accesso");
        sc.aggiungi("lblLabels0", Tipo::Etichetta, "&Nome utente:");
        sc.aggiungi("txtUserName", Tipo::Testo);
        sc.aggiungi("lblLabels1", Tipo::Etichetta, "&Password:");
        sc.aggiungi("txtPassword", Tipo::Testo);
        sc.aggiungi("cmdOK", Tipo::Pulsante, "OK");
        sc.aggiungi("cmdCancel", Tipo::Pulsante, "Annulla");
        sc.ordineTab({"txtUserName", "txtPassword", "cmdOK", "cmdCancel"});
        return sc;
    }();
    return s;
}

passWord::passWord(Contesto& ctx)
    : Finestra(schemaPassWord()), ctx_(ctx), txtUserName_(id("txtUserName")), txtPassword_(id("txtPassword")),
      cmdOK_(id("cmdOK")), cmdCancel_(id("cmdCancel")) {
    daiFuoco(txtUserName_);
}

std::optional<std::string> passWord::tasto(int id, const Battuta& b) {
    if (b.tasto == "\r") {
        if (id == txtUserName_) daiFuoco(txtPassword_);
        if (id == txtPassword_) { // Enter after the password confirms, as OK does
            daiFuoco(cmdOK_);
            verifica();
        }
        return std::nullopt;
    }
    return Finestra::tasto(id, b);
}

void passWord::cliccato(int id) {
    if (id == cmdOK_) {
        verifica();
    } else if (id == cmdCancel_) {
        esito_ = Esito::Rifiutato;
        chiudi();
    }
}

void passWord::chiusuraDaCornice() {
    if (esito_ == Esito::InAttesa) esito_ = Esito::Rifiutato;
    chiudi();
}

void passWord::fallito() {
    ++tentativi_;
    if (tentativi_ == 4) {
        ctx_.messaggio({.titolo = "Errore", .testo = "Tentativo di aprire il programma fallito!!!"});
        esito_ = Esito::Rifiutato;
        chiudi();
    }
}

void passWord::verifica() {
    const ImpostaRecord& imp = ctx_.stato.Imposta;
    if (testo(txtUserName_) != testoCampo(imp.utente())) {
        ctx_.messaggio({.titolo = "Accesso", .testo = "Nome utente non valido. Riprovare"});
        fallito();
        if (chiusa()) return;
        imposta(txtUserName_, "");
        daiFuoco(txtUserName_);
        return;
    }
    if (testo(txtPassword_) != testoCampo(imp.password())) {
        ctx_.messaggio({.titolo = "Accesso", .testo = "Password non valida. Riprovare"});
        daiFuoco(txtPassword_);
        Controllo& c = modifica(txtPassword_);
        c.selezionaTesto(0, static_cast<int>(lunghezza(c.testo)));
        fallito();
        return;
    }
    esito_ = Esito::Accettato;
    chiudi();
}

} // namespace vantrel
