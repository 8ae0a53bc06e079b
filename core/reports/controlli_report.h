#pragma once

#include "common/controlli.h"

namespace vantrel {

// clang-format off

// The controls of the "Report" tab of the calculation window `Taeg`
#define VANTREL_CONTROLLI_REPORT_TEG(X)                                                                                \
    X(risultati, "List1", Lista,                                                                                       \
        .aiuto = "il doppio click su una riga ne comporta la rimozione,la quale viene temporaneamente inserita "       \
            "nella 'testo da inserire'. un solo click per evidenziare le righe.")                                      \
    X(testoDaInserire, "testo", Testo, .aiuto = "inserire il testo da incollare nel report")                           \
    X(rigaTolta, "testo2", Testo, .visibile = false)                                                                   \
    X(nomeReport, "nome", Testo, .aiuto = "inserire il nome con il quale salvare il report")                           \
    X(testata, "SSCommand10", Pulsante, .testo = "Testata", .aiuto = "inserisce la testata del report",                \
        .tooltip = "Aggiungi testata")                                                                                 \
    X(eliminaTutto, "Pulisci", Pulsante, .testo = "Elimina tutto", .aiuto = "pulisci report",                          \
        .tooltip = "elimina tutto")                                                                                    \
    X(rigaInTesta, "SSCommand7", Pulsante, .testo = "Riga in testa",                                                   \
        .aiuto = "inserisce il testo di sinistra in cima alla lista", .tooltip = "Aggiungi riga in testa")             \
    X(rigaInFondo, "SSCommand8", Pulsante, .testo = "Riga in fondo",                                                   \
        .aiuto = "inserisce il testo di sinistra in fondo alla lista", .tooltip = "Aggiungi riga in fondo")            \
    X(rigaSuSelezione, "SSCommand9", Pulsante, .testo = "Riga su selezione",                                           \
        .aiuto = "inserisce il testo di sinistra in corrispondenza della riga evidenziata",                            \
        .tooltip = "Aggiungi riga su selezione")                                                                       \
    X(spostaGiu, "SSCommand4", Pulsante, .testo = "Sposta giù", .aiuto = "sposta la riga evidenziata verso il basso",  \
        .tooltip = "sposta riga in basso", .abilitato = false)                                                         \
    X(spostaSu, "SSCommand5", Pulsante, .testo = "Sposta su", .aiuto = "sposta la riga evidenziata verso l'alto",      \
        .tooltip = "sposta riga in alto", .abilitato = false)                                                          \
    X(incollaRiga, "Command3D1", Pulsante, .testo = "Incolla riga",                                                    \
        .aiuto = "incolla rcalcolo precedentemente rimosso dalla lista, in corrispondenza della riga evidenziata. ",   \
        .tooltip = "Incolla la riga tolta con il doppio click sopra la riga evidenziata")                              \
    X(salva, "SSCommand6", Pulsante, .testo = "Salva", .aiuto = "salva report attivo", .tooltip = "salva report")      \
    X(apri, "Command3D2", Pulsante, .testo = "Apri", .aiuto = "apri report esistente", .tooltip = "Carica report")     \
    X(stampa, "Stampa", Pulsante, .testo = "Stampa", .aiuto = "stampa report", .tooltip = "Stampa report")             \
    X(chiudi, "SSCommand1", Pulsante, .testo = "Chiudi", .aiuto = "chiude questa maschera. ",                          \
        .tooltip = "Chiudi la finestra di calcolo")

// The controls of the report manager `STP2` "Anteprima stampa reporto dati"
#define VANTREL_CONTROLLI_GESTIONE_REPORT(X)                                                                           \
    X(righe, "List1", Lista)                                                                                           \
    X(etichettaTesto, "Label1", Etichetta, .testo = "testo da inserire")                                               \
    X(testoDaInserire, "testo", Testo, .tab = 1)                                                                       \
    X(rigaTolta, "testo2", Testo, .visibile = false)                                                                   \
    X(etichettaNome, "Label2", Etichetta, .testo = "nome report")                                                      \
    X(nomeReport, "nome", Testo, .tab = 2)                                                                             \
    X(salva, "OK", Pulsante, .testo = "Salva", .tooltip = "salva report")                                              \
    X(apri, "Command3D2", Pulsante, .testo = "Apri", .tooltip = "Carica report")                                       \
    X(nuovaFinestra, "SSCommand11", Pulsante, .testo = "Nuova finestra", .tooltip = "nuova maschera")                  \
    X(stampa, "Stampa", Pulsante, .testo = "Stampa", .tooltip = "Stampa report")                                       \
    X(chiudi, "SSCommand2", Pulsante, .testo = "Chiudi", .tooltip = "chiudi maschera")                                 \
    X(spostaGiu, "SSCommand1", Pulsante, .testo = "Sposta giù", .tooltip = "sposta riga in basso",                     \
        .abilitato = false)                                                                                            \
    X(spostaSu, "SSCommand3", Pulsante, .testo = "Sposta su", .tooltip = "sposta riga in alto", .abilitato = false)    \
    X(rigaInTesta, "SSCommand4", Pulsante, .testo = "Riga in testa", .tooltip = "Aggiungi riga in testa")              \
    X(rigaInFondo, "SSCommand6", Pulsante, .testo = "Riga in fondo", .tooltip = "Aggiungi riga in fondo")              \
    X(rigaSuSelezione, "SSCommand5", Pulsante, .testo = "Riga su selezione", .tooltip = "Aggiungi riga su selezione")  \
    X(testata, "SSCommand7", Pulsante, .testo = "Testata", .tooltip = "Aggiungi testata")                              \
    X(eliminaTutto, "Pulisci", Pulsante, .testo = "Elimina tutto", .tooltip = "elimina tutto")                         \
    X(incollaRiga, "Command3D1", Pulsante, .testo = "Incolla riga",                                                    \
        .tooltip = "Incolla la riga tolta con il doppio click sopra la riga evidenziata", .abilitato = false)

// The controls of the text window `STP1` "Anteprima stampa pagina prospetto tabellare"
#define VANTREL_CONTROLLI_FINESTRA_TESTO(X)                                                                            \
    X(righe, "List1", Lista)                                                                                           \
    X(etichettaTesto, "Label1", Etichetta, .testo = "Testo da aggiungere alla maschera")                               \
    X(testoDaInserire, "testo", Testo)                                                                                 \
    X(rigaInTesta, "Command3D1", Pulsante, .testo = "Riga in testa", .tooltip = "Aggiungi riga in testa")              \
    X(rigaSuSelezione, "SSCommand1", Pulsante, .testo = "Riga su selezione", .tooltip = "Aggiungi riga su selezione")  \
    X(rigaInFondo, "SSCommand3", Pulsante, .testo = "Riga in fondo", .tooltip = "Aggiungi riga in fondo")              \
    X(stampa, "Stampa", Pulsante, .testo = "Stampa", .tooltip = "Stampa")                                              \
    X(chiudi, "SSCommand2", Pulsante, .testo = "Chiudi", .tooltip = " Uscita ")

// clang-format on

VANTREL_STRUTTURA_CONTROLLI(ControlliReportTeg, VANTREL_CONTROLLI_REPORT_TEG)
VANTREL_STRUTTURA_CONTROLLI(ControlliGestioneReport, VANTREL_CONTROLLI_GESTIONE_REPORT)
VANTREL_STRUTTURA_CONTROLLI(ControlliFinestraTesto, VANTREL_CONTROLLI_FINESTRA_TESTO)

} // namespace vantrel
