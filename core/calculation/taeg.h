#pragma once

#include "account/riepilogo_pratica.h"
#include "teg/finestra_calcolo.h"

namespace vantrel {

/// The calculation window "T.E.G. maschera principale" with all its tabs: the period check, the
/// result list, the loan calculator and the account summary. Creating it runs the window load.
class Taeg : public FinestraCalcolo {
public:
    /// `caricaTassi` false keeps the rate table already in memory.
    explicit Taeg(Contesto& ctx, bool caricaTassi = true);
    static const Schema& schemaTaeg();
    /// The window as freshly created again. An open summary window is dropped with the rest.
    void ricarica(bool caricaTassi = true) override;

    RiepilogoPratica& pratica() { return pratica_; }

private:
    RiepilogoPratica pratica_;
};

} // namespace vantrel
