#include "teg/teg_calcolo.h"
#include "teg/teg_controlli.h"

namespace vantrel {
namespace {

void testo(Schema& s, const char* nome, const char* aiuto, bool solaLettura = false, const char* iniziale = "") {
    auto& d = s.aggiungi(nome, Tipo::Testo, iniziale);
    d.aiuto = aiuto;
    d.solaLettura = solaLettura;
}

void pulsante(Schema& s, const char* nome, const char* caption, const char* aiuto, const char* tooltip = "") {
    auto& d = s.aggiungi(nome, Tipo::Pulsante, caption);
    d.aiuto = aiuto;
    d.tooltip = tooltip;
}

void opzione(Schema& s, const char* nome, const char* caption, const char* gruppo, const char* aiuto, bool sel) {
    auto& d = s.aggiungi(nome, Tipo::Opzione, caption);
    d.gruppo = gruppo;
    d.aiuto = aiuto;
    d.selezionato = sel;
}

void etichetta(Schema& s, const char* nome, const char* caption, int sinistra = 0) {
    s.aggiungi(nome, Tipo::Etichetta, caption).sinistra = sinistra;
}

// The period: its dates, the year and category lists, the buttons that fill the dates, the days.
void definisciPeriodo(Schema& s) {
    s.aggiungi("SSTab1", Tipo::Scheda);
    auto& dal = s.aggiungi("dal", Tipo::Data);
    dal.aiuto = "Immettere data inizio periodo";
    auto& al = s.aggiungi("al", Tipo::Data);
    al.aiuto = "Immettere data fine periodo";
    s.aggiungi("Combo1", Tipo::Combo);
    s.aggiungi("Combo2", Tipo::Combo);

    struct P {
        const char* nome;
        const char* caption;
        const char* quale;
        const char* tooltip;
    };
    for (const P& p : {P{"Command2", "I° Trim.", "al primo trimestre dell'anno", "Seleziona trimestre"},
                       P{"Command3", "II° Trim.", "al secondo trimestre dell'anno", "Seleziona trimestre"},
                       P{"Command4", "III° Trim.", "al terzo trimestre dell'anno", "Seleziona trimestre"},
                       P{"Command5", "IV° Trim.", "al quarto trimestre dell'anno", "Seleziona trimestre"},
                       P{"Command7", "I° Sem.", "al primo semestre dell'anno", "Seleziona anno"},
                       P{"Command10", "II° Sem.", "al secondo semestre dell'anno", "Seleziona anno"},
                       P{"Command6", "anno", "all'intero anno", "Seleziona anno"}}) {
        const std::string aiuto = std::string("inserisce nei campi data il periodo riferito ") + p.quale +
                                  " indicato nel menù a tendina sottostante";
        pulsante(s, p.nome, p.caption, aiuto.c_str(), p.tooltip);
    }
    pulsante(
        s, "Command8", "giorni      >>",
        "calcola i giorni del periodo di calcolo e l'indebitamento medio che equivale al risultato della divisione "
        "dei Numeri Dare per il nr. giorni.");
}

// The figures of the period and their totals.
void definisciImporti(Schema& s) {
    testo(s, "Giorni", "Nr.giorni del periodo di calcolo.");
    testo(s, "NumeriD", "inserire i Numeri Dare maturati nel periodo indicato nelle date 'dal ...al'. ");
    testo(s, "IndMedio",
          "Indebitamento medio che equivale al risultato della divisione dei Numeri Dare per il nr. giorni.", true);
    testo(s, "intDare", "inserire gli interessi passivi del periodo");
    testo(s, "ComMS",
          "inserire le commissioni di massimo scoperto del periodo, se le CMS devono essere calcolate come interessi");
    testo(s, "extrafido", "inserire altri oneri passivi del periodo assimilabili agli interessi. ");
    testo(s, "totInt", "totale interessi passivi del periodo");
    testo(s, "speseN", "inserire le spese del periodo che contribuiscono al costo del finanziamento. ");
    testo(s, "ComMS2",
          "inserire le commissioni di massimo scoperto del periodo, se le CMS devono essere calcolate come spese");
    testo(s, "ASpese", "inserire altri oneri del periodo che contribuiscono al costo del finanziamento.");
    testo(s, "tspe", "totale spese del periodo che contribuiscono al costo del finanziamento. ");
    testo(s, "SpeInt", "totale interessi e spese del periodo. ");
    pulsante(s, "cmscop", "",
             "muove le commissioni di massimo scoperto del periodo, dalla riga interessi alla riga spese");
}

// The accordato, the currency and the threshold rule.
void definisciScelte(Schema& s) {
    s.aggiungi("FrameAccordato", Tipo::Cornice, "accordato =").aiuto =
        "opzione per la scelta del parametro per la determinazione dell'accordato. ";
    opzione(s, "Option2", "indebitam. medio", "accordato", "sceglie l'indebitamento medio come accordato. ", false);
    opzione(s, "Option1a", "Fido", "accordato", "sceglie il fido come accordato. ", true);
    testo(s, "fido", "valore dell'accordato. ");
    testo(s, "Acc", "inserire il valore dell'accordato. ");

    s.aggiungi("FrameValuta", Tipo::Cornice, "Valuta").aiuto = "seleziona la valuta di calcolo. ";
    opzione(s, "Lira", "Lire", "valuta", "esegue i calcoli con la valuta 'Lira'. ", false);
    opzione(s, "euro", "Euro", "valuta", "esegue i calcoli con la valuta 'Euro'. ", true);

    s.aggiungi("FrameSoglia", Tipo::Cornice, "tasso soglia").aiuto =
        "Seleziona il tipo di calcolo da effettuare al fine di definire il tasso soglia per eseguire il confronto. La "
        "vecchia norma prevedeva un tasso soglia pari al tasso medio aumentato del 50%, mentre la nuova norma prevede "
        "un aumento del 25% + 4% con uno scarto massimo di 8 punti tra il tasso medio e quello soglia.";
    opzione(s, "Option3", "vecchia norma", "norma",
            "calcola i tassi soglia aumentando del 50% i tassi medi rilevati dalla Banca D'Italia. ", false);
    opzione(s, "Option4", "nuova norma", "norma",
            "calcola i tassi soglia aumentando del 25% i tassi medi ed aggiungendo 4 punti, con tetto massimo di 8 "
            "punti tra tassi medi e tassi soglia. ",
            false);
    opzione(s, "Option5", "secondo la data", "norma",
            "calcola i tassi soglia con la norma in vigore nel periodo: aumento del 50% per i periodi chiusi prima "
            "del 14/05/2011, aumento del 25% + 4 punti (al massimo 8 punti) per quelli iniziati da quella data; un "
            "periodo a cavallo usa le soglie pubblicate per il suo trimestre (vecchia norma). Le soglie sono le cifre "
            "esatte della norma, senza arrotondamenti. ",
            true);
}

// The formula strip: "totale interessi" over "numeri debitori" x ga + "totale spese" over "accordato" x cento.
void definisciStriscia(Schema& s) {
    testo(s, "totint2", "totale interessi del periodo. ", true);
    testo(s, "indMed2", "totale numeri debitori del periodo. ", true);
    testo(s, "ga", "nr giorni anno x 100 ", true, "36500");
    testo(s, "TotalSpese", "totale spese del periodo. ", true);
    testo(s, "cento", "moltiplicatore fisso. ", true, "100");
    etichetta(s, "LblPiu", "+");
    etichetta(s, "LblTotaleSpese", "totale spese");
    etichetta(s, "LblAccordato", "accordato");
    etichetta(s, "LblPer2", "x");
    s.aggiungi("LineaSpese", Tipo::Linea);
    s.aggiungi("Line28", Tipo::Linea).visibile = false;
    etichetta(s, "LblUguale", "=", 5520);
    etichetta(s, "LblRisultato", "T.E.G.", 5880);
    testo(s, "TegTXT", "risultato operazione. ", true);
}

// The TEG of each charge and of the interest and expense groups.
void definisciParziali(Schema& s) {
    testo(s, "IntSc", "TEG soli interessi. ", true);
    testo(s, "CMSc", "TEG sole CMS. ", true);
    testo(s, "ECCSC", "TEG solo altri interessi. ", true);
    testo(s, "SpeseSc", "TEG sole spese. ", true);
    testo(s, "OneriSc", "TEG solo altri oneri. ", true);
    testo(s, "SommaParziali", "totale TEG. ", true);
    testo(s, "TInt", "totale TEG voci interessi. ", true);
    testo(s, "TSpes", "totale TEG voci spese. ", true);
    s.aggiungi("Line22", Tipo::Linea);
    s.aggiungi("Line27", Tipo::Linea);
}

// The averages and thresholds of the year, class by class and quarter by quarter.
void definisciGriglia(Schema& s) {
    static const char* const trimestri[] = {"primo", "secondo", "terzo", "quarto"};
    static const char* const classi[] = {"primo", "secondo", "terzo"};
    for (int c = 0; c < 3; ++c)
        for (int q = 0; q < 4; ++q)
            for (int u = 0; u < 2; ++u) {
                const std::string nome = GrigliaTassi::nome(u != 0, c, q);
                std::string quarto = trimestri[q];
                if (u && q == 3 && c == 0) quarto = "Quarto";
                const std::string aiuto = std::string(u ? "Tasso usura " : "Tasso medio ") + quarto +
                                          " trimestre dell'anno calcolato e per la categoria di conto scelto, relativo "
                                          "al " +
                                          classi[c] + " scaglione";
                testo(s, nome.c_str(), aiuto.c_str(), true);
            }
}

// The comparison with the threshold and the commands.
void definisciConfronto(Schema& s) {
    testo(s, "TSM", "", true);
    testo(s, "TUM", "", true);
    testo(s, "TSM2", "", true);
    testo(s, "TUM2", "", true);
    testo(s, "soglia",
          "tasso soglia del trimestre relativo alla classe d'importo e della categoria di conto selezionato. ", true);
    testo(s, "Diff", "differenza tra il tasso soglia ed il calcolo. ", true);
    testo(s, "ClasseSoglia", "categoria e classe d'importo da cui è preso il tasso soglia del periodo. ", true);

    pulsante(s, "OK", "Formula Banca d'Italia",
             "esegui calcolo TEG utilizzando la formula della Banca D'Italia che separa gli interessi dalle spese, "
             "rapportandole all'accordato. ",
             "esegui calcolo");
    pulsante(s, "Command9", "Formula globale",
             "esegui calcolo TEG utilizzando la formula globale che accorpa tutte le spese e gli interessi in un unico "
             "valore. ");
    pulsante(s, "via", "crea report",
             "Accoda i dati del calcolo nella maschera del report. I dati così rappresentati possono essere salvati in "
             "un file di testo e ripresi successivamente per modifiche o aggiunte.");
    pulsante(s, "SSCommand2", "crea report tabellare",
             "crea un riepilogo con i dati del calcolo dove vengono indicate le formule ed i relativi valori");
}

} // namespace

void TegCalcolo::definisci(Schema& s) {
    definisciPeriodo(s);
    definisciImporti(s);
    definisciScelte(s);
    definisciStriscia(s);
    definisciParziali(s);
    definisciGriglia(s);
    definisciConfronto(s);
}

} // namespace vantrel
