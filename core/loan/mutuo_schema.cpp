#include "loan/pannello_mutuo.h"

namespace vantrel {
namespace {

DefinizioneControllo& campo(Schema& s, const char* nome, const char* aiuto, const char* iniziale = "") {
    auto& d = s.aggiungi(nome, Tipo::Testo, iniziale);
    d.aiuto = aiuto;
    return d;
}

} // namespace

void PannelloMutuo::definisci(Schema& s) {
    campo(s, "txtImporto", "inserire l'importo finanziato");
    campo(s, "txtData", "inserire la data di erogazione del mutuo").lunghezzaMassima = 10;
    s.aggiungi("Frame1", Tipo::Cornice, "Scadenza:").aiuto = "selezionare la frequenza dei pagamenti delle rate";
    const char* const didascalie[6] = {"Mensile",        "Bimestrale", "Trimestrale",
                                       "Quadrimestrale", "Semestrale", "Annuale"};
    for (int k = 0; k < 6; ++k) {
        auto& o = s.aggiungi("Option1(" + std::to_string(k) + ")", Tipo::Opzione, didascalie[k]);
        o.gruppo = "scadenza";
        o.selezionato = k == 0;
    }
    campo(s, "anniX", "inserire il numero di anni di durata del mutuo").lunghezzaMassima = 3;
    campo(s, "txtNumRate",
          "inserire il nr di rate totale del piano di ammortamento. Il programma inserisce automaticamente il numro "
          "di rate in base agli anni, ma il valore suggerito può essere modificato.")
        .lunghezzaMassima = 3;
    campo(s, "txtTasso", "inserire il tasso applicato al mutuo").lunghezzaMassima = 6;
    campo(s, "txtRata", "importo rata").solaLettura = true;
    campo(s, "SpesaUT", "inserire le spese iniziali per la stipula del mutuo", "0").tooltip =
        "inserire spese nn collegate alle rate";
    campo(s, "SpesaM", "inserire le spese fisse per singola rata", "0").tooltip = "addebito per singola rata";
    campo(s, "TxtTaeg", "valore TAEG che tiene conto degli interessi e di tutte le spese").solaLettura = true;
    campo(s, "TotIntM", "totale interessi calcolati").solaLettura = true;
    campo(s, "totmutuo", "costo totale del muto = capitale + interessi + spese").solaLettura = true;
    campo(s, "TSpese", "totale spese calcolate").solaLettura = true;
    s.aggiungi("LstPianoAmm", Tipo::Lista);
    s.aggiungi("CmdCalcola", Tipo::Pulsante, "Calcola").aiuto = "avvia il calcolo del mutuo";
    s.aggiungi("cmdStampa", Tipo::Pulsante, "Stampa").aiuto = "stampa il piano del mutuo";
    s.aggiungi("cmdEsportaXlsx", Tipo::Pulsante, "Esporta Excel...").aiuto =
        "salva il piano, una riga per rata con i totali, e i dati del mutuo in una cartella di Excel";
    s.aggiungi("cmdEsportaCsv", Tipo::Pulsante, "Esporta CSV...").aiuto = "salva il piano in un file CSV";
}

} // namespace vantrel
