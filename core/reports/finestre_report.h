#pragma once

#include "common/finestra_composta.h"
#include "programma/stato_programma.h"
#include "reports/controlli_report.h"
#include "reports/modifica_lista.h"

#include <functional>

namespace vantrel {

/// The report manager "Anteprima stampa reporto dati": an editor of report files. Several may be
/// open at once, each with its own list and fields.
class FinestraReport : public FinestraComposta {
public:
    explicit FinestraReport(Contesto& ctx);
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

/// Prints a result list on the context's printer with the landscape lines per page, as the named document.
void stampaRisultati(Contesto& ctx, const std::vector<std::string>& righe, const std::string& documento);
/// Prints the text window's lines with the portrait lines per page.
void stampaTesto(Contesto& ctx, const std::vector<std::string>& righe);

} // namespace vantrel
