#include "shell/accesso.h"

#include "common/testo.h"

namespace vantrel {

const Schema& Accesso::schemaPassWord() {
    static const Schema s = [] {
        Schema sc("passWord", "Accesso");
        aggiungi(sc, ControlliAccesso::kRighe);
        sc.ordineTab(ordineTab(ControlliAccesso::kRighe));
        return sc;
    }();
    return s;
}

Accesso::Accesso(Contesto& ctx) : Finestra(schemaPassWord()), ctx_(ctx), c_(controlli<ControlliAccesso>(schema())) {
    daiFuoco(c_.nomeUtente);
}

std::optional<std::string> Accesso::tasto(int id, const Battuta& b) {
    if (b.tasto == "\r") {
        if (id == c_.nomeUtente) daiFuoco(c_.password);
        if (id == c_.password) { // Enter after the password confirms, as OK does
            daiFuoco(c_.ok);
            verifica();
        }
        return std::nullopt;
    }
    return Finestra::tasto(id, b);
}

void Accesso::cliccato(int id) {
    if (id == c_.ok) {
        verifica();
    } else if (id == c_.annulla) {
        esito_ = Esito::Rifiutato;
        chiudi();
    }
}

void Accesso::chiusuraDaCornice() {
    if (esito_ == Esito::InAttesa) esito_ = Esito::Rifiutato;
    chiudi();
}

void Accesso::fallito() {
    ++tentativi_;
    if (tentativi_ == 4) {
        ctx_.messaggio({.titolo = "Errore", .testo = "Tentativo di aprire il programma fallito!!!"});
        esito_ = Esito::Rifiutato;
        chiudi();
    }
}

void Accesso::verifica() {
    const ImpostaRecord& imp = ctx_.stato.imposta;
    if (testo(c_.nomeUtente) != testoCampo(imp.utente())) {
        ctx_.messaggio({.titolo = "Accesso", .testo = "Nome utente non valido. Riprovare"});
        fallito();
        if (chiusa()) return;
        imposta(c_.nomeUtente, "");
        daiFuoco(c_.nomeUtente);
        return;
    }
    if (testo(c_.password) != testoCampo(imp.password())) {
        ctx_.messaggio({.titolo = "Accesso", .testo = "Password non valida. Riprovare"});
        daiFuoco(c_.password);
        Controllo& c = modifica(c_.password);
        c.selezionaTesto(0, static_cast<int>(lunghezza(c.testo)));
        fallito();
        return;
    }
    esito_ = Esito::Accettato;
    chiudi();
}

} // namespace vantrel
