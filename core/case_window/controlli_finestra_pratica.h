#pragma once

#include "common/controlli.h"

namespace vantrel {

// The controls of the case window `Pratica`: the tabs, the case's data, the movements table with
// its edits, the import of a movements file with its preview, the conditions over time, the scalare
// and the progress of a long import or calculation.
// clang-format off
#define VANTREL_CONTROLLI_FINESTRA_PRATICA(X)                                                                          \
    X(schede, "SchedePratica", Scheda)                                                                                 \
    X(cliente, "Cliente", Testo, .aiuto = "il cliente titolare del conto", .tab = 1)                                   \
    X(banca, "Banca", Testo, .aiuto = "la banca che tiene il conto", .tab = 2)                                         \
    X(conto, "Conto", Testo, .aiuto = "il numero o il nome del conto", .tab = 3)                                       \
    X(saldoIniziale, "SaldoIniziale", Testo,                                                                           \
        .aiuto = "il saldo del conto prima del primo giorno dello scalare (negativo se a debito)", .tab = 4)           \
    X(inizio, "Inizio", Testo,                                                                                         \
        .aiuto = "il primo giorno dello scalare (gg/mm/aaaa); vuoto: il primo giorno di valuta", .tab = 5)             \
    X(tabellaMovimenti, "TabellaMovimenti", Lista,                                                                     \
        .aiuto = "i movimenti per data valuta; doppio clic o F2 su una cella per correggerla")                         \
    X(totaleMovimenti, "TotMovimenti", Etichetta)                                                                      \
    X(nuovaData, "NuovaData", Testo, .aiuto = "la data operazione del movimento da aggiungere (gg/mm/aaaa)",           \
        .lunghezzaMassima = 10, .tab = 6)                                                                             \
    X(nuovaValuta, "NuovaValuta", Testo,                                                                               \
        .aiuto = "la data valuta del movimento da aggiungere; vuota: la data operazione", .lunghezzaMassima = 10,      \
        .tab = 7)                                                                                                     \
    X(nuovaDescrizione, "NuovaDescrizione", Testo, .aiuto = "la descrizione del movimento da aggiungere", .tab = 8)   \
    X(nuovoImporto, "NuovoImporto", Testo, .aiuto = "l'importo del movimento: negativo per un addebito", .tab = 9)    \
    X(aggiungiMovimento, "AggiungiMovimento", Pulsante, .testo = "Aggiungi",                                           \
        .tooltip = "aggiunge il movimento scritto nei campi a sinistra", .tab = 10)                                    \
    X(eliminaMovimento, "EliminaMovimento", Pulsante, .testo = "Elimina",                                              \
        .tooltip = "elimina il movimento selezionato", .abilitato = false, .tab = 11)                                  \
    X(annullaModifica, "AnnullaModifica", Pulsante, .testo = "Annulla", .tooltip = "Ctrl+Z", .abilitato = false)       \
    X(ripetiModifica, "RipetiModifica", Pulsante, .testo = "Ripeti", .tooltip = "Ctrl+Y", .abilitato = false)          \
    X(scegliMovimenti, "ScegliMovimenti", Pulsante, .testo = "Scegli file...",                                         \
        .tooltip = "sceglie un file CSV o Excel dell'home banking e mostra come è letto", .tab = 12)                   \
    X(fileMovimenti, "FileMovimenti", Etichetta)                                                                       \
    X(colonneLette, "ColonneLette", Lista, .aiuto = "come è letta ogni colonna del file")                              \
    X(anteprimaMovimenti, "AnteprimaMovimenti", Lista, .aiuto = "i primi movimenti come saranno salvati")              \
    X(esitoLettura, "EsitoLettura", Etichetta)                                                                         \
    X(importaMovimenti, "ImportaMovimenti", Pulsante, .testo = "Importa",                                              \
        .tooltip = "aggiunge alla pratica i movimenti del file", .abilitato = false, .tab = 13)                        \
    X(scartaAnteprima, "ScartaAnteprima", Pulsante, .testo = "Scarta",                                                 \
        .tooltip = "lascia il file senza importarlo", .abilitato = false, .tab = 14)                                   \
    X(tabellaCondizioni, "TabellaCondizioni", Lista,                                                                   \
        .aiuto = "le condizioni del contratto, ciascuna in vigore dalla sua data; doppio clic o F2 per correggere")    \
    X(aggiungiCondizioni, "AggiungiCondizioni", Pulsante, .testo = "Aggiungi riga",                                   \
        .tooltip = "aggiunge una riga uguale all'ultima, in vigore dal giorno dopo", .tab = 15)                        \
    X(eliminaCondizioni, "EliminaCondizioni", Pulsante, .testo = "Elimina riga",                                       \
        .tooltip = "elimina la riga selezionata", .abilitato = false, .tab = 16)                                       \
    X(importaCondizioni, "ImportaCondizioni", Pulsante, .testo = "Importa CSV...",                                     \
        .tooltip = "sostituisce le condizioni con quelle di un file CSV o Excel", .tab = 17)                           \
    X(esitoCondizioni, "EsitoCondizioni", Etichetta)                                                                   \
    X(tabellaScalare, "TabellaScalare", Lista,                                                                         \
        .aiuto = "un periodo di liquidazione per riga; evidenziati i periodi in cui la banca ha addebitato di più")    \
    X(calcolaScalare, "CalcolaScalare", Pulsante, .testo = "Calcola",                                                  \
        .tooltip = "ricostruisce lo scalare dai movimenti e dalle condizioni", .tab = 18)                              \
    X(esportaScalare, "EsportaScalare", Pulsante, .testo = "Esporta CSV...",                                           \
        .tooltip = "salva lo scalare in un file CSV", .abilitato = false, .tab = 19)                                   \
    X(esitoScalare, "EsitoScalare", Etichetta)                                                                         \
    X(avanzamento, "AvanzamentoPratica", Etichetta, .visibile = false)                                                 \
    X(annullaLavoro, "AnnullaLavoro", Pulsante, .testo = "Annulla", .tooltip = "interrompe il lavoro in corso",        \
        .visibile = false)
// clang-format on
VANTREL_STRUTTURA_CONTROLLI(ControlliFinestraPratica, VANTREL_CONTROLLI_FINESTRA_PRATICA)

/// The tabs of the case window, in order.
enum SchedaPratica {
    kSchedaDati,
    kSchedaMovimenti,
    kSchedaImportazione,
    kSchedaCondizioni,
    kSchedaScalare,
    kSchedaRicalcolo,
    kSchedaAddebiti,
    kSchedaNote
};

} // namespace vantrel
