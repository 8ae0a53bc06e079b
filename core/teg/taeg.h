#pragma once

#include "common/finestra_composta.h"
#include "loan/pannello_mutuo.h"
#include "loan/verifica_usura.h"
#include "programma/stato_programma.h"
#include "teg/lista_report.h"
#include "teg/riepilogo_pratica.h"
#include "teg/teg_calcolo.h"

namespace vantrel {

/// The calculation window "T.E.G. maschera principale" with its tabs: the period check, the result
/// list, the loan calculator and the account summary. Creating it runs the window load.
class Taeg : public FinestraComposta {
public:
    /// `caricaTassi` false keeps the rate table already in memory (a batch loads it once).
    explicit Taeg(Contesto& ctx, bool caricaTassi = true);
    static const Schema& schemaTaeg();
    /// The window as freshly created again, without building it anew (a batch checks many periods).
    /// An open summary window is dropped with the rest.
    void ricarica(bool caricaTassi = true);

    TegCalcolo& calcolo() { return calcolo_; }
    ListaReport& report() { return report_; }
    PannelloMutuo& mutuo() { return mutuo_; }
    VerificaUsura& usura() { return usura_; }
    RiepilogoPratica& pratica() { return pratica_; }

private:
    Contesto& ctx_;
    ListaReport report_;
    TegCalcolo calcolo_;
    PannelloMutuo mutuo_;
    VerificaUsura usura_;
    RiepilogoPratica pratica_;
};

} // namespace vantrel
