#pragma once

#include "account/grafico_pratica.h"
#include "account/importa_periodi.h"
#include "common/cartella_lavoro.h"
#include "common/controlli.h"
#include "common/finestra.h"
#include "program/stato_programma.h"
#include "teg/esito_trimestre.h"

#include <chrono>
#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace vantrel {

class ListaReport;

// The controls of the "Riepilogo pratica" tab of the calculation window `Taeg`
// clang-format off
#define VANTREL_CONTROLLI_PRATICA(X)                                                                                   \
    X(importaPeriodi, "ImportaPeriodi", Pulsante, .testo = "Importa periodi...",                                       \
        .aiuto = "importa da un file CSV i trimestri di un conto, li controlla tutti e ne accoda le righe al report",  \
        .tooltip = "importa da un file CSV i trimestri di un conto, li controlla tutti e ne accoda le righe al "       \
            "report")                                                                                                  \
    X(tabella, "TabellaPratica", Lista,                                                                                \
        .aiuto = "un trimestre per riga; i trimestri oltre la soglia sono evidenziati e segnati 'OLTRE SOGLIA'")       \
    X(trimestri, "TotTrimestri", Etichetta, .aiuto = "trimestri controllati")                                          \
    X(superi, "TotSuperi", Etichetta, .aiuto = "trimestri con il TEG oltre il tasso soglia")                           \
    X(superoMassimo, "SuperoMax", Etichetta, .aiuto = "il supero più alto e il suo trimestre")                         \
    X(stato, "StatoPratica", Etichetta)                                                                                \
    X(grafico, "GraficoPratica", Etichetta,                                                                            \
        .aiuto = "TEG e tasso soglia di ogni trimestre; i triangoli rossi segnano i trimestri oltre la soglia")        \
    X(avanzamento, "Avanzamento", Etichetta, .visibile = false)                                                        \
    X(esportaExcel, "EsportaExcel", Pulsante, .testo = "Esporta Excel...",                                             \
        .aiuto = "salva il riepilogo, i dati dei trimestri e i tassi usati in una cartella di Excel",                  \
        .tooltip = "salva il riepilogo, i dati dei trimestri e i tassi usati in una cartella di Excel",                \
        .abilitato = false)                                                                                            \
    X(esportaCsv, "EsportaCsv", Pulsante, .testo = "Esporta CSV...",                                                   \
        .aiuto = "salva il riepilogo dei trimestri in un file CSV",                                                    \
        .tooltip = "salva il riepilogo dei trimestri in un file CSV", .abilitato = false)                              \
    X(salvaGrafico, "SalvaGrafico", Pulsante, .testo = "Salva grafico...",                                             \
        .aiuto = "salva il grafico come immagine PNG", .tooltip = "salva il grafico come immagine PNG",                \
        .abilitato = false)                                                                                            \
    X(stampaPratica, "StampaPratica", Pulsante, .testo = "Stampa pratica",                                             \
        .aiuto = "stampa la copertina, il riepilogo, il grafico e il riepilogo di calcolo dei trimestri oltre la "     \
            "soglia",                                                                                                  \
        .tooltip = "stampa la copertina, il riepilogo, il grafico e il riepilogo di calcolo dei trimestri oltre la "   \
            "soglia",                                                                                                  \
        .abilitato = false)                                                                                            \
    X(esportaPdf, "PdfPratica", Pulsante, .testo = "Esporta PDF...",                                                   \
        .aiuto = "salva la stampa della pratica in un file PDF",                                                       \
        .tooltip = "salva la stampa della pratica in un file PDF", .abilitato = false)
// clang-format on
VANTREL_STRUTTURA_CONTROLLI(ControlliPratica, VANTREL_CONTROLLI_PRATICA)

/// The "Riepilogo pratica" tab of the calculation window: a whole account at once. "Importa
/// periodi..." reads the quarters of an account from a CSV file and checks each one on a
/// calculation window loaded afresh, as `vantrel-cli teg` does, appending its result row to the
/// result list. The tab shows one line per quarter with the totals, draws the chart, exports the
/// results as a workbook or a CSV file and prints the whole account.
class RiepilogoPratica : public ParteFinestra {
public:
    RiepilogoPratica(Finestra& f, Contesto& ctx, ListaReport& lista);
    ~RiepilogoPratica() override;
    /// The window load: no account, the tab's title.
    void carica();

    /// "Importa periodi...": asks for the file, reads it and starts the checks. A file with a bad
    /// cell is refused with a message naming its row and column; nothing is imported then.
    void importaPeriodi();
    /// Starts checking the quarters read from `file`; the account shown before is replaced.
    void avvia(PeriodiImportati periodi, const std::string& file);
    /// Checks quarters for about `tempo` (at least one); true while some are left.
    bool passo(std::chrono::milliseconds tempo = std::chrono::milliseconds(30));
    bool inCorso() const { return prossimo_ < periodi_.size(); }
    std::size_t fatti() const { return prossimo_; }
    std::size_t totale() const { return periodi_.size(); }
    /// How many imports have started: a host showing the table knows when it was replaced.
    int importazioni() const { return importazioni_; }

    const std::vector<EsitoTrimestre>& esiti() const { return esiti_; }
    /// The results table as shown, with its totals once every quarter is checked.
    const Foglio& tabella() const { return tabella_; }
    DatiGrafico grafico() const;
    /// The account's name: the report name, else the name of the imported file.
    std::string nome() const;

    void esportaExcel();
    void esportaCsv();
    void salvaGrafico();
    void stampaPratica();
    void esportaPdf();

    /// Called when quarters are left after a step: the host runs the next step from its event loop,
    /// so that the screen stays live. Without it the whole file is checked at once.
    std::function<void()> continua;

    bool cliccato(int id) override;

private:
    void concludi();
    void abilita();
    void esportato(const std::string& errore, const std::string& path);
    std::optional<std::string> fileDaSalvare(const std::string& estensione);
    std::string stampa(Stampante& s);

    Finestra& f_;
    Contesto& ctx_;
    ListaReport& lista_;
    const ControlliPratica& c_;
    int nomeReport_, schede_; // the report name of the "Report" tab, the tabs of the window
    std::vector<PeriodoDaControllare> periodi_;
    std::size_t prossimo_ = 0;
    int importazioni_ = 0;
    std::vector<EsitoTrimestre> esiti_;
    Foglio tabella_;
    std::string file_;
    std::vector<std::string> ignorate_;
    std::unique_ptr<Contesto> contesto_; // the state the checks run on, apart from the user's window
    std::unique_ptr<ControlloPeriodi> controllo_;
};

namespace testiPratica {
inline constexpr const char* titolo = "Importa periodi";
inline constexpr const char* scheda = "Riepilogo pratica";
} // namespace testiPratica

} // namespace vantrel
