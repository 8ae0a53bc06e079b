#pragma once

#include "account/scalare.h"
#include "case_window/tabella_celle.h"
#include "common/finestra.h"

namespace vantrel {

class FinestraPratica;
struct ControlliFinestraPratica;

/// The "Scalare" tab: the account rebuilt from its movements and conditions, one row per liquidation
/// period (balances, numeri, highest debit balance, days, the charges the conditions give, the
/// bank's entries and the difference). Worked out on "Calcola" or when the tab is shown after a change.
class SchedaScalare : public ParteFinestra {
public:
    explicit SchedaScalare(FinestraPratica& f);

    /// Works the scalare out again; false when it was cancelled or cannot be worked out.
    bool calcola();
    /// The case changed: the scalare shown is no longer its own.
    void invalida();
    bool aggiornato() const { return aggiornato_; }
    void esporta();
    const RisultatoScalare& risultato() const { return risultato_; }
    TabellaCelle& tabella() { return tabella_; }

    bool cliccato(int id) override;

private:
    void mostraEsito();

    FinestraPratica& f_;
    const ControlliFinestraPratica& c_;
    RisultatoScalare risultato_;
    TabellaFoglio tabella_;
    bool aggiornato_ = false;
};

} // namespace vantrel
