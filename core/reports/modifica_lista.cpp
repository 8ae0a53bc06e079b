#include "reports/modifica_lista.h"

#include "reports/file_report.h"
#include "reports/spazi.h"

#include <iterator>

namespace vantrel {

const std::string& testata::trattini() {
    static const std::string s(150, '-');
    return s;
}

const std::string& testata::righeRisultato() {
    static const std::string s =
        " Trim.    ind. medio TEG.Tot Soglia Supero     Interessi TEG In. C. Max Scop. TEG CMS  "
        " Ecc.ext. TEG Ecc.   Spese  TEG SP.    Oneri TEG On.";
    return s;
}

const std::string& testata::periodi() {
    static const std::string s = "   dal      al       ind. medio TEG.Tot     Interessi TEG In. C. Max Scop. TEG CMS   "
                                 "Ecc.ext. TEG Ecc.     Spese  TEG SP.      Oneri TEG On.";
    return s;
}

ModificaLista::ModificaLista(Finestra& f, const ControlliLista& n, Contesto& ctx)
    : f_(f), ctx_(ctx), lista_(n.lista), testo_(n.testo), buffer_(n.buffer), giu_(n.giu), su_(n.su),
      incolla_(n.incolla), testata_(n.testata), pulisci_(n.pulisci), inCima_(n.inCima), accoda_(n.accoda),
      suSelezione_(n.suSelezione) {}

void ModificaLista::abilita(int id, bool si) {
    if (id >= 0) modifica(f_, id).abilitato = si;
}

void ModificaLista::abilitaSpostamenti(bool si) {
    abilita(giu_, si);
    abilita(su_, si);
}

std::string ModificaLista::testoDaInserire() const {
    return testo_ >= 0 ? f_.testo(testo_) : std::string();
}

void ModificaLista::inserisci(int indice, std::string riga) {
    auto& v = righe();
    v.insert(v.begin() + indice, std::move(riga));
}

void ModificaLista::inserisciTestata() {
    auto& v = righe();
    v.insert(v.begin(), {testata::trattini(), testata::righeRisultato(), testata::trattini()});
}

bool ModificaLista::haRighe() const {
    for (const auto& r : righe())
        if (r != testata::trattini() && r != testata::righeRisultato() && r != testata::periodi() &&
            !togliSpazi(r).empty())
            return true;
    return false;
}

bool ModificaLista::righeNonSalvate() const {
    return haRighe() && righe() != salvate_;
}

bool ModificaLista::chiusuraConfermata() {
    return !righeNonSalvate() || ctx_.messaggio({"AVVERTIMENTO!", testiReport::righeNonSalvate, Icona::Avviso,
                                                 Pulsanti::OkAnnulla, Risposta::Annulla}) == Risposta::Ok;
}

void ModificaLista::salva(const std::string& nome) {
    if (salvaReport(ctx_, righe(), nome)) salvate_ = righe();
}

bool ModificaLista::salvaPrimaDiUscire(const std::string& nome) {
    salva(togliSpazi(nome).empty() ? std::string("report") : nome);
    return !righeNonSalvate();
}

void ModificaLista::apri() {
    if (!apriReport(ctx_, righe())) return;
    modifica(f_, lista_).selezione = -1;
    salvate_ = righe();
}

void ModificaLista::pulisciLista() {
    if (haRighe() && ctx_.messaggio({"AVVERTIMENTO!", testiReport::eliminaTutto, Icona::Avviso, Pulsanti::OkAnnulla,
                                     Risposta::Annulla}) != Risposta::Ok)
        return;
    auto& v = righe();
    v.assign({testata::trattini(), testata::periodi(), testata::trattini()});
    modifica(f_, lista_).selezione = -1;
}

void ModificaLista::inserisciInCima() {
    inserisci(0, testoDaInserire());
}

void ModificaLista::accodaTesto() {
    righe().push_back(testoDaInserire());
}

void ModificaLista::inserisciSuSelezione() {
    const int i = selezione();
    if (i < 0 || i >= static_cast<int>(righe().size())) return;
    inserisci(i, testoDaInserire());
    modifica(f_, lista_).selezione = i + 1; // the selected line moved down with its text
}

void ModificaLista::spostaGiu() {
    auto& v = righe();
    const int i = selezione();
    const int n = static_cast<int>(v.size());
    if (n == 0 || (i >= 0 && i == n - 1)) return;
    if (i >= 0 && i < n) {
        std::string r = std::move(v[static_cast<std::size_t>(i)]);
        v.erase(v.begin() + i);
        inserisci(i + 1, std::move(r));
    }
    modifica(f_, lista_).selezione = -1;
    abilitaSpostamenti(false);
}

void ModificaLista::spostaSu() {
    auto& v = righe();
    const int i = selezione();
    const int n = static_cast<int>(v.size());
    if (i == 0) return;
    if (i > 0 && i < n) {
        std::string r = std::move(v[static_cast<std::size_t>(i)]);
        v.erase(v.begin() + i);
        inserisci(i - 1, std::move(r));
    }
    modifica(f_, lista_).selezione = -1;
    abilitaSpostamenti(false);
}

void ModificaLista::tagliaRiga() {
    auto& v = righe();
    const int i = selezione();
    if (i < 0 || i >= static_cast<int>(v.size())) return;
    abilita(incolla_, true);
    const std::string riga = v[static_cast<std::size_t>(i)];
    if (testo_ >= 0) f_.imposta(testo_, riga);
    if (buffer_ >= 0) f_.imposta(buffer_, riga);
    v.erase(v.begin() + i);
    modifica(f_, lista_).selezione = -1;
}

void ModificaLista::incollaRiga() {
    const int i = selezione();
    if (i >= 0 && i < static_cast<int>(righe().size())) {
        inserisci(i, buffer_ >= 0 ? f_.testo(buffer_) : std::string());
        modifica(f_, lista_).selezione = i + 1; // the selected line moved down with its text
    }
    abilita(incolla_, false);
}

bool ModificaLista::cliccato(int id) {
    if (id < 0) return false;
    if (id == testata_)
        inserisciTestata();
    else if (id == pulisci_)
        pulisciLista();
    else if (id == inCima_)
        inserisciInCima();
    else if (id == accoda_)
        accodaTesto();
    else if (id == suSelezione_)
        inserisciSuSelezione();
    else if (id == giu_)
        spostaGiu();
    else if (id == su_)
        spostaSu();
    else if (id == incolla_)
        incollaRiga();
    else
        return false;
    return true;
}

bool ModificaLista::selezionato(int id) {
    if (id != lista_) return false;
    abilitaSpostamenti(true);
    return true;
}

bool ModificaLista::doppioCliccato(int id, int /*indice*/) {
    if (id != lista_) return false;
    tagliaRiga();
    return true;
}

} // namespace vantrel
