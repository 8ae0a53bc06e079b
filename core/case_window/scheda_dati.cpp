#include "case_window/scheda_dati.h"

#include "account/importi.h"
#include "case_window/finestra_pratica.h"

namespace vantrel {

SchedaDati::SchedaDati(FinestraPratica& f) : f_(f), c_(controlli<ControlliFinestraPratica>(f.schema())) {
    carica();
}

const char* SchedaDati::chiave(int id) const {
    if (id == c_.cliente) return dati_pratica::kCliente;
    if (id == c_.banca) return dati_pratica::kBanca;
    if (id == c_.conto) return dati_pratica::kConto;
    if (id == c_.saldoIniziale) return dati_pratica::kSaldoIniziale;
    if (id == c_.inizio) return dati_pratica::kInizio;
    return nullptr;
}

void SchedaDati::carica() {
    for (int id : {c_.cliente, c_.banca, c_.conto, c_.saldoIniziale, c_.inizio}) {
        f_.imposta(id, f_.pratica().dato(chiave(id)));
        modifica(f_, id).abilitato = !f_.pratica().soloLettura();
    }
}

bool SchedaDati::uscito(int id) {
    const char* k = chiave(id);
    if (!k) return false;
    std::string valore = f_.testo(id);
    const std::string prima = f_.pratica().dato(k);
    std::string errore;
    if (id == c_.saldoIniziale && !valore.empty()) {
        const auto c = leggiCentesimi(valore);
        if (c)
            valore = testoCentesimi(*c);
        else
            errore = "'" + valore + "' non è un importo: scrivere per esempio -21.500,00.";
    } else if (id == c_.inizio && !valore.empty()) {
        const auto d = leggiData(valore);
        if (d)
            valore = d->testo();
        else
            errore = "'" + valore + "' non è una data: scrivere gg/mm/aaaa.";
    }
    if (errore.empty() && valore != prima) errore = f_.pratica().impostaDato(k, valore);
    if (!errore.empty()) {
        f_.imposta(id, prima);
        f_.contesto().messaggio({.titolo = testiFinestraPratica::titolo, .testo = errore, .icona = Icona::Avviso});
        return true;
    }
    f_.imposta(id, valore);
    if (valore != prima) f_.cambiata();
    return true;
}

} // namespace vantrel
