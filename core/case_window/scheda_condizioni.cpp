#include "case_window/scheda_condizioni.h"

#include "account/importa_condizioni.h"
#include "account/importi.h"
#include "case_window/finestra_pratica.h"
#include "case_window/righe_file.h"
#include "common/testo_confronto.h"

#include <algorithm>

namespace vantrel {
namespace {

TassoDecimale* tasso(RigaCondizioni& r, std::size_t colonna) {
    switch (colonna) {
    case SchedaCondizioni::kTassoDebitore:
        return &r.tassoDebitore;
    case SchedaCondizioni::kTassoExtrafido:
        return &r.tassoExtrafido;
    case SchedaCondizioni::kTassoCreditore:
        return &r.tassoCreditore;
    case SchedaCondizioni::kCms:
        return &r.cms;
    case SchedaCondizioni::kCommissioneFido:
        return &r.commissioneFido;
    default:
        return nullptr;
    }
}

Centesimi* importo(RigaCondizioni& r, std::size_t colonna) {
    switch (colonna) {
    case SchedaCondizioni::kFido:
        return &r.fido;
    case SchedaCondizioni::kCommissioneSconfinamento:
        return &r.commissioneSconfinamento;
    case SchedaCondizioni::kSpeseOperazione:
        return &r.speseOperazione;
    case SchedaCondizioni::kSpesePeriodo:
        return &r.spesePeriodo;
    default:
        return nullptr;
    }
}

constexpr const char* kDiLegge = "di legge";

} // namespace

std::string leggiCellaCondizioni(RigaCondizioni& r, std::size_t colonna, const std::string& testo) {
    if (TassoDecimale* t = tasso(r, colonna)) {
        const auto v = leggiTassoDecimale(testo.empty() ? "0" : testo);
        if (!v) return "'" + testo + "' non è un tasso: scrivere per esempio 9,5.";
        *t = *v;
    } else if (Centesimi* c = importo(r, colonna)) {
        const auto v = leggiCentesimi(testo.empty() ? "0" : testo);
        if (!v || *v < 0) return "'" + testo + "' non è un importo: scrivere per esempio 10.000,00.";
        *c = *v;
    } else if (colonna == SchedaCondizioni::kDal) {
        const auto d = leggiData(testo);
        if (!d) return "'" + testo + "' non è una data: scrivere gg/mm/aaaa.";
        r.dal = *d;
    } else if (colonna == SchedaCondizioni::kLiquidazione) {
        const auto l = leggiLiquidazione(testo);
        if (!l) return "'" + testo + "': la liquidazione è trimestrale, semestrale o annuale.";
        r.liquidazione = *l;
    } else if (colonna == SchedaCondizioni::kDivisore) {
        if (testo != "365" && testo != "360") return "il divisore è 365 o 360.";
        r.divisore = testo == "365" ? 365 : 360;
    } else if (colonna == SchedaCondizioni::kRitenuta) {
        if (testo.empty() || minuscoleSenzaAccenti(testo) == kDiLegge) {
            r.ritenuta.reset();
            return {};
        }
        const auto v = leggiTassoDecimale(testo);
        if (!v) return "'" + testo + "': la ritenuta è un tasso o \"di legge\".";
        r.ritenuta = *v;
    }
    return {};
}

SchedaCondizioni::SchedaCondizioni(FinestraPratica& f) : f_(f), c_(controlli<ControlliFinestraPratica>(f.schema())) {
    carica();
}

void SchedaCondizioni::carica() {
    righe_ = f_.pratica().condizioni();
    ++versione_;
    modifica(f_, c_.tabellaCondizioni).selezione = -1;
    const bool scrivibile = !f_.pratica().soloLettura();
    modifica(f_, c_.aggiungiCondizioni).abilitato = scrivibile;
    modifica(f_, c_.importaCondizioni).abilitato = scrivibile;
    modifica(f_, c_.eliminaCondizioni).abilitato = false;
    mostraEsito(righe_.empty() ? "Nessuna condizione: aggiungere una riga o importare un file." : "");
}

void SchedaCondizioni::mostraEsito(const std::string& testo) {
    std::string t = testo;
    if (t.empty())
        t = std::to_string(righe_.size()) + (righe_.size() == 1 ? " riga" : " righe") + " di condizioni dal " +
            righe_.front().dal.testo() + ". Una cella vuota dei tassi vale 0; la ritenuta vuota è quella di legge.";
    f_.imposta(c_.esitoCondizioni, std::move(t));
}

std::string SchedaCondizioni::intestazione(std::size_t colonna) const {
    static const char* const kTitoli[] = {"Dal",
                                          "Fido",
                                          "Tasso debitore",
                                          "Tasso extrafido",
                                          "Tasso creditore",
                                          "CMS",
                                          "Commissione fido",
                                          "Commissione sconfinamento",
                                          "Spese operazione",
                                          "Spese periodo",
                                          "Liquidazione",
                                          "Divisore",
                                          "Ritenuta"};
    return kTitoli[colonna];
}

std::string SchedaCondizioni::cella(std::size_t riga, std::size_t colonna) const {
    RigaCondizioni r = righe_[riga];
    if (const TassoDecimale* t = tasso(r, colonna)) return testoTasso(*t);
    if (const Centesimi* c = importo(r, colonna)) return testoCentesimi(*c);
    switch (colonna) {
    case kDal:
        return r.dal.testo();
    case kLiquidazione:
        return testoLiquidazione(r.liquidazione);
    case kDivisore:
        return std::to_string(r.divisore);
    default:
        return r.ritenuta ? testoTasso(*r.ritenuta) : kDiLegge;
    }
}

bool SchedaCondizioni::imposta(std::vector<RigaCondizioni> righe) {
    std::stable_sort(righe.begin(), righe.end(), [](const auto& a, const auto& b) { return a.dal < b.dal; });
    std::string errore = erroreCondizioni(righe);
    if (errore.empty()) errore = f_.pratica().impostaCondizioni(righe);
    if (!errore.empty()) {
        f_.contesto().messaggio({.titolo = "Condizioni", .testo = errore, .icona = Icona::Avviso});
        return false;
    }
    carica();
    f_.cambiata();
    return true;
}

bool SchedaCondizioni::scriviCella(std::size_t riga, std::size_t colonna, const std::string& testo) {
    if (riga >= righe_.size() || colonna >= kColonne) return false;
    std::vector<RigaCondizioni> nuove = righe_;
    if (const std::string e = leggiCellaCondizioni(nuove[riga], colonna, testo); !e.empty()) {
        f_.contesto().messaggio({.titolo = "Condizioni", .testo = e, .icona = Icona::Avviso});
        return false;
    }
    return nuove == righe_ || imposta(std::move(nuove));
}

void SchedaCondizioni::aggiungiRiga() {
    std::vector<RigaCondizioni> nuove = righe_;
    RigaCondizioni r = nuove.empty() ? RigaCondizioni{} : nuove.back();
    if (nuove.empty())
        r.dal = leggiData(f_.pratica().dato(dati_pratica::kInizio)).value_or(f_.contesto().oggi());
    else
        r.dal = aggiungiGiorni(r.dal, 1);
    nuove.push_back(r);
    if (imposta(std::move(nuove))) modifica(f_, c_.tabellaCondizioni).selezione = static_cast<int>(righe_.size()) - 1;
    modifica(f_, c_.eliminaCondizioni).abilitato = f_[c_.tabellaCondizioni].selezione >= 0;
}

void SchedaCondizioni::eliminaRiga() {
    const int riga = f_[c_.tabellaCondizioni].selezione;
    if (riga < 0 || static_cast<std::size_t>(riga) >= righe_.size()) return;
    std::vector<RigaCondizioni> nuove = righe_;
    nuove.erase(nuove.begin() + riga);
    imposta(std::move(nuove));
}

void SchedaCondizioni::importa() {
    if (!f_.contesto().servizi.file) return;
    const auto file = f_.contesto().servizi.file->apri("*.csv *.xlsx *.CSV *.XLSX", "");
    if (!file) return;
    std::string errore;
    auto righe = RigheFile::apri(*file, f_.contesto().servizi.lettoreXlsx, errore);
    CondizioniLette lette;
    if (righe) lette = leggiCondizioni(*righe);
    if (errore.empty()) errore = lette.errore;
    if (!errore.empty()) {
        f_.contesto().messaggio({.titolo = "Importa condizioni",
                                 .testo = *file + ": " + errore + "\nLe condizioni non sono cambiate.",
                                 .icona = Icona::Critica});
        return;
    }
    if (!imposta(std::move(lette.righe)) || lette.ignorate.empty()) return;
    std::string ignorate;
    for (const auto& i : lette.ignorate)
        ignorate += (ignorate.empty() ? "\"" : ", \"") + i + "\"";
    mostraEsito("Importate " + std::to_string(righe_.size()) + " righe; colonne ignorate: " + ignorate + ".");
}

bool SchedaCondizioni::cliccato(int id) {
    if (id == c_.aggiungiCondizioni)
        aggiungiRiga();
    else if (id == c_.eliminaCondizioni)
        eliminaRiga();
    else if (id == c_.importaCondizioni)
        importa();
    else
        return false;
    return true;
}

bool SchedaCondizioni::selezionato(int id) {
    if (id != c_.tabellaCondizioni) return false;
    modifica(f_, c_.eliminaCondizioni).abilitato =
        !f_.pratica().soloLettura() && f_[c_.tabellaCondizioni].selezione >= 0;
    return true;
}

} // namespace vantrel
