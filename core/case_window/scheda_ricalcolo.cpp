#include "case_window/scheda_ricalcolo.h"

#include "case_window/finestra_pratica.h"

namespace vantrel {

SchedaRicalcolo::SchedaRicalcolo(FinestraPratica& f, std::string versioneProgramma)
    : f_(f), versione_(std::move(versioneProgramma)) {}

SchedaRicalcolo::~SchedaRicalcolo() = default;

PannelloRicalcolo& SchedaRicalcolo::mostra() {
    if (!pannello_) {
        pannello_ = std::make_unique<PannelloRicalcolo>(f_.pratica(), f_.contesto(), versione_);
        pannello_->ricalcolato = [this] { ricalcolato(); };
        ricalcolato(); // the first one ran while the panel was made
    } else if (!aggiornato_) {
        pannello_->riapri(f_.pratica());
    }
    aggiornato_ = true;
    return *pannello_;
}

// Each recalculation rewrites the case's choices and result: a new case now holds changes.
void SchedaRicalcolo::ricalcolato() {
    tabella_.imposta(pannello_->tabella());
    if (pannello_->risultato()) f_.ricalcoloSalvato();
}

void SchedaRicalcolo::riapri() {
    if (!pannello_) return;
    aggiornato_ = false;
    mostra();
}

} // namespace vantrel
