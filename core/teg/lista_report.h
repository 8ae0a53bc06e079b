#pragma once

#include "common/finestra.h"
#include "program/stato_programma.h"
#include "reports/controlli_report.h"
#include "reports/finestra_testo.h"
#include "reports/gestore_report.h"
#include "reports/modifica_lista.h"

#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace vantrel {

/// The "Report" tab of the calculation window: the result list and its editing, the report files,
/// the print, and two buttons of the calculation tab that work for the list: the CMS move and the
/// summary of the calculation ("crea report tabellare"), which fills the text window.
class ListaReport : public ParteFinestra {
public:
    ListaReport(Finestra& f, Contesto& ctx);

    /// Appends the three lines of the header block of the result rows.
    void accodaTestata();
    void accoda(std::string riga);

    ModificaLista& lista() { return lista_; }

    /// Moves the maximum-overdraft commission between the interest side and the expense side.
    void spostaCms();
    /// Writes the summary of the last calculation into the text window, opening it when needed.
    void riepilogo();

    /// The text window of the summary; null until the first summary or after it was closed.
    FinestraTesto* finestraTesto() { return stp1_ && !stp1_->chiusa() ? stp1_.get() : nullptr; }
    void chiudiFinestraTesto() { stp1_.reset(); }
    /// Called when the summary opens the text window, so that the host can show it.
    std::function<void(FinestraTesto&)> apertaFinestraTesto;
    /// The audit lines of the threshold that the summary appends (from the calculation tab).
    std::function<std::vector<std::string>()> catenaSoglia;

    bool cliccato(int id) override;
    bool selezionato(int id) override { return lista_.selezionato(id); }
    bool doppioCliccato(int id, int indice) override { return lista_.doppioCliccato(id, indice); }

private:
    Finestra& f_;
    Contesto& ctx_;
    const ControlliReportTeg& c_;
    ModificaLista lista_;
    std::unique_ptr<FinestraTesto> stp1_;
};

namespace testiReport {
inline constexpr const char* spostamentoCms =
    "Attenzione, lo spostamento delle CMS comporta la necessità di rieseguire il calcolo per avere il corretto "
    "valore";
} // namespace testiReport

} // namespace vantrel
