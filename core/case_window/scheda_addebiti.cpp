#include "case_window/scheda_addebiti.h"

#include "account/importa_addebiti.h"
#include "case_window/controlli_addebiti_pratica.h"
#include "case_window/finestra_pratica.h"

#include <algorithm>

namespace vantrel {
namespace {

constexpr const char* kTitolo = "Addebiti inseriti";

} // namespace

SchedaAddebiti::SchedaAddebiti(FinestraPratica& f) : f_(f), c_(controlli<ControlliAddebitiPratica>(f.schema())) {
    carica();
}

void SchedaAddebiti::carica() {
    righe_ = f_.pratica().addebitiInseriti();
    condizioni_ = f_.pratica().condizioni();
    ++versione_;
    modifica(f_, c_.tabellaAddebiti).selezione = -1;
    const bool scrivibile = !f_.pratica().soloLettura();
    for (int id : {c_.dataAddebiti, c_.interessiAddebiti, c_.competenzeAddebiti, c_.commissioniAddebiti,
                   c_.speseAddebiti, c_.aggiungiAddebiti})
        modifica(f_, id).abilitato = scrivibile;
    modifica(f_, c_.eliminaAddebiti).abilitato = false;
    f_.imposta(c_.esitoAddebiti,
               righe_.empty() ? "Nessun addebito inserito: lo scalare prende gli addebiti della banca dai movimenti."
                              : "Nei periodi di queste righe lo scalare prende questi addebiti al posto di quelli "
                                "trovati nei movimenti; le righe di uno stesso periodo si sommano.");
}

std::string SchedaAddebiti::intestazione(std::size_t colonna) const {
    static const char* const kTitoli[] = {"Data",        "Fine periodo", "Interessi", "Competenze",
                                          "Commissioni", "Spese",        "Totale"};
    return kTitoli[colonna];
}

std::string SchedaAddebiti::cella(std::size_t riga, std::size_t colonna) const {
    const AddebitiInseriti& a = righe_[riga];
    if (colonna == kData) return a.giorno.testo();
    if (colonna == kFinePeriodo) {
        // The period by the liquidation in force on the day, as the scalare cuts it.
        const RigaCondizioni* in = nullptr;
        for (const auto& c : condizioni_)
            if (c.dal <= a.giorno) in = &c;
        return in ? finePeriodo(a.giorno, in->liquidazione).testo() : "senza condizioni";
    }
    if (colonna == kTotale) {
        Centesimi t = 0;
        for (Centesimi c : a.importi)
            t += c;
        return testoCentesimi(t);
    }
    return testoCentesimi(a.importi[colonna - kInteressi]);
}

bool SchedaAddebiti::modificabile(std::size_t, std::size_t colonna) const {
    return !f_.pratica().soloLettura() && colonna != kFinePeriodo && colonna != kTotale;
}

bool SchedaAddebiti::rifiuta(const std::string& errore) {
    f_.contesto().messaggio({.titolo = kTitolo, .testo = errore, .icona = Icona::Avviso});
    return false;
}

bool SchedaAddebiti::imposta(std::vector<AddebitiInseriti> righe) {
    std::stable_sort(righe.begin(), righe.end(), [](const auto& a, const auto& b) { return a.giorno < b.giorno; });
    std::string errore = erroreAddebitiInseriti(righe);
    if (errore.empty()) errore = f_.pratica().impostaAddebitiInseriti(righe);
    if (!errore.empty()) return rifiuta("Non si può: " + errore + ". Gli addebiti non sono cambiati.");
    carica();
    f_.cambiata();
    return true;
}

bool SchedaAddebiti::scriviCella(std::size_t riga, std::size_t colonna, const std::string& testo) {
    if (riga >= righe_.size() || !modificabile(riga, colonna)) return false;
    std::vector<AddebitiInseriti> nuove = righe_;
    if (colonna == kData) {
        const auto d = leggiData(testo);
        if (!d) return rifiuta("'" + testo + "' non è una data: scrivere gg/mm/aaaa.");
        nuove[riga].giorno = *d;
    } else {
        const auto c = leggiCentesimi(testo.empty() ? "0" : testo);
        if (!c) return rifiuta("'" + testo + "' non è un importo: scrivere per esempio 1.234,56.");
        nuove[riga].importi[colonna - kInteressi] = *c;
    }
    return nuove == righe_ || imposta(std::move(nuove));
}

void SchedaAddebiti::aggiungi() {
    AddebitiInseriti a;
    const auto d = leggiData(f_[c_.dataAddebiti].testo);
    if (!d) {
        rifiuta("Scrivere la data di un giorno del periodo (gg/mm/aaaa), di solito la sua chiusura.");
        return;
    }
    a.giorno = *d;
    const int campi[] = {c_.interessiAddebiti, c_.competenzeAddebiti, c_.commissioniAddebiti, c_.speseAddebiti};
    for (std::size_t k = 0; k < kTipiAddebito; ++k) {
        const std::string& t = f_[campi[k]].testo;
        const auto c = leggiCentesimi(t.empty() ? "0" : t);
        if (!c) {
            rifiuta("'" + t + "' non è un importo (" + kTitoliAddebiti[k] + "): scrivere per esempio 1.234,56.");
            return;
        }
        a.importi[k] = *c;
    }
    std::vector<AddebitiInseriti> nuove = righe_;
    nuove.push_back(a);
    if (!imposta(std::move(nuove))) return;
    for (int id : campi)
        f_.imposta(id, "");
    f_.imposta(c_.dataAddebiti, "");
    const auto dove = std::find(righe_.begin(), righe_.end(), a);
    modifica(f_, c_.tabellaAddebiti).selezione = static_cast<int>(dove - righe_.begin());
    modifica(f_, c_.eliminaAddebiti).abilitato = true;
}

void SchedaAddebiti::elimina() {
    const int riga = f_[c_.tabellaAddebiti].selezione;
    if (riga < 0 || static_cast<std::size_t>(riga) >= righe_.size()) return;
    std::vector<AddebitiInseriti> nuove = righe_;
    nuove.erase(nuove.begin() + riga);
    imposta(std::move(nuove));
}

bool SchedaAddebiti::cliccato(int id) {
    if (id == c_.aggiungiAddebiti)
        aggiungi();
    else if (id == c_.eliminaAddebiti)
        elimina();
    else
        return false;
    return true;
}

bool SchedaAddebiti::selezionato(int id) {
    if (id == controlli<ControlliFinestraPratica>(f_.schema()).schede) {
        // The conditions may have changed on their tab: the periods shown follow them.
        condizioni_ = f_.pratica().condizioni();
        ++versione_;
        return false;
    }
    if (id != c_.tabellaAddebiti) return false;
    modifica(f_, c_.eliminaAddebiti).abilitato = !f_.pratica().soloLettura() && f_[c_.tabellaAddebiti].selezione >= 0;
    return true;
}

} // namespace vantrel
