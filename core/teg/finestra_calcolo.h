#pragma once

#include "common/finestra_composta.h"
#include "loan/pannello_mutuo.h"
#include "loan/verifica_usura.h"
#include "program/stato_programma.h"
#include "teg/lista_report.h"
#include "teg/teg_calcolo.h"

namespace vantrel {

/// The calculation window "T.E.G. maschera principale" without its account tab: the period check,
/// the result list, the loan calculator and its usury check. A batch of periods runs on it; the
/// desktop's window (`Taeg`) adds the account summary. Creating it runs the window load.
class FinestraCalcolo : public FinestraComposta {
public:
    /// `caricaTassi` false keeps the rate table already in memory (a batch loads it once).
    explicit FinestraCalcolo(Contesto& ctx, bool caricaTassi = true);
    /// The controls of these tabs, the help box and the tab order, into a window's schema.
    static void definisci(Schema& s);
    static const Schema& schemaCalcolo();
    /// The window as freshly created again, without building it anew (a batch checks many periods).
    /// An open summary window is dropped with the rest.
    virtual void ricarica(bool caricaTassi = true);

    TegCalcolo& calcolo() { return calcolo_; }
    ListaReport& report() { return report_; }
    PannelloMutuo& mutuo() { return mutuo_; }
    VerificaUsura& usura() { return usura_; }

protected:
    /// For a window of more tabs, whose schema holds these ones too; the caller loads the parts.
    FinestraCalcolo(const Schema& s, Contesto& ctx);
    void caricaParti(bool caricaTassi);

private:
    ListaReport report_;
    TegCalcolo calcolo_;
    PannelloMutuo mutuo_;
    VerificaUsura usura_;
};

} // namespace vantrel
