#pragma once

#include "common/controlli.h"

namespace vantrel {

// The controls of the case window's tabs "Addebiti banca" and "Note": the words that find the
// bank's charges among the movements, the charges entered by hand per period, the case's notes.
// clang-format off
#define VANTREL_CONTROLLI_ADDEBITI_PRATICA(X)                                                                          \
    X(tabellaParole, "TabellaParole", Lista,                                                                           \
        .aiuto = "le parole che riconoscono gli addebiti della banca nella descrizione dei movimenti; vale la prima "  \
                 "che si trova; doppio clic o F2 per correggere")                                                      \
    X(nuovaParola, "NuovaParola", Testo,                                                                               \
        .aiuto = "una parola della descrizione degli addebiti della banca (almeno tre lettere)", .tab = 1)             \
    X(tipoParola, "TipoParola", Combo, .aiuto = "il tipo di addebito che la parola riconosce", .tab = 2)              \
    X(aggiungiParola, "AggiungiParola", Pulsante, .testo = "Aggiungi parola",                                          \
        .tooltip = "aggiunge in fondo all'elenco la parola scritta a sinistra", .tab = 3)                              \
    X(eliminaParola, "EliminaParola", Pulsante, .testo = "Elimina parola", .tooltip = "elimina la parola selezionata", \
        .abilitato = false, .tab = 4)                                                                                  \
    X(paroleUsuali, "ParoleUsuali", Pulsante, .testo = "Parole usuali",                                                \
        .tooltip = "torna alle parole usuali: interessi, competenze, commissione, commissioni, spese", .tab = 5)       \
    X(esitoParole, "EsitoParole", Etichetta)                                                                           \
    X(tabellaAddebiti, "TabellaAddebiti", Lista,                                                                       \
        .aiuto = "gli addebiti della banca inseriti a mano, un periodo per riga, al posto di quelli trovati nei "      \
                 "movimenti; doppio clic o F2 per correggere")                                                         \
    X(dataAddebiti, "DataAddebiti", Testo, .aiuto = "un giorno del periodo, di solito la chiusura (gg/mm/aaaa)",       \
        .lunghezzaMassima = 10, .tab = 6)                                                                              \
    X(interessiAddebiti, "InteressiAddebiti", Testo, .aiuto = "gli interessi addebitati nel periodo", .tab = 7)       \
    X(competenzeAddebiti, "CompetenzeAddebiti", Testo, .aiuto = "le competenze addebitate nel periodo", .tab = 8)     \
    X(commissioniAddebiti, "CommissioniAddebiti", Testo,                                                               \
        .aiuto = "le commissioni (CMS, commissione fido, sconfinamento) addebitate nel periodo", .tab = 9)             \
    X(speseAddebiti, "SpeseAddebiti", Testo, .aiuto = "le spese addebitate nel periodo", .tab = 10)                   \
    X(aggiungiAddebiti, "AggiungiAddebiti", Pulsante, .testo = "Aggiungi periodo",                                     \
        .tooltip = "aggiunge gli addebiti scritti a sinistra", .tab = 11)                                              \
    X(eliminaAddebiti, "EliminaAddebiti", Pulsante, .testo = "Elimina periodo",                                        \
        .tooltip = "elimina la riga selezionata: nel periodo valgono di nuovo gli addebiti trovati nei movimenti",     \
        .abilitato = false, .tab = 12)                                                                                 \
    X(esitoAddebiti, "EsitoAddebiti", Etichetta)                                                                       \
    X(tabellaNote, "TabellaNote", Lista, .aiuto = "le note della pratica, con la data in cui sono state scritte")      \
    X(testoNota, "TestoNota", Testo, .aiuto = "il testo della nota da aggiungere", .tab = 13)                         \
    X(aggiungiNota, "AggiungiNota", Pulsante, .testo = "Aggiungi nota",                                                \
        .tooltip = "aggiunge la nota con la data di oggi", .tab = 14)
// clang-format on
VANTREL_STRUTTURA_CONTROLLI(ControlliAddebitiPratica, VANTREL_CONTROLLI_ADDEBITI_PRATICA)

} // namespace vantrel
