#pragma once

#include "common/finestra_composta.h"
#include "program/stato_programma.h"
#include "reports/controlli_report.h"
#include "reports/modifica_lista.h"

namespace vantrel {

/// The text window "Anteprima stampa pagina prospetto tabellare", which receives the calculation
/// summary and prints it.
class FinestraTesto : public FinestraComposta {
public:
    explicit FinestraTesto(Contesto& ctx);
    static const Schema& schemaTesto();

    ModificaLista& lista() { return lista_; }

protected:
    void cliccato(int id) override;

private:
    Contesto& ctx_;
    const ControlliFinestraTesto& c_;
    ModificaLista lista_;
};

} // namespace vantrel
