#include "case_window/scheda_parole.h"

#include "account/importa_parole.h"
#include "case_window/controlli_addebiti_pratica.h"
#include "case_window/finestra_pratica.h"
#include "common/testo.h"

namespace vantrel {
namespace {

constexpr TipoAddebito kTipi[] = {TipoAddebito::Interessi, TipoAddebito::Competenze, TipoAddebito::Commissioni,
                                  TipoAddebito::Spese};

bool usualiParole(const std::vector<ParolaAddebito>& p) {
    const ParoleAddebiti usuali;
    const auto& u = usuali.parole();
    if (p.size() != u.size()) return false;
    for (std::size_t i = 0; i < p.size(); ++i)
        if (p[i].parola != u[i].parola || p[i].tipo != u[i].tipo) return false;
    return true;
}

} // namespace

SchedaParole::SchedaParole(FinestraPratica& f) : f_(f), c_(controlli<ControlliAddebitiPratica>(f.schema())) {
    auto& tipo = modifica(f_, c_.tipoParola);
    for (TipoAddebito t : kTipi)
        tipo.voci.emplace_back(nomeTipoAddebito(t));
    tipo.selezione = 0;
    carica();
}

void SchedaParole::carica() {
    parole_ = f_.pratica().parole().parole();
    ++versione_;
    modifica(f_, c_.tabellaParole).selezione = -1;
    const bool scrivibile = !f_.pratica().soloLettura();
    for (int id : {c_.nuovaParola, c_.tipoParola, c_.aggiungiParola, c_.paroleUsuali})
        modifica(f_, id).abilitato = scrivibile;
    modifica(f_, c_.eliminaParola).abilitato = false;
    f_.imposta(c_.esitoParole,
               std::string(usualiParole(parole_) ? "Le parole usuali. " : "Le parole di questa pratica. ") +
                   "Un movimento la cui descrizione contiene una parola (maiuscole e accenti a parte) è un addebito "
                   "della banca di quel tipo; vale la prima parola dell'elenco che si trova.");
}

std::string SchedaParole::intestazione(std::size_t colonna) const {
    return colonna == kParola ? "Parola" : "Tipo";
}

std::string SchedaParole::cella(std::size_t riga, std::size_t colonna) const {
    return colonna == kParola ? parole_[riga].parola : std::string(nomeTipoAddebito(parole_[riga].tipo));
}

bool SchedaParole::modificabile(std::size_t, std::size_t) const {
    return !f_.pratica().soloLettura();
}

bool SchedaParole::rifiuta(const std::string& errore) {
    f_.contesto().messaggio({.titolo = "Parole degli addebiti", .testo = errore, .icona = Icona::Avviso});
    return false;
}

bool SchedaParole::imposta(std::vector<ParolaAddebito> parole) {
    std::string errore = erroreParole(parole);
    if (errore.empty()) errore = f_.pratica().impostaParole(ParoleAddebiti(std::move(parole)));
    if (!errore.empty()) return rifiuta(errore + ". Le parole non sono cambiate.");
    carica();
    f_.cambiata();
    return true;
}

bool SchedaParole::scriviCella(std::size_t riga, std::size_t colonna, const std::string& testo) {
    if (riga >= parole_.size() || f_.pratica().soloLettura()) return false;
    std::vector<ParolaAddebito> nuove = parole_;
    if (colonna == kParola) {
        nuove[riga].parola = trim(testo);
    } else {
        const auto tipo = leggiTipoAddebito(testo);
        if (!tipo)
            return rifiuta("'" + testo + "' non è un tipo di addebito: interessi, competenze, commissioni o spese.");
        nuove[riga].tipo = *tipo;
    }
    if (nuove[riga].parola == parole_[riga].parola && nuove[riga].tipo == parole_[riga].tipo) return true;
    return imposta(std::move(nuove));
}

void SchedaParole::aggiungi() {
    std::vector<ParolaAddebito> nuove = parole_;
    const int tipo = f_[c_.tipoParola].selezione;
    nuove.push_back({std::string(trim(f_[c_.nuovaParola].testo)), kTipi[tipo >= 0 && tipo < 4 ? tipo : 0]});
    if (!imposta(std::move(nuove))) return;
    f_.imposta(c_.nuovaParola, "");
    modifica(f_, c_.tabellaParole).selezione = static_cast<int>(parole_.size()) - 1;
    modifica(f_, c_.eliminaParola).abilitato = true;
}

void SchedaParole::elimina() {
    const int riga = f_[c_.tabellaParole].selezione;
    if (riga < 0 || static_cast<std::size_t>(riga) >= parole_.size()) return;
    std::vector<ParolaAddebito> nuove = parole_;
    nuove.erase(nuove.begin() + riga);
    if (nuove.empty()) {
        const Risposta r = f_.contesto().messaggio(
            {.titolo = "Parole degli addebiti",
             .testo = "È l'ultima parola: senza parole proprie la pratica usa quelle usuali. Eliminarla?",
             .icona = Icona::Domanda,
             .pulsanti = Pulsanti::OkAnnulla,
             .predefinita = Risposta::Annulla});
        if (r != Risposta::Ok) return;
    }
    imposta(std::move(nuove));
}

void SchedaParole::usuali() {
    imposta({});
}

bool SchedaParole::cliccato(int id) {
    if (id == c_.aggiungiParola)
        aggiungi();
    else if (id == c_.eliminaParola)
        elimina();
    else if (id == c_.paroleUsuali)
        usuali();
    else
        return false;
    return true;
}

bool SchedaParole::selezionato(int id) {
    if (id != c_.tabellaParole) return false;
    modifica(f_, c_.eliminaParola).abilitato = !f_.pratica().soloLettura() && f_[c_.tabellaParole].selezione >= 0;
    return true;
}

} // namespace vantrel
