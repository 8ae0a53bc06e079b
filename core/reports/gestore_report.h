#pragma once

#include "common/finestra_composta.h"
#include "program/stato_programma.h"
#include "reports/controlli_report.h"
#include "reports/modifica_lista.h"

#include <functional>

namespace vantrel {

/// The report manager "Anteprima stampa report dati": an editor of report files. Several may be
/// open at once, each with its own list and fields.
class GestoreReport : public FinestraComposta {
public:
    explicit GestoreReport(Contesto& ctx);
    static const Schema& schemaReport();

    ModificaLista& lista() { return lista_; }
    /// Called by "nuova maschera": the host creates and shows one more window.
    std::function<void()> nuovaFinestra;

protected:
    void cliccato(int id) override;

private:
    Contesto& ctx_;
    const ControlliGestioneReport& c_;
    ModificaLista lista_;
};

} // namespace vantrel
