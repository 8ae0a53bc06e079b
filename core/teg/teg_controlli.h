#pragma once

#include "common/controlli.h"

namespace vantrel {

// clang-format off

// The controls of the "calcolo T.E.G." tab of the calculation window `Taeg`, with the window's help
// box and its tabs
#define VANTREL_CONTROLLI_TEG(X)                                                                                       \
    X(aiuto, "HELP", Testo,                                                                                            \
        .testo = "Aiuto contestuale, muovendo il puntatore sopra gli elementi della maschera comparirà la "            \
            "spiegazione dell'elemento puntato.\n",                                                                    \
        .solaLettura = true)                                                                                           \
    X(schede, "SSTab1", Scheda)                                                                                        \
    X(statoCalcolo, "StatoCalcolo", Etichetta)                                                                         \
    X(dataInizio, "dal", Data, .aiuto = "Immettere data inizio periodo", .tab = 1)                                     \
    X(dataFine, "al", Data, .aiuto = "Immettere data fine periodo", .tab = 2)                                          \
    X(anno, "Combo1", Combo, .tab = 3)                                                                                 \
    X(categoria, "Combo2", Combo, .tab = 21)                                                                           \
    X(primoTrimestre, "Command2", Pulsante, .testo = "I° Trim.",                                                       \
        .aiuto = "inserisce nei campi data il periodo riferito al primo trimestre dell'anno indicato nel menù a "      \
            "tendina sottostante",                                                                                     \
        .tooltip = "Seleziona trimestre")                                                                              \
    X(secondoTrimestre, "Command3", Pulsante, .testo = "II° Trim.",                                                    \
        .aiuto = "inserisce nei campi data il periodo riferito al secondo trimestre dell'anno indicato nel menù a "    \
            "tendina sottostante",                                                                                     \
        .tooltip = "Seleziona trimestre")                                                                              \
    X(terzoTrimestre, "Command4", Pulsante, .testo = "III° Trim.",                                                     \
        .aiuto = "inserisce nei campi data il periodo riferito al terzo trimestre dell'anno indicato nel menù a "      \
            "tendina sottostante",                                                                                     \
        .tooltip = "Seleziona trimestre")                                                                              \
    X(quartoTrimestre, "Command5", Pulsante, .testo = "IV° Trim.",                                                     \
        .aiuto = "inserisce nei campi data il periodo riferito al quarto trimestre dell'anno indicato nel menù a "     \
            "tendina sottostante",                                                                                     \
        .tooltip = "Seleziona trimestre")                                                                              \
    X(primoSemestre, "Command7", Pulsante, .testo = "I° Sem.",                                                         \
        .aiuto = "inserisce nei campi data il periodo riferito al primo semestre dell'anno indicato nel menù a "       \
            "tendina sottostante",                                                                                     \
        .tooltip = "Seleziona semestre")                                                                               \
    X(secondoSemestre, "Command10", Pulsante, .testo = "II° Sem.",                                                     \
        .aiuto = "inserisce nei campi data il periodo riferito al secondo semestre dell'anno indicato nel menù a "     \
            "tendina sottostante",                                                                                     \
        .tooltip = "Seleziona semestre")                                                                               \
    X(annoIntero, "Command6", Pulsante, .testo = "anno",                                                               \
        .aiuto = "inserisce nei campi data il periodo riferito all'intero anno indicato nel menù a tendina "           \
            "sottostante",                                                                                             \
        .tooltip = "Seleziona anno")                                                                                   \
    X(calcolaGiorni, "Command8", Pulsante, .testo = "giorni      >>",                                                  \
        .aiuto = "calcola i giorni del periodo di calcolo e l'indebitamento medio che equivale al risultato della "    \
            "divisione dei Numeri Dare per il nr. giorni.",                                                            \
        .tab = 4)                                                                                                      \
    X(giorni, "Giorni", Testo, .aiuto = "Nr.giorni del periodo di calcolo.", .tab = 5)                                 \
    X(numeriDebitori, "NumeriD", Testo,                                                                                \
        .aiuto = "inserire i Numeri Dare maturati nel periodo indicato nelle date 'dal ...al'. ", .tab = 6)            \
    X(indebitamentoMedio, "IndMedio", Testo,                                                                           \
        .aiuto = "Indebitamento medio che equivale al risultato della divisione dei Numeri Dare per il nr. giorni.",   \
        .solaLettura = true)                                                                                           \
    X(interessiDare, "intDare", Testo, .aiuto = "inserire gli interessi passivi del periodo", .tab = 7)                \
    X(cmsInteressi, "ComMS", Testo,                                                                                    \
        .aiuto = "inserire le commissioni di massimo scoperto del periodo, se le CMS devono essere calcolate come "    \
            "interessi",                                                                                               \
        .tab = 8)                                                                                                      \
    X(altriInteressi, "extrafido", Testo,                                                                              \
        .aiuto = "inserire altri oneri passivi del periodo assimilabili agli interessi. ", .tab = 9)                   \
    X(totaleInteressi, "totInt", Testo, .aiuto = "totale interessi passivi del periodo", .tab = 10)                    \
    X(spese, "speseN", Testo,                                                                                          \
        .aiuto = "inserire le spese del periodo che contribuiscono al costo del finanziamento. ", .tab = 11)           \
    X(cmsSpese, "ComMS2", Testo,                                                                                       \
        .aiuto = "inserire le commissioni di massimo scoperto del periodo, se le CMS devono essere calcolate come "    \
            "spese",                                                                                                   \
        .tab = 12)                                                                                                     \
    X(altriOneri, "ASpese", Testo,                                                                                     \
        .aiuto = "inserire altri oneri del periodo che contribuiscono al costo del finanziamento.", .tab = 13)         \
    X(totaleSpese, "tspe", Testo,                                                                                      \
        .aiuto = "totale spese del periodo che contribuiscono al costo del finanziamento. ", .tab = 14)                \
    X(totaleInteressiSpese, "SpeInt", Testo, .aiuto = "totale interessi e spese del periodo. ", .tab = 15)             \
    X(massimoScoperto, "MaxScoperto", Testo,                                                                           \
        .aiuto = "inserire il massimo scoperto del periodo (il saldo debitore più alto), su cui si misura il tasso "   \
            "della CMS nei periodi fino al 31/12/2009. ",                                                              \
        .tab = 16)                                                                                                     \
    X(spostaCms, "cmscop", Pulsante,                                                                                   \
        .aiuto = "muove le commissioni di massimo scoperto del periodo, dalla riga interessi alla riga spese")         \
    X(corniceAccordato, "FrameAccordato", Cornice, .testo = "accordato =",                                             \
        .aiuto = "opzione per la scelta del parametro per la determinazione dell'accordato. ")                         \
    X(accordatoIndebitamento, "Option2", Opzione, .testo = "indebitam. medio",                                         \
        .aiuto = "sceglie l'indebitamento medio come accordato. ", .gruppo = "accordato", .tab = 17)                   \
    X(accordatoFido, "Option1a", Opzione, .testo = "Fido", .aiuto = "sceglie il fido come accordato. ",                \
        .gruppo = "accordato", .selezionato = true, .tab = 18)                                                         \
    X(fido, "fido", Testo, .aiuto = "valore dell'accordato. ", .tab = 19)                                              \
    X(accordato, "Acc", Testo, .aiuto = "inserire il valore dell'accordato. ", .tab = 20)                              \
    X(corniceValuta, "FrameValuta", Cornice, .testo = "Valuta", .aiuto = "seleziona la valuta di calcolo. ")           \
    X(lire, "Lira", Opzione, .testo = "Lire", .aiuto = "esegue i calcoli con la valuta 'Lira'. ", .gruppo = "valuta",  \
        .tab = 22)                                                                                                     \
    X(euro, "euro", Opzione, .testo = "Euro", .aiuto = "esegue i calcoli con la valuta 'Euro'. ", .gruppo = "valuta",  \
        .selezionato = true, .tab = 23)                                                                                \
    X(corniceNorma, "FrameSoglia", Cornice, .testo = "tasso soglia",                                                   \
        .aiuto = "Seleziona il tipo di calcolo da effettuare al fine di definire il tasso soglia per eseguire il "     \
            "confronto. La vecchia norma prevedeva un tasso soglia pari al tasso medio aumentato del 50%, mentre la "  \
            "nuova norma prevede un aumento del 25% + 4% con uno scarto massimo di 8 punti tra il tasso medio e "      \
            "quello soglia.")                                                                                          \
    X(vecchiaNorma, "Option3", Opzione, .testo = "vecchia norma",                                                      \
        .aiuto = "calcola i tassi soglia aumentando del 50% i tassi medi rilevati dalla Banca d'Italia. ",             \
        .gruppo = "norma", .tab = 24)                                                                                  \
    X(nuovaNorma, "Option4", Opzione, .testo = "nuova norma",                                                          \
        .aiuto = "calcola i tassi soglia aumentando del 25% i tassi medi ed aggiungendo 4 punti, con tetto massimo "   \
            "di 8 punti tra tassi medi e tassi soglia. ",                                                              \
        .gruppo = "norma", .tab = 25)                                                                                  \
    X(normaPerData, "Option5", Opzione, .testo = "secondo la data",                                                    \
        .aiuto = "calcola i tassi soglia con la norma in vigore nel periodo: aumento del 50% per i periodi chiusi "    \
            "prima del 14/05/2011, aumento del 25% + 4 punti (al massimo 8 punti) per quelli iniziati da quella "      \
            "data; un periodo a cavallo usa le soglie pubblicate per il suo trimestre (vecchia norma). Le soglie "     \
            "sono le cifre esatte della norma, senza arrotondamenti. ",                                                \
        .gruppo = "norma", .selezionato = true, .tab = 26)                                                             \
    X(formulaInteressi, "totint2", Testo, .aiuto = "totale interessi del periodo. ", .solaLettura = true)              \
    X(formulaNumeri, "indMed2", Testo, .aiuto = "totale numeri debitori del periodo. ", .solaLettura = true)           \
    X(formulaGiorniAnno, "ga", Testo, .testo = "36500", .aiuto = "nr giorni anno x 100 ", .solaLettura = true)         \
    X(formulaSpese, "TotalSpese", Testo, .aiuto = "totale spese del periodo. ", .solaLettura = true)                   \
    X(formulaCento, "cento", Testo, .testo = "100", .aiuto = "moltiplicatore fisso. ", .solaLettura = true)            \
    X(formulaPiu, "LblPiu", Etichetta, .testo = "+")                                                                   \
    X(formulaEtichettaSpese, "LblTotaleSpese", Etichetta, .testo = "totale spese")                                     \
    X(formulaEtichettaAccordato, "LblAccordato", Etichetta, .testo = "accordato")                                      \
    X(formulaPer, "LblPer2", Etichetta, .testo = "x")                                                                  \
    X(formulaLineaSpese, "LineaSpese", Linea)                                                                          \
    X(formulaLineaGlobale, "Line28", Linea, .visibile = false)                                                         \
    X(formulaUguale, "LblUguale", Etichetta, .testo = "=", .sinistra = 5520)                                           \
    X(formulaRisultato, "LblRisultato", Etichetta, .testo = "T.E.G.", .sinistra = 5880)                                \
    X(teg, "TegTXT", Testo, .aiuto = "risultato operazione. ", .solaLettura = true)                                    \
    X(tegInteressi, "IntSc", Testo, .aiuto = "TEG soli interessi. ", .solaLettura = true)                              \
    X(tegCms, "CMSc", Testo, .aiuto = "TEG sole CMS. ", .solaLettura = true)                                           \
    X(tegAltriInteressi, "ECCSC", Testo, .aiuto = "TEG solo altri interessi. ", .solaLettura = true)                   \
    X(tegSpese, "SpeseSc", Testo, .aiuto = "TEG sole spese. ", .solaLettura = true)                                    \
    X(tegAltriOneri, "OneriSc", Testo, .aiuto = "TEG solo altri oneri. ", .solaLettura = true)                         \
    X(sommaParziali, "SommaParziali", Testo, .aiuto = "totale TEG. ", .solaLettura = true)                             \
    X(tegVociInteressi, "TInt", Testo, .aiuto = "totale TEG voci interessi. ", .solaLettura = true)                    \
    X(tegVociSpese, "TSpes", Testo, .aiuto = "totale TEG voci spese. ", .solaLettura = true)                           \
    X(lineaCmsInteressi, "Line22", Linea)                                                                              \
    X(lineaCmsSpese, "Line27", Linea)                                                                                  \
    X(mediaTassiMediClasse1, "TSM", Testo, .solaLettura = true)                                                        \
    X(mediaSoglieClasse1, "TUM", Testo, .solaLettura = true)                                                           \
    X(mediaTassiMediClasse2, "TSM2", Testo, .solaLettura = true)                                                       \
    X(mediaSoglieClasse2, "TUM2", Testo, .solaLettura = true)                                                          \
    X(soglia, "soglia", Testo,                                                                                         \
        .aiuto = "tasso soglia del trimestre relativo alla classe d'importo e della categoria di conto selezionato. ", \
        .solaLettura = true)                                                                                           \
    X(supero, "Diff", Testo, .aiuto = "differenza tra il tasso soglia ed il calcolo. ", .solaLettura = true)           \
    X(classeSoglia, "ClasseSoglia", Testo,                                                                             \
        .aiuto = "categoria e classe d'importo da cui è preso il tasso soglia del periodo. ", .solaLettura = true)     \
    X(corniceCms, "FrameCms", Cornice, .testo = "verifica separata della CMS (periodi fino al 31/12/2009)",            \
        .aiuto = "Per i periodi fino al 31/12/2009 i tassi medi erano rilevati senza la CMS: il TEG senza CMS si "     \
            "confronta con la soglia e il tasso della CMS con la CMS soglia; l'eccedenza della CMS si compensa "       \
            "con il "                                                                                                  \
            "margine degli interessi (Cass. SS.UU. 16303/2018). Dal 01/01/2010 la CMS è parte del TEG. ")              \
    X(cmsMedia, "CmsMedia", Testo, .aiuto = "CMS media del trimestre, dalla finestra dei tassi. ",                     \
        .solaLettura = true)                                                                                           \
    X(tegSenzaCms, "TegSenzaCMS", Testo,                                                                               \
        .aiuto = "TEG del periodo con la stessa formula, senza la CMS. ", .solaLettura = true)                         \
    X(tassoCms, "TassoCMS", Testo, .aiuto = "tasso della CMS: CMS x 100 / massimo scoperto. ", .solaLettura = true)    \
    X(sogliaCms, "SogliaCMS", Testo,                                                                                   \
        .aiuto = "CMS soglia: la CMS media del trimestre con la regola della soglia. ", .solaLettura = true)           \
    X(eccedenzaCms, "EccedenzaCMS", Testo,                                                                             \
        .aiuto = "CMS oltre la CMS soglia: CMS - CMS soglia x massimo scoperto / 100. ", .solaLettura = true)          \
    X(margineInteressi, "MargineInteressi", Testo,                                                                     \
        .aiuto = "margine degli interessi: (soglia - TEG senza CMS) x numeri debitori / 36.500. ",                     \
        .solaLettura = true)                                                                                           \
    X(esitoCms, "EsitoCMS", Testo, .aiuto = "esito della verifica separata della CMS. ", .solaLettura = true)          \
    X(calcolaBancaItalia, "OK", Pulsante, .testo = "Formula Banca d'Italia",                                           \
        .aiuto = "esegui calcolo TEG utilizzando la formula della Banca d'Italia che separa gli interessi dalle "      \
            "spese, rapportandole all'accordato. ",                                                                    \
        .tooltip = "esegui calcolo", .tab = 27)                                                                        \
    X(calcolaGlobale, "Command9", Pulsante, .testo = "Formula globale",                                                \
        .aiuto = "esegui calcolo TEG utilizzando la formula globale che accorpa tutte le spese e gli interessi in "    \
            "un unico valore. ",                                                                                       \
        .tab = 28)                                                                                                     \
    X(creaReport, "via", Pulsante, .testo = "crea report",                                                             \
        .aiuto = "Accoda i dati del calcolo nella maschera del report. I dati così rappresentati possono essere "      \
            "salvati in un file di testo e ripresi successivamente per modifiche o aggiunte.",                         \
        .tab = 29)                                                                                                     \
    X(creaReportTabellare, "SSCommand2", Pulsante, .testo = "crea report tabellare",                                   \
        .aiuto = "crea un riepilogo con i dati del calcolo dove vengono indicate le formule ed i relativi valori",     \
        .tab = 30)
// clang-format on
VANTREL_STRUTTURA_CONTROLLI(ControlliTeg, VANTREL_CONTROLLI_TEG)

/// The rate grid of the year on the same tab: for each class of amount (first, second, third) and
/// quarter, the average rate (TS1..TS4, TS1b..TS4b, TS1c..TS4c) and its threshold (TU1..TU4, ...).
struct GrigliaTassi {
    int tassiMedi[3][4];
    int soglie[3][4];
    explicit GrigliaTassi(const Schema& s);
    /// Adds the 24 cells to a window's schema.
    static void definisci(Schema& s);
    /// The control's name of a cell: `soglia` false for the average rate.
    static std::string nome(bool soglia, int classe, int trimestre);
};

} // namespace vantrel
