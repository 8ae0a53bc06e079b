#pragma once

#include "common/controlli.h"

namespace vantrel {

// clang-format off

// The controls of the "Report" tab of the calculation window `Taeg`
#define VANTREL_CONTROLLI_REPORT_TEG(X)                                                                                \
    X(risultati, "List1") X(testoDaInserire, "testo") X(rigaTolta, "testo2") X(nomeReport, "nome")                     \
    X(testata, "SSCommand10") X(eliminaTutto, "Pulisci") X(rigaInTesta, "SSCommand7") X(rigaInFondo, "SSCommand8")     \
    X(rigaSuSelezione, "SSCommand9") X(spostaGiu, "SSCommand4") X(spostaSu, "SSCommand5")                              \
    X(incollaRiga, "Command3D1") X(salva, "SSCommand6") X(apri, "Command3D2") X(stampa, "Stampa")                      \
    X(chiudi, "SSCommand1")

// The controls of the "Riepilogo pratica" tab of the calculation window `Taeg`
#define VANTREL_CONTROLLI_PRATICA(X)                                                                                   \
    X(importaPeriodi, "ImportaPeriodi") X(tabella, "TabellaPratica") X(trimestri, "TotTrimestri")                      \
    X(superi, "TotSuperi") X(superoMassimo, "SuperoMax") X(stato, "StatoPratica") X(grafico, "GraficoPratica")         \
    X(avanzamento, "Avanzamento") X(esportaExcel, "EsportaExcel") X(esportaCsv, "EsportaCsv")                          \
    X(salvaGrafico, "SalvaGrafico") X(stampaPratica, "StampaPratica") X(esportaPdf, "PdfPratica")

// The controls of the report manager `STP2` "Anteprima stampa reporto dati"
#define VANTREL_CONTROLLI_GESTIONE_REPORT(X)                                                                           \
    X(righe, "List1") X(etichettaTesto, "Label1") X(testoDaInserire, "testo") X(rigaTolta, "testo2")                   \
    X(etichettaNome, "Label2") X(nomeReport, "nome") X(salva, "OK") X(apri, "Command3D2")                              \
    X(nuovaFinestra, "SSCommand11") X(stampa, "Stampa") X(chiudi, "SSCommand2") X(spostaGiu, "SSCommand1")             \
    X(spostaSu, "SSCommand3") X(rigaInTesta, "SSCommand4") X(rigaInFondo, "SSCommand6")                                \
    X(rigaSuSelezione, "SSCommand5") X(testata, "SSCommand7") X(eliminaTutto, "Pulisci") X(incollaRiga, "Command3D1")

// The controls of the text window `STP1` "Anteprima stampa pagina prospetto tabellare"
#define VANTREL_CONTROLLI_FINESTRA_TESTO(X)                                                                            \
    X(righe, "List1") X(etichettaTesto, "Label1") X(testoDaInserire, "testo") X(rigaInTesta, "Command3D1")             \
    X(rigaSuSelezione, "SSCommand1") X(rigaInFondo, "SSCommand3") X(stampa, "Stampa") X(chiudi, "SSCommand2")

// clang-format on

VANTREL_STRUTTURA_CONTROLLI(ControlliReportTeg, VANTREL_CONTROLLI_REPORT_TEG)
VANTREL_STRUTTURA_CONTROLLI(ControlliPratica, VANTREL_CONTROLLI_PRATICA)
VANTREL_STRUTTURA_CONTROLLI(ControlliGestioneReport, VANTREL_CONTROLLI_GESTIONE_REPORT)
VANTREL_STRUTTURA_CONTROLLI(ControlliFinestraTesto, VANTREL_CONTROLLI_FINESTRA_TESTO)

} // namespace vantrel
