#include "case_window/scheda_movimenti.h"

#include "account/importi.h"
#include "case_window/finestra_pratica.h"

namespace vantrel {
namespace {

// A movement's cell as typed into `m`; the Italian error text, empty when read.
std::string leggiCella(Movimento& m, std::size_t colonna, const std::string& testo) {
    switch (colonna) {
    case SchedaMovimenti::kOperazione:
    case SchedaMovimenti::kValuta: {
        const auto d = leggiData(testo);
        if (!d) return "'" + testo + "' non è una data: scrivere gg/mm/aaaa.";
        (colonna == SchedaMovimenti::kOperazione ? m.operazione : m.valuta) = *d;
        return {};
    }
    case SchedaMovimenti::kDescrizione:
        m.descrizione = testo;
        return {};
    case SchedaMovimenti::kImporto: {
        const auto c = leggiCentesimi(testo);
        if (!c) return "'" + testo + "' non è un importo: scrivere per esempio -1.234,56.";
        m.importo = *c;
        return {};
    }
    default:
        return "colonna non modificabile";
    }
}

} // namespace

SchedaMovimenti::SchedaMovimenti(FinestraPratica& f) : f_(f), c_(controlli<ControlliFinestraPratica>(f.schema())) {
    carica();
}

void SchedaMovimenti::carica() {
    righe_.clear();
    f_.pratica().movimenti([&](std::int64_t id, const Movimento& m) { righe_.emplace_back(id, m); });
    saldi_.clear();
    saldi_.reserve(righe_.size());
    Centesimi saldo = leggiCentesimi(f_.pratica().dato(dati_pratica::kSaldoIniziale)).value_or(0);
    for (const auto& [id, m] : righe_)
        saldi_.push_back(saldo += m.importo);
    ++versione_;
    modifica(f_, c_.tabellaMovimenti).selezione = -1;
    f_.imposta(c_.totaleMovimenti, std::to_string(righe_.size()) + " movimenti" +
                                       (righe_.empty() ? "" : "; saldo finale " + testoCentesimi(saldi_.back())));
    abilita();
}

void SchedaMovimenti::abilita() {
    const bool scrivibile = !f_.pratica().soloLettura();
    modifica(f_, c_.eliminaMovimento).abilitato = scrivibile && f_[c_.tabellaMovimenti].selezione >= 0;
    modifica(f_, c_.aggiungiMovimento).abilitato = scrivibile;
    const ModificheMovimenti& m = f_.modifiche();
    modifica(f_, c_.annullaModifica).abilitato = m.puoAnnullare();
    modifica(f_, c_.ripetiModifica).abilitato = m.puoRipetere();
    modifica(f_, c_.annullaModifica).testo = m.puoAnnullare() ? m.voceAnnulla() : "Annulla";
    modifica(f_, c_.ripetiModifica).testo = m.puoRipetere() ? m.voceRipeti() : "Ripeti";
}

std::string SchedaMovimenti::intestazione(std::size_t colonna) const {
    static const char* const kTitoli[] = {"Data operazione", "Data valuta", "Descrizione", "Importo", "Saldo"};
    return kTitoli[colonna];
}

std::string SchedaMovimenti::cella(std::size_t riga, std::size_t colonna) const {
    const Movimento& m = righe_[riga].second;
    switch (colonna) {
    case kOperazione:
        return m.operazione.testo();
    case kValuta:
        return m.valuta.testo();
    case kDescrizione:
        return m.descrizione;
    case kImporto:
        return testoCentesimi(m.importo);
    default:
        return testoCentesimi(saldi_[riga]);
    }
}

bool SchedaMovimenti::rifiuta(const std::string& errore) {
    f_.contesto().messaggio({.titolo = "Movimenti", .testo = errore, .icona = Icona::Avviso});
    return false;
}

bool SchedaMovimenti::scriviCella(std::size_t riga, std::size_t colonna, const std::string& testo) {
    if (riga >= righe_.size() || !modificabile(riga, colonna)) return false;
    Movimento m = righe_[riga].second;
    if (const std::string e = leggiCella(m, colonna, testo); !e.empty()) return rifiuta(e);
    if (m == righe_[riga].second) return true;
    const std::int64_t id = righe_[riga].first;
    const std::string errore = f_.modifiche().modifica(id, m);
    dopoModifica(errore, id);
    return errore.empty();
}

void SchedaMovimenti::aggiungi() {
    Movimento m;
    const auto leggi = [&](int id, std::size_t colonna) {
        const std::string e = leggiCella(m, colonna, f_.testo(id));
        if (e.empty()) return true;
        f_.daiFuoco(id);
        return rifiuta(e);
    };
    if (!leggi(c_.nuovaData, kOperazione)) return;
    if (f_.testo(c_.nuovaValuta).empty())
        m.valuta = m.operazione;
    else if (!leggi(c_.nuovaValuta, kValuta))
        return;
    if (!leggi(c_.nuovaDescrizione, kDescrizione) || !leggi(c_.nuovoImporto, kImporto)) return;
    std::int64_t id = 0;
    const std::string errore = f_.modifiche().aggiungi(m, id);
    if (errore.empty()) {
        // The dates stay for the next movement of the same day.
        f_.imposta(c_.nuovaDescrizione, {});
        f_.imposta(c_.nuovoImporto, {});
        f_.daiFuoco(c_.nuovaDescrizione);
    }
    dopoModifica(errore, id);
}

void SchedaMovimenti::elimina() {
    const int riga = f_[c_.tabellaMovimenti].selezione;
    if (riga < 0 || static_cast<std::size_t>(riga) >= righe_.size()) return;
    const std::string errore = f_.modifiche().elimina(righe_[static_cast<std::size_t>(riga)].first);
    const std::size_t dopo = static_cast<std::size_t>(riga) + 1; // the movement that takes its place
    dopoModifica(errore, dopo < righe_.size() ? righe_[dopo].first : (riga > 0 ? righe_[dopo - 2].first : 0));
}

void SchedaMovimenti::annulla() {
    dopoModifica(f_.modifiche().annulla(), 0);
}

void SchedaMovimenti::ripeti() {
    dopoModifica(f_.modifiche().ripeti(), 0);
}

void SchedaMovimenti::dopoModifica(const std::string& errore, std::int64_t id) {
    if (!errore.empty()) {
        rifiuta(errore);
        abilita();
        return;
    }
    carica();
    seleziona(id);
    f_.cambiata();
}

void SchedaMovimenti::seleziona(std::int64_t id) {
    for (std::size_t r = 0; r < righe_.size(); ++r)
        if (righe_[r].first == id) modifica(f_, c_.tabellaMovimenti).selezione = static_cast<int>(r);
    abilita();
}

bool SchedaMovimenti::cliccato(int id) {
    if (id == c_.aggiungiMovimento)
        aggiungi();
    else if (id == c_.eliminaMovimento)
        elimina();
    else if (id == c_.annullaModifica)
        annulla();
    else if (id == c_.ripetiModifica)
        ripeti();
    else
        return false;
    return true;
}

bool SchedaMovimenti::selezionato(int id) {
    if (id != c_.tabellaMovimenti) return false;
    abilita();
    return true;
}

} // namespace vantrel
